// Texts decomposed into placed glyphs: where an insertion and the OCS put them, a multiline
// text's direction, inline colours, hidden attributes and the characters measured.

#include "Cena.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TTexto Texto(const char* texto, double x, double y) {
    TTexto t;
    t.Camada = "0";
    t.Texto = texto;
    t.Ponto = {x, y, 0};
    t.Altura = 2;
    return t;
}

TEST(CenaTexto, InsercaoEOCSColocamOsGlifos) {
    TDesenho d;
    TBloco b;
    b.Nome = "ROTULO";
    b.Elementos.Textos.Add(Texto("HHH", 10, 0));
    d.Blocos.Add(std::move(b));
    TInsert ins; // scaled by 2 and turned a quarter: the text runs up the Y axis from (0, 20)
    ins.Camada = "0";
    ins.NomeBloco = "ROTULO";
    ins.Ponto = TPonto3D{0, 0, 0};
    ins.EscalaX = ins.EscalaY = ins.EscalaZ = 2;
    ins.Rotacao = 90;
    ins.Extrusao = TPonto3D{0, 0, 1};
    d.Modelo.Inserts.Add(ins);
    TTexto deBaixo = Texto("H", 5, 0); // extrusion -Z: the OCS's X is the world's -X
    deBaixo.Extrusao = {0, 0, -1};
    d.Modelo.Textos.Add(deBaixo);
    const TCena c = DecompoeDesenho(d);
    ASSERT_EQ(c.Instancias.size(), 4u);
    // The top level's text first, then the block's.
    const TInstanciaDeGlifo &espelhado = c.Instancias[0], &primeiro = c.Instancias[1];
    EXPECT_NEAR(c.Origem[0] + primeiro.O[0], 0, 1e-3);
    EXPECT_NEAR(c.Origem[1] + primeiro.O[1], 20, 1e-3);
    // One glyph unit is the capitals' height: 2 x 2, along +Y, and -X for its up.
    EXPECT_NEAR(primeiro.U[1], 4, 0.2);
    EXPECT_NEAR(primeiro.V[0], -4, 1e-3);
    EXPECT_NEAR(c.Instancias[3].O[1] - primeiro.O[1], 2 * (c.Instancias[2].O[1] - primeiro.O[1]),
                1e-3)
        << "evenly spaced";
    EXPECT_NEAR(c.Origem[0] + espelhado.O[0], -5, 1e-3);
    EXPECT_LT(espelhado.U[0], 0);
    EXPECT_EQ(c.Tipos.at("TEXT").N, 2);
    EXPECT_EQ(c.Tipos.at("TEXT").Caracteres, 4);
    EXPECT_TRUE(c.ExtremosMedidos.Vazia()) << "texts are left out of the measured extents";
    EXPECT_FALSE(c.Extremos.Vazia()) << "but framed";
}

TEST(CenaTexto, TextoMNaSuaDirecaoComCorPropriaEAtributoOculto) {
    TDesenho d;
    TTextoM m;
    m.Camada = "0";
    m.IndiceCor = 7;
    m.Texto = "A{\\C1;B}C";
    m.Ponto = {0, 0, 0};
    m.Altura = 1;
    m.Direcao = TPonto3D{0, 1, 0};
    d.Modelo.TextosM.Add(m);
    TTexto oculto = Texto("X", 0, 0);
    oculto.Atributo = true;
    oculto.FlagsAtributo = 1;
    d.Modelo.Textos.Add(oculto);
    const TCena c = DecompoeDesenho(d);
    ASSERT_EQ(c.Instancias.size(), 3u) << "the hidden attribute draws nothing";
    for (const TInstanciaDeGlifo& g : c.Instancias)
        EXPECT_NEAR(g.U[0], 0, 1e-6) << "along its direction, +Y";
    EXPECT_GT(c.Instancias[1].O[1], c.Instancias[0].O[1]);
    EXPECT_EQ((std::array{c.Instancias[1].R, c.Instancias[1].G, c.Instancias[1].B}),
              (std::array<std::uint8_t, 3>{255, 0, 0}));
    EXPECT_EQ((std::array{c.Instancias[2].R, c.Instancias[2].G, c.Instancias[2].B}),
              (std::array<std::uint8_t, 3>{255, 255, 255}))
        << "the group's colour ends with it";
    EXPECT_EQ(c.Tipos.at("MTEXT").Caracteres, 3);
    EXPECT_EQ(c.Tipos.count("ATTRIB"), 0u);
}

} // namespace
