#include "Ajuda.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using Insercoes = DesenhoGL;

// Scaled (each axis its own factor), turned about the extrusion axis, then moved to the point.
// A missing block (names match exactly) skips only its insertion; one without a point stands
// at the origin. The block's lists in order: faces, lines, arcs, polylines, circles; the
// insertion's colour reaches only faces with the marker that come before another colour.
TEST_F(Insercoes, PosicaoListasECorDoBloco) {
    auto linha = Bloco("B");
    linha.Elementos.Linhas.Add({{}, P(0, 0, 0), P(1, 1, 1)});
    const auto quadrado = {P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0)};
    auto bloco = Bloco("C", {Face(quadrado, CorDoIndice(255)), Face(quadrado, TCor{0, 0, 1}),
                             Face(quadrado, CorDoIndice(255))});
    bloco.Elementos.Linhas.Add({{}, P(0, 0, 0), P(1, 0, 0)});
    bloco.Elementos.Arcos.Add(Arco(100, 0, 0, 1, 0, 20)); // three vertices: one triangle
    bloco.Elementos.Circulos.Add({{}, P(300, 0, 0), 1});
    bloco.Elementos.PolyLines.Add(
        Malha({P(200, 0, 0), P(201, 0, 0), P(200, 1, 0)}, {Registro(1, 2, 3)}));
    bloco.Elementos.PolyLines.Add(Malha({P(250, 0, 0), P(251, 0, 0)}, {}, 0)); // a plain one
    Blocos = Lista({linha, bloco});
    auto movida = Insercao("B", P(10, 20, 3)), colorida = Insercao("C");
    movida.Rotacao = 90;
    movida.Extrusao = P(0, 0, 1);
    movida.EscalaX = 2;
    movida.EscalaY = 3;
    movida.EscalaZ = 5;
    colorida.Cor = TCor{0, 1, 0};
    Inserts = Lista({movida, Insercao("b"), Insercao("B", std::nullopt), colorida});

    const GLint antes = ProfundidadeDaPilha();
    const auto captura = Captura([] { ExibeInserts(); });
    EXPECT_EQ(ProfundidadeDaPilha(), antes);
    ASSERT_EQ(captura.size(), 2u + 6u + 1u + 1u + 1u + 13u);
    EsperaVertices(captura[0], {{10, 20, 3}, {7, 22, 8}});
    EsperaVertices(captura[1], {{0, 0, 0}, {1, 1, 1}});
    EsperaCor(captura[2].vertices[0], 0, 1, 0);
    EsperaCor(captura[4].vertices[0], 0, 0, 1);
    EsperaCor(captura[6].vertices[0], 0, 0, 1);
    EsperaCor(captura[8].vertices[0], 1, 0, 0);
    EXPECT_NEAR(captura[9].vertices[0].x, 101, 1e-3);
    EXPECT_NEAR(captura[10].vertices[0].x, 200, 1e-3);
    EXPECT_NEAR(captura[11].vertices[0].x, 301, 1e-3);
    // Asked for, the plain one follows the mesh as a line.
    const auto comLinhas = Captura([] { ExibeInserts(TPolilinhas::Todas); });
    ASSERT_EQ(comLinhas.size(), captura.size() + 1);
    EsperaVertices(comLinhas[11], {{250, 0, 0}, {251, 0, 0}});
}

} // namespace
