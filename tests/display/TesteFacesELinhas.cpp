#include "Ajuda.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using Faces = DesenhoGL;

// No colour gives grey-blue, the marker keeps the colour set before; three corners give one
// triangle, four two by the diagonal P0 P2 with the normal (P1 - P0) x (P2 - P0), not
// normalised; fewer draw nothing and set neither colour nor normal.
TEST_F(Faces, TriangulosCorENormalDeCadaFace) {
    const TFace3D quadrado = Face({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0)});
    auto comCor = quadrado, marcador = quadrado;
    comCor.Cor = TCor{0, 1, 0};
    marcador.Cor = CorDoIndice(255);
    const auto azul = TCor{0, 0, 1};
    const auto faces =
        Lista({marcador, comCor, marcador, Face({P(0, 0, 0), P(1, 0, 0), P(0, 1, 0)}),
               Face({P(0, 0, 0), P(2, 0, 1), P(2, 3, 0), P(0, 3, -1)}, TCor{0.25, 0.5, 0.75}),
               Face({P(5, 5, 0), P(6, 5, 0)}, azul), Face({}, azul)});

    glColor3f(0.2f, 0.3f, 0.4f); // what was set last before the list
    const auto captura = Captura([&] { ExibeFaces3D(faces); });
    ASSERT_EQ(captura.size(), 9u);
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
    std::array<float, 4> cor{};
    glGetFloatv(GL_CURRENT_COLOR, cor.data());
    EXPECT_EQ(cor[2], 0.75f);
    std::array<float, 3> normal{};
    glGetFloatv(GL_CURRENT_NORMAL, normal.data());
    EXPECT_EQ(normal, (std::array<float, 3>{-3, 2, 6}));
}

TEST_F(Faces, LinhasSempreVermelhasEQuemNaoTemPontoFicaDeFora) {
    TLinha linha{{}, P(1, 2, 3), P(4, 5, 6)}, semFim;
    linha.Cor = TCor{0, 1, 0};
    semFim.P1 = P(0, 0, 0);
    const auto captura = Captura([&] { ExibeLinhas(Lista({semFim, linha})); });
    ASSERT_EQ(captura.size(), 1u);
    ASSERT_EQ(captura[0].tipo, TipoPrimitiva::Linha);
    EsperaVertices(captura[0], {{1, 2, 3}, {4, 5, 6}});
    EsperaCor(captura[0].vertices[0], 1, 0, 0);
    EXPECT_NEAR(captura[0].vertices[0].cor[3], 0.3f, 1e-6);
}

} // namespace
