#include "Ajuda.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using Faces = DesenhoGL;

// No colour gives grey-blue, the marker keeps the colour set before; three corners give one
// triangle, four two by the diagonal P0 P2 with the normal (P1 - P0) x (P2 - P0), not
// normalised; fewer draw nothing and set neither colour nor normal. Lines are translucent red
// whatever their colour; one without both points is left out.
TEST_F(Faces, TriangulosCorENormalDeCadaFaceELinhasVermelhas) {
    const TFace3D quadrado = Face({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0)});
    auto comCor = quadrado, marcador = quadrado;
    comCor.Cor = TCor{0, 1, 0};
    marcador.Cor = CorDoIndice(255);
    const auto azul = TCor{0, 0, 1};
    const auto faces =
        Lista({marcador, comCor, marcador, Face({P(0, 0, 0), P(1, 0, 0), P(0, 1, 0)}),
               Face({P(0, 0, 0), P(2, 0, 1), P(2, 3, 0), P(0, 3, -1)}, TCor{0.25, 0.5, 0.75}),
               Face({P(5, 5, 0), P(6, 5, 0)}, azul), Face({}, azul)});
    TLinha linha{{}, P(1, 2, 3), P(4, 5, 6)}, semFim;
    linha.Cor = TCor{0, 1, 0};
    semFim.P1 = P(0, 0, 0);

    glColor3f(0.2f, 0.3f, 0.4f); // what was set last before the list
    std::array<float, 4> cor{};
    std::array<float, 3> normal{};
    const auto captura = Captura([&] {
        ExibeFaces3D(faces);
        glGetFloatv(GL_CURRENT_COLOR, cor.data());
        glGetFloatv(GL_CURRENT_NORMAL, normal.data());
        ExibeLinhas(Lista({semFim, linha}));
    });
    ASSERT_EQ(captura.size(), 10u);
    EsperaCor(captura[0].vertices[0], 0.2f, 0.3f, 0.4f);
    EsperaCor(captura[2].vertices[0], 0, 1, 0);
    EsperaCor(captura[4].vertices[0], 0, 1, 0);
    EsperaVertices(captura[6], {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    EsperaCor(captura[6].vertices[0], 0.5f, 0.5f, 0.6f);
    EsperaVertices(captura[7], {{0, 0, 0}, {2, 0, 1}, {2, 3, 0}});
    EsperaVertices(captura[8], {{0, 0, 0}, {2, 3, 0}, {0, 3, -1}});
    for (const auto& t : {captura[7], captura[8]})
        for (const auto& v : t.vertices)
            EsperaCor(v, 0.25f, 0.5f, 0.75f);
    EXPECT_EQ(cor[2], 0.75f);
    EXPECT_EQ(normal, (std::array<float, 3>{-3, 2, 6}));
    ASSERT_EQ(captura[9].tipo, TipoPrimitiva::Linha);
    EsperaVertices(captura[9], {{1, 2, 3}, {4, 5, 6}});
    EsperaCor(captura[9].vertices[0], 1, 0, 0);
    EXPECT_NEAR(captura[9].vertices[0].cor[3], 0.3f, 1e-6);
}

} // namespace
