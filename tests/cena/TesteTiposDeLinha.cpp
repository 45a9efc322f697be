// Line types laid along curves: by layer, by block and the element's own, at $LTSCALE times
// the element's scale, running on round a polyline's vertices.

#include "Cena.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Drawn length of the scene's segments and the number of its dots.
double Desenhado(const TCena& c) {
    double l = 0;
    for (std::size_t i = 0; i + 1 < c.Segmentos.size(); i += 2) {
        const TVerticeCena &a = c.Segmentos[i], &b = c.Segmentos[i + 1];
        l += std::hypot(b.X - a.X, b.Y - a.Y, b.Z - a.Z);
    }
    return l;
}

TDesenho ComTracejado() {
    TDesenho d;
    d.TiposDeLinha.push_back({"Tracejado", 4, {Real(3), Real(-1)}}); // 3 drawn of every 4
    d.TiposDeLinha.push_back({"PONTOS", 1, {Real(0), Real(-1)}});
    TCamada camada;
    camada.Nome = "TRACOS";
    camada.TipoDeLinha = "TRACEJADO";
    d.Camadas.Add(camada);
    return d;
}

TCirculo Circulo(const char* camada, const char* tipo, float escala = 1) {
    TCirculo c;
    c.Camada = camada;
    c.TipoDeLinha = tipo;
    c.EscalaTipoDeLinha = escala;
    c.Centro = TPonto3D{0, 0, 0};
    c.Raio = 100;
    return c;
}

TEST(CenaTipoDeLinha, PelaCamadaPeloBlocoOuProprio) {
    const double volta = 2 * Pi * 100;
    const struct {
        const char* Nome;
        TCirculo Circulo;
        double Fracao;
    } casos[] = {{"by layer", Circulo("TRACOS", ""), 0.75},
                 {"BYLAYER on a continuous layer", Circulo("0", "BYLAYER"), 1},
                 {"its own, any case", Circulo("0", "tracejado"), 0.75},
                 {"CONTINUOUS on a dashed layer", Circulo("TRACOS", "CONTINUOUS"), 1},
                 {"an unknown name", Circulo("0", "NENHUM"), 1}};
    for (const auto& caso : casos) {
        TDesenho d = ComTracejado();
        d.Modelo.Circulos.Add(caso.Circulo);
        const TCena c = DecompoeDesenho(d);
        EXPECT_NEAR(Desenhado(c), volta * caso.Fracao, 0.02 * volta) << caso.Nome;
        EXPECT_NEAR(c.Tipos.at("CIRCLE").Comprimento, volta, 0.01 * volta) << caso.Nome;
    }
    // ByBlock: the insertion's line type.
    TDesenho d = ComTracejado();
    TBloco b;
    b.Nome = "B";
    b.Elementos.Circulos.Add(Circulo("0", "BYBLOCK"));
    d.Blocos.Add(std::move(b));
    TInsert ins;
    ins.Camada = "TRACOS";
    ins.NomeBloco = "B";
    ins.Ponto = TPonto3D{0, 0, 0};
    d.Modelo.Inserts.Add(ins);
    EXPECT_NEAR(Desenhado(DecompoeDesenho(d)), volta * 0.75, 0.02 * volta) << "by block";
}

TEST(CenaTipoDeLinha, EscalaGeralVezesADoElementoEPontos) {
    TDesenho d = ComTracejado();
    d.EscalaTipoDeLinha = 2;
    TPolyLineLeve p; // a 10 x 10 square: the pattern runs on round its corners
    p.Camada = "0";
    p.TipoDeLinha = "TRACEJADO";
    p.EscalaTipoDeLinha = 0.35f; // 2 x 0.35: dashes of 2.1 every 2.8
    p.Flags = 1;
    for (auto [x, y] : {std::pair{0, 0}, {10, 0}, {10, 10}, {0, 10}})
        p.Vertices.push_back({x, y, 0, 0, 0});
    d.Modelo.PolyLinesLeves.Add(p);
    const TCena c = DecompoeDesenho(d);
    EXPECT_NEAR(Desenhado(c), 14 * 2.1 + 0.8, 1e-4);
    EXPECT_EQ(c.Segmentos.size(), 2u * (15 + 3)) << "15 dashes, three of them bent at a corner";

    TDesenho pontos = ComTracejado();
    TLinha l;
    l.Camada = "0";
    l.TipoDeLinha = "PONTOS";
    l.P1 = TPonto3D{0, 0, 0};
    l.P2 = TPonto3D{10, 0, 0};
    pontos.Modelo.Linhas.Add(l);
    const TCena cp = DecompoeDesenho(pontos);
    EXPECT_EQ(cp.Pontos.size(), 11u);
    EXPECT_TRUE(cp.Segmentos.empty());
}

} // namespace
