#include "UExibe.h"
#include "VerticeGL.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Bit 64 marks a polyface mesh. Flags beyond a byte count as having it, negative ones not.
bool EhMalhaPoliface(std::int32_t flags) {
    return flags > 255 || (flags >= 0 && (flags & 64));
}

// The point of the vertex that a face record names (from 1; negative marks an invisible
// edge), or null when the number names no vertex with a point.
const TPonto3D* VerticeNomeado(const TPolyLine& polyline, std::int32_t numero) {
    const long long indice = std::llabs(numero) - 1;
    if (indice < 0 || indice >= polyline.Vertices.Count()) return nullptr;
    const auto& ponto = polyline.Vertices[static_cast<int>(indice)].Ponto;
    return ponto ? &*ponto : nullptr;
}

void EnviaTriangulo(const TPonto3D& a, const TPonto3D& b, const TPonto3D& c) {
    glBegin(GL_TRIANGLE_STRIP);
    EnviaVertice(a);
    EnviaVertice(b);
    EnviaVertice(c);
    glEnd();
}

} // namespace

void ExibePolyLines(const TList<TPolyLine>& polylines) {
    for (const TPolyLine& polyline : polylines) {
        if (!EhMalhaPoliface(polyline.Flags)) continue;
        for (const TFace& face : polyline.Faces) {
            const TPonto3D* v1 = VerticeNomeado(polyline, face.V1);
            const TPonto3D* v2 = VerticeNomeado(polyline, face.V2);
            const TPonto3D* v3 = VerticeNomeado(polyline, face.V3);
            if (!v1 || !v2 || !v3) continue;
            EnviaTriangulo(*v1, *v2, *v3);
            // A four-sided record: the other half of the quadrilateral, same winding.
            if (face.V4 == 0) continue;
            if (const TPonto3D* v4 = VerticeNomeado(polyline, face.V4))
                EnviaTriangulo(*v1, *v3, *v4);
        }
    }
}
