#include "UExibe.h"
#include "VerticeGL.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Bit 64 marks a polyface mesh. Flags beyond a byte count as having it, negative ones not.
bool EhMalhaPoliface(std::int32_t flags) {
    return flags > 255 || (flags >= 0 && (flags & 64));
}

// The other bits of a polyline that is no polyface mesh; a negative value has none of them.
bool TemBit(std::int32_t flags, std::int32_t bit) {
    return flags >= 0 && (flags & bit) != 0;
}

// The point of the vertex at this index (from 0), or null when there is none.
const TPonto3D* PontoDoVertice(const TPolyLine& polyline, long long indice) {
    if (indice < 0 || indice >= polyline.Vertices.Count()) return nullptr;
    const auto& ponto = polyline.Vertices[static_cast<int>(indice)].Ponto;
    return ponto ? &*ponto : nullptr;
}

// The point of the vertex that a face record names (from 1; negative marks an invisible
// edge), or null when the number names no vertex with a point.
const TPonto3D* VerticeNomeado(const TPolyLine& polyline, std::int32_t numero) {
    return PontoDoVertice(polyline, std::llabs(numero) - 1);
}

void EnviaTriangulo(const TPonto3D& a, const TPonto3D& b, const TPonto3D& c) {
    glBegin(GL_TRIANGLE_STRIP);
    EnviaVertice(a);
    EnviaVertice(b);
    EnviaVertice(c);
    glEnd();
}

void ExibeFacesDaMalha(const TPolyLine& polyline) {
    for (const TFace& face : polyline.Faces) {
        const TPonto3D* v1 = VerticeNomeado(polyline, face.V1);
        const TPonto3D* v2 = VerticeNomeado(polyline, face.V2);
        const TPonto3D* v3 = VerticeNomeado(polyline, face.V3);
        if (!v1 || !v2 || !v3) continue;
        EnviaTriangulo(*v1, *v2, *v3);
        // A four-sided record: the other half of the quadrilateral, same winding.
        if (face.V4 == 0) continue;
        if (const TPonto3D* v4 = VerticeNomeado(polyline, face.V4)) EnviaTriangulo(*v1, *v3, *v4);
    }
}

// Inside glBegin(GL_LINES): the path through `quantos` vertices from index `primeiro`,
// `passo` apart, and back to the first when closed (from three vertices on). A vertex
// without a point leaves a gap.
void EnviaCaminho(const TPolyLine& polyline, long long primeiro, long long passo, long long quantos,
                  bool fechado) {
    auto segmento = [&](long long a, long long b) {
        const TPonto3D* p = PontoDoVertice(polyline, primeiro + a * passo);
        const TPonto3D* q = PontoDoVertice(polyline, primeiro + b * passo);
        if (!p || !q) return;
        EnviaVertice(*p);
        EnviaVertice(*q);
    };
    for (long long k = 0; k + 1 < quantos; ++k)
        segmento(k, k + 1);
    if (fechado && quantos > 2) segmento(quantos - 1, 0);
}

void ExibeLinhasDaPolyLine(const TPolyLine& polyline) {
    const long long vertices = polyline.Vertices.Count();
    const bool fechadaEmM = TemBit(polyline.Flags, 1);
    glBegin(GL_LINES);
    if (!TemBit(polyline.Flags, 16)) {
        EnviaCaminho(polyline, 0, 1, vertices, fechadaEmM);
    } else if (const long long m = polyline.ContM, n = polyline.ContN;
               m > 0 && n > 0 && m * n == vertices) {
        // A polygon mesh: vertex (i, j) is number i * N + j. One with other than M x N
        // vertices shows nothing: a smoothed mesh also holds its surface's points, and which
        // are which is not kept.
        for (long long i = 0; i < m; ++i)
            EnviaCaminho(polyline, i * n, 1, n, TemBit(polyline.Flags, 32));
        for (long long j = 0; j < n; ++j)
            EnviaCaminho(polyline, j, n, m, fechadaEmM);
    }
    glEnd();
}

} // namespace

void ExibePolyLines(const TList<TPolyLine>& polylines, TPolilinhas quais) {
    for (const TPolyLine& polyline : polylines) {
        if (EhMalhaPoliface(polyline.Flags))
            ExibeFacesDaMalha(polyline);
        else if (quais == TPolilinhas::Todas)
            ExibeLinhasDaPolyLine(polyline);
    }
}
