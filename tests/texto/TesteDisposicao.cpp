// TEXT placed as CAD programs place it: alignments, stretching between two points, mirrors.

#include "Disposicao.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TFontes& Fontes() {
    static TFontes f;
    return f;
}

int Arial() {
    return Fontes().Face({"arial.ttf", "", false, false});
}

// The drawn triangles' extents in the plane: xmin, ymin, xmax, ymax.
std::array<double, 4> Tinta(const TDisposicao& d) {
    std::array<double, 4> c{1e300, 1e300, -1e300, -1e300};
    for (const auto& g : d.Glifos)
        for (const auto& p : Fontes().Glifo(g.Face, g.Caractere).Triangulos) {
            const auto& m = g.Matriz;
            const double x = m[0] * p[0] + m[1] * p[1] + m[2], y = m[3] * p[0] + m[4] * p[1] + m[5];
            c = {std::min(c[0], x), std::min(c[1], y), std::max(c[2], x), std::max(c[3], y)};
        }
    return c;
}

TTextoSimples Texto(int h, int v) {
    TTextoSimples t;
    t.Texto = U"HIH";
    t.Altura = 2;
    t.AlinhamentoH = h;
    t.AlinhamentoV = v;
    t.Ponto1 = {-50, -50}; // ignored but for left/baseline and the stretched kinds
    t.Ponto2 = std::array<double, 2>{10, 20};
    return t;
}

TEST(Texto, EsquerdaNaLinhaDeBaseEmPonto1) {
    auto t = Texto(0, 0);
    t.Ponto1 = {10, 20};
    const auto d = DispoeTexto(Fontes(), Arial(), t);
    ASSERT_EQ(d.Glifos.size(), 3u);
    const auto c = Tinta(d);
    EXPECT_NEAR(c[1], 20, 1e-3); // capitals sit on the baseline
    EXPECT_NEAR(c[3], 22, 1e-2); // and are as tall as the height
    EXPECT_NEAR(c[0], 10, 0.3);  // starting at the point, less the side bearing
    EXPECT_GT(c[0], 10);
    EXPECT_NEAR(d.Caixa[0][0], 10, 1e-9);
    EXPECT_NEAR(d.Caixa[1][0], 10 + d.Largura, 1e-9);
    // Each glyph follows the advances before it; the box spans them all.
    const double h = Fontes().Glifo(Arial(), 'H').Avanco, i = Fontes().Glifo(Arial(), 'I').Avanco;
    EXPECT_NEAR(d.Glifos[2].Matriz[2], 10 + 2 * (h + i), 1e-6);
    EXPECT_NEAR(d.Largura, 2 * (2 * h + i), 1e-6);
}

TEST(Texto, CentroDireitaMeioTopoBaseNoPonto2) {
    const double desc = Fontes().Descendente(Arial()) * 2;
    const auto centro = DispoeTexto(Fontes(), Arial(), Texto(1, 0));
    EXPECT_NEAR((centro.Caixa[0][0] + centro.Caixa[1][0]) / 2, 10, 1e-9);
    EXPECT_NEAR(Tinta(centro)[1], 20, 1e-3);
    const auto direita = DispoeTexto(Fontes(), Arial(), Texto(2, 0));
    EXPECT_NEAR(direita.Caixa[1][0], 10, 1e-9);
    const auto meio = DispoeTexto(Fontes(), Arial(), Texto(4, 0));
    const auto tm = Tinta(meio);
    EXPECT_NEAR((tm[1] + tm[3]) / 2, 20, 1e-2); // the capitals' middle
    EXPECT_NEAR((tm[0] + tm[2]) / 2, 10, 0.05);
    const auto topo = DispoeTexto(Fontes(), Arial(), Texto(0, 3));
    EXPECT_NEAR(Tinta(topo)[3], 20, 1e-2);
    EXPECT_NEAR(topo.Caixa[0][0], 10, 1e-9);
    const auto meioV = DispoeTexto(Fontes(), Arial(), Texto(2, 2));
    EXPECT_NEAR(Tinta(meioV)[1], 19, 1e-2);
    EXPECT_NEAR(meioV.Caixa[1][0], 10, 1e-9);
    const auto base = DispoeTexto(Fontes(), Arial(), Texto(0, 1));
    EXPECT_NEAR(Tinta(base)[1], 20 + desc, 1e-2); // the descender line at the point
    EXPECT_NEAR(base.Caixa[0][1], 20, 1e-9);
}

