// Picking: the element drawn nearest to a world point, found by decomposing again only the
// elements whose box holds it, named with its kind, block, effective layer and colour.

#include "Escolha.h"

#include <gtest/gtest.h>

namespace {

TCamada Camada(const char* nome, int cor) {
    TCamada c;
    c.Nome = nome;
    c.IndiceCor = cor;
    return c;
}

TLinha Linha(const char* camada, TP3 a, TP3 b, int cor = 256) {
    TLinha l;
    l.Camada = camada;
    l.IndiceCor = static_cast<std::int16_t>(cor);
    l.P1 = TPonto3D{a[0], a[1], a[2]};
    l.P2 = TPonto3D{b[0], b[1], b[2]};
    return l;
}

TFace3D Quadrado(const char* camada, double x, double y, double lado) {
    TFace3D f;
    f.Camada = camada;
    for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
        f.Pontos.Add(TPonto3D{x + dx * lado, y + dy * lado, 0});
    return f;
}

std::optional<TElementoEscolhido> Escolhe(const TDesenho& d, const TCena& cena, TP3 p,
                                          double raio = 0.1,
                                          std::function<bool(std::size_t)> oculta = {}) {
    if (!oculta) oculta = [](std::size_t) { return false; };
    return EscolheElemento(d, {}, cena, p, raio, oculta);
}

TEST(Escolha, OElementoMaisPertoDentroDoRaioComSuaCamadaECor) {
    TDesenho d;
    d.Camadas.Add(Camada("PAREDES", 3));
    d.Modelo.Linhas.Add(Linha("EIXOS", {0, 0, 0}, {10, 0, 0}, 1));
    d.Modelo.Faces3D.Add(Quadrado("PAREDES", 20, 0, 10));
    d.Modelo.Linhas.Add(Linha("EIXOS", {0, 0.5, 0}, {10, 0.5, 0}, 2)); // beside the first
    const TCena cena = DecompoeDesenho(d);

    auto e = Escolhe(d, cena, {4, 0.05, 0});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "LINE");
    EXPECT_EQ(e->Camada, "EIXOS") << "a layer the table lacks";
    EXPECT_EQ(e->Cor, "1 (vermelho)");
    EXPECT_NEAR(e->Distancia, 0.05, 1e-9);
    e = Escolhe(d, cena, {4, 0.4, 0}, 0.5);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Cor, "2 (amarelo)") << "the nearer of two within the radius";

    e = Escolhe(d, cena, {25, 5, 0.01});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "3DFACE");
    EXPECT_EQ(e->Camada, "PAREDES");
    EXPECT_EQ(e->Cor, "PorCamada: 3 (verde)");
    EXPECT_EQ(e->CorResolvida, (TRGB{0, 255, 0}));

    EXPECT_FALSE(Escolhe(d, cena, {15, 0, 0})) << "between them, beyond the radius";
    EXPECT_FALSE(Escolhe(d, cena, {25, 5, 1})) << "above the face";
}

TEST(Escolha, DentroDeBlocoPeloQueOInsereNoLugarQueOCSEEscalaDao) {
    TDesenho d;
    TBloco b;
    b.Nome = "PORTA";
    b.Elementos.Linhas.Add(Linha("0", {0, 0, 0}, {1, 0, 0}, 0)); // ByBlock, on layer 0
    TTexto t;
    t.Camada = "ROTULOS";
    t.Texto = "HHH";
    t.Ponto = {0, 1, 0};
    t.Altura = 0.5;
    b.Elementos.Textos.Add(t);
    d.Blocos.Add(std::move(b));
    // Scaled by 2 and turned a quarter in the OCS of -Z, whose X is the world's -X: the
    // block's X runs along the world's +Y and its Y along +X.
    TInsert ins;
    ins.Camada = "PORTAS";
    ins.IndiceCor = 5;
    ins.NomeBloco = "PORTA";
    ins.Ponto = TPonto3D{-10, 0, 0}; // in the OCS of -Z: world x 10
    ins.EscalaX = ins.EscalaY = ins.EscalaZ = 2;
    ins.Rotacao = 90;
    ins.Extrusao = TPonto3D{0, 0, -1};
    ins.ExtrusaoLida = true;
    d.Modelo.Inserts.Add(ins);
    const TCena cena = DecompoeDesenho(d);

    // The line runs from world (10, 0) to (10, 2); the text, 1 high, up +Y from (12, 0).
    auto e = Escolhe(d, cena, {10, 1.5, 0});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "LINE");
    EXPECT_EQ(e->Bloco, "PORTA");
    EXPECT_EQ(e->Camada, "PORTAS") << "layer 0 takes the insertion's";
    EXPECT_EQ(e->Cor, "PorBloco");
    EXPECT_EQ(e->CorResolvida, (TRGB{0, 0, 255}));
    e = Escolhe(d, cena, {12.5, 0.3, 0});
    ASSERT_TRUE(e) << "inside the first glyph's box";
    EXPECT_EQ(e->Tipo, "TEXT");
    EXPECT_EQ(e->Camada, "ROTULOS");
    EXPECT_FALSE(Escolhe(d, cena, {-10, 1, 0})) << "where the OCS left out would put it";
}

