#include "Ajuda.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using Insercoes = DesenhoGL;

// Scaled (each axis its own factor), turned about the extrusion axis, then moved to the point.
// A missing block (names match exactly) skips only its insertion; one without a point stands
// at the origin.
TEST_F(Insercoes, PontoGiroEEscalaPosicionamOBloco) {
    auto bloco = Bloco("B");
    bloco.LinhasBloco.Add({{}, P(0, 0, 0), P(1, 1, 1)});
    Blocos = Lista({bloco});
    auto insercao = Insercao("B", P(10, 20, 3));
    insercao.Rotacao = 90;
    insercao.Extrusao = P(0, 0, 1);
    insercao.EscalaX = 2;
    insercao.EscalaY = 3;
    insercao.EscalaZ = 5;
    Inserts = Lista({insercao, Insercao("b"), Insercao("B", std::nullopt)});

    const GLint antes = ProfundidadeDaPilha();
    const auto captura = Captura([] { ExibeInserts(); });
    EXPECT_EQ(ProfundidadeDaPilha(), antes);
    ASSERT_EQ(captura.size(), 2u);
    EsperaVertices(captura[0], {{10, 20, 3}, {7, 22, 8}});
    EsperaVertices(captura[1], {{0, 0, 0}, {1, 1, 1}});
}

// The block's lists in order: faces, lines, arcs, polylines, circles. The insertion's colour
// reaches only faces with the marker that come before another colour; lines stay red.
TEST_F(Insercoes, ListasDoBlocoEmOrdemECorDaInsercao) {
    const auto quadrado = {P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0)};
    auto bloco = Bloco("B", {Face(quadrado, CorDoIndice(255)), Face(quadrado, TCor{0, 0, 1}),
                             Face(quadrado, CorDoIndice(255))});
    bloco.LinhasBloco.Add({{}, P(0, 0, 0), P(1, 0, 0)});
    bloco.ArcosBloco.Add(Arco(100, 0, 0, 1, 0, 20)); // three vertices: one triangle
    bloco.CirculosBloco.Add({{}, P(300, 0, 0), 1});
    bloco.PolyLinesBloco.Add(
        Malha({P(200, 0, 0), P(201, 0, 0), P(200, 1, 0)}, {Registro(1, 2, 3)}));
    bloco.PolyLinesBloco.Add(Malha({P(250, 0, 0), P(251, 0, 0)}, {}, 0)); // a plain one
    Blocos = Lista({bloco});
    auto insercao = Insercao("B");
    insercao.Cor = TCor{0, 1, 0};
    Inserts = Lista({insercao});

    const auto captura = Captura([] { ExibeInserts(); });
    ASSERT_EQ(captura.size(), 6u + 1u + 1u + 1u + 13u);
    EsperaCor(captura[0].vertices[0], 0, 1, 0);
    EsperaCor(captura[2].vertices[0], 0, 0, 1);
    EsperaCor(captura[4].vertices[0], 0, 0, 1);
    EsperaCor(captura[6].vertices[0], 1, 0, 0);
    EXPECT_NEAR(captura[7].vertices[0].x, 101, 1e-3);
    EXPECT_NEAR(captura[8].vertices[0].x, 200, 1e-3);
    EXPECT_NEAR(captura[9].vertices[0].x, 301, 1e-3);
    // Asked for, the plain one follows the mesh as a line.
    const auto comLinhas = Captura([] { ExibeInserts(TPolilinhas::Todas); });
    ASSERT_EQ(comLinhas.size(), captura.size() + 1);
    EsperaVertices(comLinhas[9], {{250, 0, 0}, {251, 0, 0}});
}

} // namespace