// The pen's start and end along the baseline, and the glyphs' height vector's length.
struct TLinha {
    std::array<double, 2> Inicio, Fim;
    double Altura;
};
TLinha LinhaDe(const TDisposicao& d) {
    const auto& p = d.Glifos.front().Matriz;
    const auto& u = d.Glifos.back();
    const double avanco = Fontes().Glifo(u.Face, u.Caractere).Avanco;
    const auto& m = u.Matriz;
    return {{p[2], p[5]}, {m[0] * avanco + m[2], m[3] * avanco + m[5]}, std::hypot(p[1], p[4])};
}

TEST(Texto, AlinhadoEAjustadoEntreOsDoisPontos) {
    auto t = Texto(3, 0);
    t.Ponto1 = {0, 0};
    t.Ponto2 = std::array<double, 2>{30, 40};
    t.RotacaoGraus = 10; // the two points say the rotation
    const auto alinhado = LinhaDe(DispoeTexto(Fontes(), Arial(), t));
    EXPECT_NEAR(alinhado.Inicio[0], 0, 1e-9);
    EXPECT_NEAR(alinhado.Fim[0], 30, 1e-6);
    EXPECT_NEAR(alinhado.Fim[1], 40, 1e-6);
    t.AlinhamentoH = 5;
    const auto ajustado = LinhaDe(DispoeTexto(Fontes(), Arial(), t));
    EXPECT_NEAR(ajustado.Fim[0], 30, 1e-6);
    EXPECT_NEAR(ajustado.Fim[1], 40, 1e-6);
    EXPECT_NEAR(ajustado.Altura, 2, 1e-9); // fit keeps the height
    // Aligned scales the height as it scales the width.
    const double largura = DispoeTexto(Fontes(), Arial(), Texto(0, 0)).Largura;
    EXPECT_NEAR(alinhado.Altura, 2 * 50 / largura, 1e-6);
}

TEST(Texto, RotacaoLarguraObliquoEEspelhos) {
    auto t = Texto(0, 0);
    t.Ponto1 = {0, 0};
    const double largura = DispoeTexto(Fontes(), Arial(), t).Largura;
    t.FatorLargura = 0.5;
    EXPECT_NEAR(DispoeTexto(Fontes(), Arial(), t).Largura, largura / 2, 1e-9);
    t.FatorLargura = 1;
    t.RotacaoGraus = 90;
    const auto c = Tinta(DispoeTexto(Fontes(), Arial(), t));
    EXPECT_NEAR(c[0], -2, 1e-2); // turned left: the capitals' top at x = -h
    EXPECT_NEAR(c[3], largura, 0.3);
    t.RotacaoGraus = 0;
    const double reto = Tinta(DispoeTexto(Fontes(), Arial(), t))[2];
    t.ObliquoGraus = 45; // the capitals' top leans right by their height
    EXPECT_NEAR(Tinta(DispoeTexto(Fontes(), Arial(), t))[2], reto + 2, 1e-2);
    t.ObliquoGraus = 0;
    t.EspelhoX = true; // backwards: reads leftwards from the point
    const auto espelhado = Tinta(DispoeTexto(Fontes(), Arial(), t));
    EXPECT_LT(espelhado[2], 0);
    EXPECT_NEAR(espelhado[0], -largura, 0.3);
    t.EspelhoX = false;
    t.EspelhoY = true; // upside down: hangs below the baseline
    EXPECT_NEAR(Tinta(DispoeTexto(Fontes(), Arial(), t))[1], -2, 1e-2);
}

TEST(Texto, AlturaNulaOuAbsurdaNaoDesenha) {
    auto t = Texto(0, 0);
    for (double h : {0.0, -1.0, std::nan("")}) {
        t.Altura = h;
        EXPECT_TRUE(DispoeTexto(Fontes(), Arial(), t).Glifos.empty()) << h;
    }
    t.Altura = 1;
    t.FatorLargura = 1e300;
    t.ObliquoGraus = 90;
    for (const double v : Tinta(DispoeTexto(Fontes(), Arial(), t)))
        EXPECT_TRUE(std::isfinite(v));
}

} // namespace