TEST(Escolha, CamadaOcultaNaoEhEscolhida) {
    TDesenho d;
    d.Camadas.Add(Camada("A", 1));
    d.Camadas.Add(Camada("B", 2));
    d.Modelo.Linhas.Add(Linha("A", {0, 0, 0}, {10, 0, 0}));
    d.Modelo.Linhas.Add(Linha("b", {0, 0, 0}, {10, 0, 0})); // its name in another case
    const TCena cena = DecompoeDesenho(d);
    EXPECT_EQ(Escolhe(d, cena, {5, 0, 0})->Camada, "A") << "the first drawn of two alike";
    const auto e = Escolhe(d, cena, {5, 0, 0}, 0.1, [](std::size_t i) { return i == 0; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Camada, "B");
    EXPECT_FALSE(Escolhe(d, cena, {5, 0, 0}, 0.1, [](std::size_t) { return true; }));
}

TEST(Escolha, CotaELiderSaoElesMesmosECoordenadasGrandesGuardamAPrecisao) {
    TDesenho d;
    TBloco b;
    b.Nome = "*D1";
    b.Elementos.Linhas.Add(Linha("0", {5e6, 5e6 + 1, 0}, {5e6 + 10, 5e6 + 1, 0}));
    d.Blocos.Add(std::move(b));
    TCota cota;
    cota.Camada = "COTAS";
    cota.NomeBloco = "*D1";
    d.Modelo.Cotas.Add(cota);
    TLider lider;
    lider.Camada = "NOTAS";
    lider.Vertices.push_back(TPonto3D{5e6, 5e6 + 3, 0});
    lider.Vertices.push_back(TPonto3D{5e6 + 10, 5e6 + 3, 0});
    d.Modelo.Lideres.Add(lider);
    d.Modelo.Linhas.Add(Linha("0", {5e6, 5e6, 0}, {5e6 + 10, 5e6, 0}));
    const TCena cena = DecompoeDesenho(d);
    auto e = Escolhe(d, cena, {5e6 + 5, 5e6 + 1, 0}, 1e-3);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "DIMENSION");
    EXPECT_EQ(e->Camada, "COTAS");
    EXPECT_EQ(e->Bloco, "") << "a dimension's block is its own";
    e = Escolhe(d, cena, {5e6 + 5, 5e6 + 3, 0}, 1e-3);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "LEADER");
    // A millimetre off the line, seven digits away from the origin of the world.
    e = Escolhe(d, cena, {5e6 + 5, 5e6 + 0.001, 0}, 0.0015);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipo, "LINE");
    EXPECT_NEAR(e->Distancia, 0.001, 1e-6);
}

TEST(Escolha, DistanciaAoTrianguloEmCadaRegiaoDoPlano) {
    const TP3 a{0, 0, 0}, b{4, 0, 0}, c{0, 4, 0};
    EXPECT_NEAR(DistanciaAoTriangulo({1, 1, 2}, a, b, c), 2, 1e-12) << "above the inside";
    EXPECT_NEAR(DistanciaAoTriangulo({-3, -4, 0}, a, b, c), 5, 1e-12) << "past a corner";
    EXPECT_NEAR(DistanciaAoTriangulo({2, -1, 0}, a, b, c), 1, 1e-12) << "past an edge";
    EXPECT_NEAR(DistanciaAoTriangulo({3, 3, 0}, a, b, c), std::sqrt(2.0), 1e-12)
        << "past the long edge";
    EXPECT_NEAR(DistanciaAoTriangulo({5, 1, 0}, a, b, b), std::sqrt(2.0), 1e-12)
        << "a triangle with no area is its longest side";
}

} // namespace
