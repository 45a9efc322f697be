#include "UAux.h"
#include "UExibe.h"
#include "VerticeGL.h"

namespace {

void DefineCorDaFace(const std::optional<TCor>& cor) {
    if (!cor) {
        glColor3f(0.5f, 0.5f, 0.6f);
        return;
    }
    if (cor->R == 256 || cor->G == 256 || cor->B == 256) return; // keep the current colour
    glColor3f(cor->R.ComoFloat(), cor->G.ComoFloat(), cor->B.ComoFloat());
}

} // namespace

void ExibeFaces3D(const TList<TFace3D>& faces) {
    for (const TFace3D& face : faces) {
        const int cantos = face.Pontos.Count();
        if (cantos < 3) continue;
        const TPonto3D& p0 = face.Pontos[0];
        const TPonto3D& p1 = face.Pontos[1];
        const TPonto3D& p2 = face.Pontos[2];
        DefineCorDaFace(face.Cor);
        const auto normal = VetorNormalDaFace(p0, p1, p2);

        glBegin(GL_TRIANGLES);
        glNormal3f(-static_cast<float>(normal[0]), -static_cast<float>(normal[1]),
                   -static_cast<float>(normal[2]));
        EnviaVertice(p0);
        EnviaVertice(p1);
        EnviaVertice(p2);
        if (cantos > 3) {
            EnviaVertice(p0);
            EnviaVertice(p2);
            EnviaVertice(face.Pontos[3]);
        }
        glEnd();
    }
}
