// Hatches decomposed: which islands each style fills, bulged and edge boundaries, the
// pattern's dashes clipped to the region, and the limits that keep a hostile hatch quick.

#include "Cena.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double Pi = 3.14159265358979323846;

TCaminhoDeHachura Polilinha(std::vector<TVerticeLeve> v) {
    TCaminhoDeHachura c;
    c.Flags = 2;
    c.Vertices = std::move(v);
    return c;
}

TArestaDeHachura Reta(double x0, double y0, double x1, double y1) {
    TArestaDeHachura a;
    a.A = {x0, y0, 0};
    a.B = {x1, y1, 0};
    return a;
}

TCaminhoDeHachura Quadrado(double a, double b) {
    TCaminhoDeHachura c;
    c.Arestas = {Reta(a, a, b, a), Reta(b, a, b, b), Reta(b, b, a, b), Reta(a, b, a, a)};
    return c;
}

// A 10 x 10 square whose bottom side bulges out in a half circle, a 6 x 6 island inside it
// (edges) and, inside that, a circle of radius 1 (one arc edge, stored clockwise).
THachura ComIlhas(int estilo) {
    THachura h;
    h.Camada = "0";
    h.Estilo = estilo;
    h.Caminhos.push_back(
        Polilinha({{0, 0, 0, 0, 1}, {10, 0, 0, 0, 0}, {10, 10, 0, 0, 0}, {0, 10, 0, 0, 0}}));
    h.Caminhos.push_back(Quadrado(2, 8));
    TArestaDeHachura circulo;
    circulo.Tipo = 2;
    circulo.A = {5, 5, 0};
    circulo.Raio = 1;
    circulo.AngIni = 0;
    circulo.AngFim = 360;
    circulo.AntiHorario = 0;
    TCaminhoDeHachura centro;
    centro.Arestas = {circulo};
    h.Caminhos.push_back(centro);
    return h;
}

TCena Decompoe(THachura h, const TOpcoesDaCena& opcoes = {}) {
    TDesenho d;
    d.Modelo.Hachuras.Add(std::move(h));
    return DecompoeDesenho(d, opcoes);
}

double AreaDosTriangulos(const TCena& c) {
    double area = 0;
    for (std::size_t i = 0; i + 2 < c.Triangulos.size(); i += 3) {
        const TVerticeCena &a = c.Triangulos[i], &b = c.Triangulos[i + 1], &d = c.Triangulos[i + 2];
        area += std::abs((b.X - a.X) * (d.Y - a.Y) - (d.X - a.X) * (b.Y - a.Y)) / 2;
    }
    return area;
}

TEST(CenaHachura, CadaEstiloPreencheSuasIlhas) {
    const double meia = Pi * 25 / 2, circulo = Pi;
    const struct {
        int Estilo;
        double Area;
    } casos[] = {{0, 100 + meia - 36 + circulo}, {1, 100 + meia - 36}, {2, 100 + meia}};
    for (const auto& caso : casos) {
        THachura h = ComIlhas(caso.Estilo);
        h.Solida = 1;
        const TCena c = Decompoe(h);
        EXPECT_NEAR(AreaDosTriangulos(c), caso.Area, 0.01 * caso.Area) << "style " << caso.Estilo;
        // Every path's length is measured, whatever the style fills.
        EXPECT_NEAR(c.Tipos.at("HATCH").Comprimento, 30 + 5 * Pi + 24 + 2 * Pi, 0.05);
        EXPECT_NEAR(c.ExtremosMedidos.Min[1], -5, 1e-3) << "the bulge's bottom";
        EXPECT_TRUE(c.Segmentos.empty()) << "a fill draws no outline";
    }
}

TEST(CenaHachura, PadraoTracejadoRecortadoPelaRegiaoComIlha) {
    THachura h;
    h.Camada = "0";
    h.Caminhos = {Quadrado(0, 10), Quadrado(3, 7)};
    TLinhaDePadrao l; // lines at 45 degrees, 1 apart, dashes of 0.5 every 1
    l.Angulo = 45;
    l.DeslX = -std::sqrt(0.5);
    l.DeslY = std::sqrt(0.5);
    l.Tracos = {0.5, -0.5};
    h.Linhas = {l};
    const TCena c = Decompoe(h);
    ASSERT_FALSE(c.Segmentos.empty());
    double comprimento = 0;
    for (std::size_t i = 0; i + 1 < c.Segmentos.size(); i += 2) {
        const TVerticeCena &a = c.Segmentos[i], &b = c.Segmentos[i + 1];
        comprimento += std::hypot(b.X - a.X, b.Y - a.Y);
        const double x = c.Origem[0] + (a.X + b.X) / 2, y = c.Origem[1] + (a.Y + b.Y) / 2;
        const bool naIlha = x > 3 + 1e-9 && x < 7 - 1e-9 && y > 3 + 1e-9 && y < 7 - 1e-9;
        EXPECT_TRUE(x >= -1e-6 && x <= 10 + 1e-6 && y >= -1e-6 && y <= 10 + 1e-6 && !naIlha)
            << "dash at " << x << ", " << y;
        EXPECT_LE(std::hypot(b.X - a.X, b.Y - a.Y), 0.5 + 1e-6);
    }
    // Lines 1 apart over 84 square units, half of them dashes.
    EXPECT_NEAR(comprimento, 84.0 / 2, 2.0);
}

TEST(CenaHachura, PadraoDensoDemaisMostraAFronteiraEDizQuePulou) {
    THachura h;
    h.Camada = "0";
    h.Caminhos = {Quadrado(0, 10)};
    TLinhaDePadrao l;
    l.DeslY = 1e-6;
    h.Linhas = {l};
    const TCena c = Decompoe(h);
    EXPECT_EQ(c.Segmentos.size(), 8u) << "the square's four sides";
    EXPECT_EQ(c.Ignorados.at("HATCH (padrão denso)"), 1);
}

TEST(CenaHachura, ArestasQueSeCruzamMilharesDeVezesTerminam) {
    std::mt19937 gerador(7);
    std::uniform_real_distribution<double> coordenada(0, 100);
    THachura h;
    h.Camada = "0";
    TCaminhoDeHachura caminho;
    for (int i = 0; i < 3000; ++i)
        caminho.Arestas.push_back(Reta(coordenada(gerador), coordenada(gerador),
                                       coordenada(gerador), coordenada(gerador)));
    h.Caminhos = {caminho};
    TLinhaDePadrao l;
    l.DeslY = 0.01;
    l.Tracos = {1e-12, -1e-9};
    h.Linhas = {l};
    TOpcoesDaCena opcoes;
    opcoes.LimiteDeVertices = 2'000'000;
    const TCena padrao = Decompoe(h, opcoes);
    EXPECT_EQ(padrao.Ignorados.count("HATCH (padrão denso)"), 1u);
    h.Solida = 1;
    h.Caminhos[0].Arestas.resize(600); // about 90,000 crossings for the tessellator
    const TCena solida = Decompoe(h, opcoes);
    EXPECT_GT(solida.Triangulos.size(), 0u);
}

} // namespace
