#include "Curvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double Escalar(const TP3& a, const TP3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
TP3 Vetorial(const TP3& a, const TP3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dist(const TP3& a, const TP3& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}
double Dist(const TP2& a, const TP2& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1]);
}

template <class P> double Comprimento(const std::vector<P>& ps) {
    double l = 0;
    for (size_t i = 1; i < ps.size(); ++i)
        l += Dist(ps[i - 1], ps[i]);
    return l;
}
template <class P> bool Finitos(const std::vector<P>& ps) {
    for (const P& p : ps)
        for (double c : p)
            if (!std::isfinite(c)) return false;
    return true;
}
double AreaDosTriangulos(const std::vector<TP2>& t) {
    double a = 0;
    for (size_t i = 0; i + 2 < t.size(); i += 3)
        a += std::fabs((t[i + 1][0] - t[i][0]) * (t[i + 2][1] - t[i][1]) -
                       (t[i + 2][0] - t[i][0]) * (t[i + 1][1] - t[i][1])) /
             2;
    return a;
}

void EsperaOrtonormaisDestros(const std::array<TP3, 3>& e, const TP3& z) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(Escalar(e[i], e[i]), 1, 1e-12) << "axis " << i;
        EXPECT_NEAR(Escalar(e[i], e[(i + 1) % 3]), 0, 1e-12) << "axes " << i;
    }
    const TP3 x_y = Vetorial(e[0], e[1]);
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(x_y[c], e[2][c], 1e-12);
        EXPECT_NEAR(e[2][c], z[c], 1e-12);
    }
}

} // namespace

TEST(EixosOCS, SeguemARegraDoEixoArbitrario) {
    const auto mais = EixosOCS({0, 0, 5});
    EsperaOrtonormaisDestros(mais, {0, 0, 1});
    EXPECT_NEAR(mais[0][0], 1, 1e-15);

    // Looking from below, X turns round: an arc there is mirrored.
    const auto menos = EixosOCS({0, 0, -1});
    EsperaOrtonormaisDestros(menos, {0, 0, -1});
    EXPECT_NEAR(menos[0][0], -1, 1e-15);
    const TP3 p = DoOCS(menos, {1, 2, 3});
    EXPECT_NEAR(p[0], -1, 1e-15);
    EXPECT_NEAR(p[1], 2, 1e-15);
    EXPECT_NEAR(p[2], -3, 1e-15);

    // Oblique: X = Wz x N normalised.
    const double s = std::sqrt(14.0);
    const auto obliquo = EixosOCS({1, 2, 3});
    EsperaOrtonormaisDestros(obliquo, {1 / s, 2 / s, 3 / s});
    EXPECT_NEAR(obliquo[0][0], -2 / std::sqrt(5.0), 1e-12);
    EXPECT_NEAR(obliquo[0][1], 1 / std::sqrt(5.0), 1e-12);

    // Near Z (below 1/64 in X and Y): X = Wy x N, close to +X.
    const auto quaseZ = EixosOCS({0.01, 0.01, 1});
    EsperaOrtonormaisDestros(
        quaseZ, {0.01 / std::sqrt(1.0002), 0.01 / std::sqrt(1.0002), 1 / std::sqrt(1.0002)});
    EXPECT_NEAR(quaseZ[0][1], 0, 1e-15);
    EXPECT_GT(quaseZ[0][0], 0.99);

    for (TP3 ruim : {TP3{0, 0, 0}, TP3{NaN, 0, 1}, TP3{Inf, 0, 0}, TP3{1e-320, 0, 0}})
        EsperaOrtonormaisDestros(EixosOCS(ruim), {0, 0, 1});
    EsperaOrtonormaisDestros(EixosOCS({1e300, 1e300, 0}),
                             {1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0});
}

TEST(SegmentosDoArco, BastamParaATolerancia) {
    for (double raio : {0.001, 1.0, 1000.0, 1e9})
        for (double tol : {1e-6, 1e-3, 0.1}) {
            const int n = SegmentosDoArco(raio, Pi, tol, 1 << 30);
            // r (1 - cos(s/2)) written as 2 r sin^2(s/4), exact for tiny steps.
            auto flechaDe = [&](int m) { return 2 * raio * std::pow(std::sin(Pi / m / 4), 2); };
            const double flecha = flechaDe(n);
            EXPECT_LE(flecha, tol * (1 + 1e-9)) << raio << " " << tol;
            // Not wastefully many: one segment fewer would stray too far.
            if (n > 8) {
                EXPECT_GT(flechaDe(n - 1), tol);
            }
        }
    EXPECT_EQ(SegmentosDoArco(1, 2 * Pi, 10, 4096), 16);
    EXPECT_EQ(SegmentosDoArco(1, Pi / 2, 10, 4096), 4);
    EXPECT_EQ(SegmentosDoArco(1, 1e-9, 10, 4096), 1);
    EXPECT_EQ(SegmentosDoArco(1e9, 2 * Pi, 1e-9, 500), 500);
}

TEST(SegmentosDoArco, EntradaRuimDaUmNumeroLimitado) {
    for (double raio : {NaN, Inf, -1.0, 0.0, 1.0})
        for (double ang : {NaN, Inf, -Inf, 0.0, -1.0, 1e300})
            for (double tol : {NaN, Inf, -1.0, 0.0, 1e-300})
                for (int maximo : {-5, 0, 1, 4096}) {
                    const int n = SegmentosDoArco(raio, ang, tol, maximo);
                    EXPECT_GE(n, 1);
                    EXPECT_LE(n, std::max(1, maximo));
                }
}

TEST(PontosDoArco, FicamNoCirculoComOComprimentoCerto) {
    const TP2 c{10, -5};
    const double tol = 1e-3;
    for (double raio : {0.5, 3.0, 200.0}) {
        const auto ps = PontosDoArco(c, raio, 0, 2 * Pi, tol, 100000);
        ASSERT_GE(ps.size(), 17u);
        for (const TP2& p : ps)
            EXPECT_NEAR(Dist(p, c), raio, 1e-9 * raio);
        EXPECT_NEAR(Dist(ps.front(), ps.back()), 0, 1e-9);
        EXPECT_NEAR(Comprimento(ps), 2 * Pi * raio, 0.01 * 2 * Pi * raio);
        // Each chord's middle strays at most the tolerance.
        for (size_t i = 1; i < ps.size(); ++i) {
            const TP2 m{(ps[i][0] + ps[i - 1][0]) / 2, (ps[i][1] + ps[i - 1][1]) / 2};
            EXPECT_LE(raio - Dist(m, c), tol * (1 + 1e-6));
        }
    }
    // A partial arc from 30 to 120 degrees, both ends included.
    const auto arco = PontosDoArco({0, 0}, 2, Pi / 6, 2 * Pi / 3, 1e-2, 4096);
    EXPECT_NEAR(Dist(arco.front(), {2 * std::cos(Pi / 6), 2 * std::sin(Pi / 6)}), 0, 1e-12);
    EXPECT_NEAR(Dist(arco.back(), {2 * std::cos(2 * Pi / 3), 2 * std::sin(2 * Pi / 3)}), 0, 1e-12);
    EXPECT_NEAR(Comprimento(arco), Pi, 0.01 * Pi);
    // A coarse tolerance still gives 16 segments a turn: the length within 1 %.
    EXPECT_NEAR(Comprimento(PontosDoArco({0, 0}, 1, 0, 2 * Pi, 100, 4096)), 2 * Pi, 0.01 * 2 * Pi);
}

TEST(PontosDaElipse, FicamNaElipseComOComprimentoCerto) {
    // Major axis 4 along (1,1,0)/sqrt2, ratio 0.25, in the plane Z = 7.
    const double a = 4, b = 1;
    const TP3 c{1, 2, 7}, maior{a / std::sqrt(2.0), a / std::sqrt(2.0), 0};
    const auto ps = PontosDaElipse(c, maior, 0.25, {0, 0, 1}, 0, 2 * Pi, 1e-4, 100000);
    ASSERT_FALSE(ps.empty());
    const TP3 u{1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0}, v{-u[1], u[0], 0};
    for (const TP3& p : ps) {
        const TP3 d{p[0] - c[0], p[1] - c[1], p[2] - c[2]};
        const double x = Escalar(d, u) / a, y = Escalar(d, v) / b;
        EXPECT_NEAR(x * x + y * y, 1, 1e-9);
        EXPECT_NEAR(d[2], 0, 1e-12);
    }
    const double h = (a - b) * (a - b) / ((a + b) * (a + b));
    const double ramanujan = Pi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
    EXPECT_NEAR(Comprimento(ps), ramanujan, 0.01 * ramanujan);

    // Half an ellipse seen from below (normal -Z): the minor axis points to -Y.
    const auto metade = PontosDaElipse({0, 0, 0}, {2, 0, 0}, 0.5, {0, 0, -1}, 0, Pi, 1e-3, 4096);
    ASSERT_FALSE(metade.empty());
    EXPECT_NEAR(Dist(metade.front(), {2, 0, 0}), 0, 1e-12);
    EXPECT_NEAR(Dist(metade.back(), {-2, 0, 0}), 0, 1e-12);
    EXPECT_NEAR(Dist(metade[metade.size() / 2], {0, -1, 0}), 0, 1e-3);
}

TEST(PontosDaSpline, NurbsRacionalDaUmQuartoDeCirculo) {
    const double w = std::sqrt(2.0) / 2;
    const auto ps = PontosDaSpline(2, {0, 0, 0, 1, 1, 1}, {1, w, 1},
                                   {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {}, false, 1e-5, 10000);
    ASSERT_GE(ps.size(), 3u);
    for (const TP3& p : ps)
        EXPECT_NEAR(std::hypot(p[0], p[1]), 1, 1e-12);
    EXPECT_NEAR(Dist(ps.front(), {1, 0, 0}), 0, 1e-15);
    EXPECT_NEAR(Dist(ps.back(), {0, 1, 0}), 0, 1e-15);
    EXPECT_NEAR(Comprimento(ps), Pi / 2, 1e-4);
    // Fine enough for the tolerance: chord middles stay within it of the circle.
    for (size_t i = 1; i < ps.size(); ++i)
        EXPECT_LE(1 - std::hypot((ps[i][0] + ps[i - 1][0]) / 2, (ps[i][1] + ps[i - 1][1]) / 2),
                  1e-5 * 1.01);
}

TEST(PontosDaSpline, NosEPesosQueNaoServemDaoACurvaUniformePresa) {
    const std::vector<TP3> controle{{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 0}, {6, 1, 0}};
    const std::vector<double> bons{0, 0, 0, 0, 1, 2, 2, 2, 2};
    const auto referencia = PontosDaSpline(3, bons, {}, controle, {}, false, 1e-4, 4096);
    struct TCaso {
        const char* nome;
        int grau;
        std::vector<double> nos, pesos;
    };
    for (const TCaso& caso : std::vector<TCaso>{
             {"good knots, no weights", 3, bons, {}},
             {"knots missing", 3, {}, {1, 1, 1, 1, 1}},
             {"knots decreasing", 3, {0, 0, 0, 0, 2, 1, 2, 2, 2}, {}},
             {"knots NaN", 3, {0, 0, 0, 0, NaN, 2, 2, 2, 2}, {}},
             {"weights negative", 3, bons, {1, -1, 1, 1, 1}},
             {"weights zero, too few", 3, bons, {0, 1}},
             {"weights infinite", 3, bons, {1, Inf, 1, 1, 1}},
             {"degree far too high", 99, {}, {}},
             {"degree zero", 0, {}, {}},
         }) {
        const auto ps =
            PontosDaSpline(caso.grau, caso.nos, caso.pesos, controle, {}, false, 1e-4, 4096);
        ASSERT_GE(ps.size(), 2u) << caso.nome;
        EXPECT_TRUE(Finitos(ps)) << caso.nome;
        EXPECT_NEAR(Dist(ps.front(), controle.front()), 0, 1e-12) << caso.nome;
        EXPECT_NEAR(Dist(ps.back(), controle.back()), 0, 1e-12) << caso.nome;
        if (caso.grau == 3) {
            EXPECT_NEAR(Comprimento(ps), Comprimento(referencia), 1e-3) << caso.nome;
        }
    }
    // Degree 1: the control polygon itself.
    EXPECT_NEAR(Comprimento(PontosDaSpline(1, {}, {}, controle, {}, false, 1e-4, 4096)),
                Comprimento(controle), 1e-12);
}

TEST(PontosDaSpline, PassaPelosPontosDeAjuste) {
    const std::vector<TP3> ajuste{{0, 0, 0}, {1, 1, 0}, {3, 1, 0}, {4, 0, 2}, {5, 2, 0}};
    auto passaPor = [](const std::vector<TP3>& ps, const TP3& q) {
        double d = Inf;
        for (const TP3& p : ps)
            d = std::min(d, Dist(p, q));
        return d;
    };
    const auto aberta = PontosDaSpline(3, {}, {}, {}, ajuste, false, 1e-4, 4096);
    ASSERT_GE(aberta.size(), 5u);
    for (const TP3& q : ajuste)
        EXPECT_NEAR(passaPor(aberta, q), 0, 1e-12);
    EXPECT_NEAR(Dist(aberta.front(), ajuste.front()), 0, 1e-12);
    EXPECT_NEAR(Dist(aberta.back(), ajuste.back()), 0, 1e-12);
    // Smooth, not the polygon: longer than it, but not by much.
    EXPECT_GT(Comprimento(aberta), Comprimento(ajuste));
    EXPECT_LT(Comprimento(aberta), 1.2 * Comprimento(ajuste));

    const auto fechada = PontosDaSpline(3, {}, {}, {}, ajuste, true, 1e-4, 4096);
    for (const TP3& q : ajuste)
        EXPECT_NEAR(passaPor(fechada, q), 0, 1e-12);
    EXPECT_NEAR(Dist(fechada.front(), fechada.back()), 0, 1e-12);

    // Fit points on a circle give the circle back closely.
    std::vector<TP3> circulo;
    for (int i = 0; i < 12; ++i)
        circulo.push_back({5 * std::cos(i * Pi / 6), 5 * std::sin(i * Pi / 6), 0});
    const auto redonda = PontosDaSpline(3, {}, {}, {}, circulo, true, 1e-4, 4096);
    for (const TP3& p : redonda)
        EXPECT_NEAR(std::hypot(p[0], p[1]), 5, 5e-3);
    EXPECT_NEAR(Comprimento(redonda), 10 * Pi, 1e-3 * 10 * Pi);

    // The end tangents estimated from the points as CAD programs do: the length an
    // independent interpolation (ezdxf's fit_points_to_cad_cv) gives these points.
    const auto cad =
        PontosDaSpline(3, {}, {}, {}, {{0, 0, 0}, {3, 4, 0}, {7, 4, 0}, {8, 9, 0}, {12, 10, 0}},
                       false, 1e-6, 100000);
    EXPECT_NEAR(Comprimento(cad), 18.802574558606654, 1e-5);
    EXPECT_NEAR(std::atan2(cad[1][1], cad[1][0]), std::atan2(16.820423205425023, 7.008509668927093),
                1e-2);

    // Two points: the straight line.
    const auto reta = PontosDaSpline(3, {}, {}, {}, {{0, 0, 0}, {3, 4, 0}}, false, 1e-4, 4096);
    EXPECT_NEAR(Comprimento(reta), 5, 1e-12);
}

TEST(Curvas, EntradaRuimNaoDaPontoNaoFinitoNemSaidaSemLimite) {
    const std::vector<double> ruins{NaN, Inf, -Inf, 0, -1, 1e308, -1e308, 1e-320};
    const int maximo = 300;
    for (double x : ruins) {
        for (double y : {1.0, x}) {
            const auto arco = PontosDoArco({x, 0}, y, 0, x, x, maximo);
            EXPECT_TRUE(Finitos(arco));
            EXPECT_LE(arco.size(), maximo + 1u);
            const auto elipse = PontosDaElipse({0, x, 0}, {y, x, 0}, x, {x, 0, y}, x, y, x, maximo);
            EXPECT_TRUE(Finitos(elipse));
            EXPECT_LE(elipse.size(), maximo + 1u);
            const auto spline =
                PontosDaSpline(static_cast<int>(std::fmin(std::fmax(x, -1e9), 1e9)), {0, x, y, 1},
                               {x, y}, {{0, 0, 0}, {x, y, 0}, {1, 1, 1}},
                               {{x, 0, 0}, {0, y, 0}, {1, 1, 1}}, true, x, maximo);
            EXPECT_TRUE(Finitos(spline));
            EXPECT_LE(spline.size(), static_cast<size_t>(maximo));
            const auto ajuste =
                PontosDaSpline(3, {}, {}, {}, {{x, 0, 0}, {0, y, 0}, {1, 1, 1}, {1e308, -1e308, 0}},
                               false, x, maximo);
            EXPECT_TRUE(Finitos(ajuste));
            const auto t = TracaPolilinha({{{0, 0}, x, y, x},
                                           {{x, 1}, y, 1, 1},
                                           {{1e308, -1e308}, 1e300, 1, 1},
                                           {{1, 1}, 1e-300, 0, x}},
                                          true, x, maximo);
            EXPECT_TRUE(Finitos(t.Linha));
            EXPECT_TRUE(Finitos(t.Triangulos));
            EXPECT_TRUE(std::isfinite(t.Comprimento) && std::isfinite(t.Area));
        }
    }
    // Many control points and a tiny tolerance: still at most `maximo` points.
    std::vector<TP3> muitos;
    for (int i = 0; i < 100000; ++i)
        muitos.push_back({double(i), double(i % 7), 0});
    EXPECT_LE(PontosDaSpline(3, {}, {}, muitos, {}, false, 1e-12, maximo).size(), size_t(maximo));
    // ... and an absurd degree over them ends quickly (the test's timeout) with a curve.
    EXPECT_GE(PontosDaSpline(1 << 30, {}, {}, muitos, {}, false, 1e-12, maximo).size(), 2u);
    EXPECT_LE(PontosDaSpline(3, {}, {}, {}, muitos, true, 1e-12, maximo).size(), size_t(maximo));
    // A polyline of many wide half circles with a tiny tolerance: the whole trace within
    // max(maximo, 16 pieces a segment), not maximo for each arc.
    for (int vertices : {100, 1000}) {
        std::vector<TVertice2D> bulges;
        for (int i = 0; i < vertices; ++i)
            bulges.push_back({{double(i), 0}, 1, 0.5, 0.5});
        const auto t = TracaPolilinha(bulges, true, 1e-12, 4096);
        const size_t pecas = std::max(4096, 16 * vertices);
        EXPECT_LE(t.Linha.size(), pecas + 1) << vertices;
        EXPECT_LE(t.Triangulos.size(), 6 * pecas) << vertices;
        // Unit half circles, and the closing one of radius (vertices - 1) / 2.
        EXPECT_NEAR(t.Area, 0.5 * Pi * (vertices - 1), 1e-9 * vertices) << vertices;
    }
    // Empty inputs.
    EXPECT_TRUE(PontosDaSpline(3, {}, {}, {}, {}, false, 1e-3, 100).empty());
    EXPECT_TRUE(TracaPolilinha({}, true, 1e-3, 100).Linha.empty());
    EXPECT_TRUE(TracaPolilinha({{{1, 1}, 1, 1, 1}}, true, 1e-3, 100).Linha.empty());
}

TEST(TracaPolilinha, BulgesSaoArcosNoSentidoCerto) {
    // bulge 1 from (0,0) to (2,0): a half circle of length pi, counter-clockwise, below.
    const auto meia = TracaPolilinha({{{0, 0}, 1}, {{2, 0}}}, false, 1e-4, 4096);
    EXPECT_NEAR(meia.Comprimento, Pi, 1e-12);
    EXPECT_NEAR(Comprimento(meia.Linha), Pi, 0.01 * Pi);
    for (const TP2& p : meia.Linha) {
        EXPECT_NEAR(Dist(p, {1, 0}), 1, 1e-12);
        EXPECT_LE(p[1], 1e-12);
    }
    EXPECT_NEAR(Dist(meia.Linha.back(), {2, 0}), 0, 0);
    EXPECT_TRUE(meia.Triangulos.empty());
    EXPECT_EQ(meia.Area, 0);

    // Negative: clockwise, above. A quarter circle (bulge tan(pi/8)) through (1, 1 - sqrt2)... .
    const auto horaria = TracaPolilinha({{{0, 0}, -1}, {{2, 0}}}, false, 1e-4, 4096);
    for (const TP2& p : horaria.Linha)
        EXPECT_GE(p[1], -1e-12);
    const double b = std::tan(Pi / 8); // 90 degrees: radius sqrt2 for a chord of 2
    const auto quarto = TracaPolilinha({{{0, 0}, b}, {{2, 0}}}, false, 1e-4, 4096);
    EXPECT_NEAR(quarto.Comprimento, std::sqrt(2.0) * Pi / 2, 1e-12);
    for (const TP2& p : quarto.Linha)
        EXPECT_NEAR(Dist(p, {1, 1}), std::sqrt(2.0), 1e-12);

    // Two vertices with bulge 1, closed: a whole circle through the closing segment.
    const auto circulo = TracaPolilinha({{{0, 0}, 1}, {{2, 0}, 1}}, true, 1e-4, 4096);
    EXPECT_NEAR(circulo.Comprimento, 2 * Pi, 1e-12);
    EXPECT_NEAR(Comprimento(circulo.Linha), 2 * Pi, 0.01 * 2 * Pi);
    EXPECT_EQ(circulo.Linha.front(), circulo.Linha.back());
    // Open, the last vertex's bulge is not used.
    EXPECT_NEAR(TracaPolilinha({{{0, 0}, 1}, {{2, 0}, 1}}, false, 1e-4, 4096).Comprimento, Pi,
                1e-12);
}

TEST(TracaPolilinha, LargurasSaoFaixasComAreaCerta) {
    // A square 10 x 10, closed; the closing segment takes the last vertex's width 2.
    const auto quadrado =
        TracaPolilinha({{{0, 0}}, {{10, 0}}, {{10, 10}}, {{0, 10}, 0, 2, 2}}, true, 1e-3, 4096);
    EXPECT_NEAR(quadrado.Comprimento, 30, 1e-12);
    EXPECT_NEAR(quadrado.Area, 20, 1e-12);
    EXPECT_NEAR(AreaDosTriangulos(quadrado.Triangulos), 20, 1e-9);
    EXPECT_EQ(quadrado.Linha.front(), quadrado.Linha.back());
    EXPECT_NEAR(Comprimento(quadrado.Linha), 40, 1e-12);
    for (const TP2& p : quadrado.Triangulos) // the strip lies along X = 0
        EXPECT_NEAR(std::fabs(p[0]), 1, 1e-12);

    // Tapering from 4 to 0 over 5: a triangle's area 10, and its tip at the end.
    const auto ponta = TracaPolilinha({{{0, 0}, 0, 4, 0}, {{5, 0}}}, false, 1e-3, 4096);
    EXPECT_NEAR(ponta.Area, 10, 1e-12);
    EXPECT_NEAR(AreaDosTriangulos(ponta.Triangulos), 10, 1e-9);
    EXPECT_EQ(ponta.Comprimento, 0);

    // A wide half circle of radius 1 (width 0.5 constant, then 0.5 to 1.5): its area is the
    // mean width times the arc's length, the strip lies across the arc.
    const auto anel = TracaPolilinha({{{0, 0}, 1, 0.5, 0.5}, {{2, 0}}}, false, 1e-4, 4096);
    EXPECT_NEAR(anel.Area, 0.5 * Pi, 1e-12);
    EXPECT_NEAR(AreaDosTriangulos(anel.Triangulos), 0.5 * Pi, 0.01 * 0.5 * Pi);
    for (const TP2& p : anel.Triangulos)
        EXPECT_NEAR(std::fabs(Dist(p, {1, 0}) - 1), 0.25, 1e-9);
    const auto cunha = TracaPolilinha({{{0, 0}, 1, 0.5, 1.5}, {{2, 0}}}, false, 1e-4, 4096);
    EXPECT_NEAR(cunha.Area, Pi, 1e-12);
    EXPECT_NEAR(AreaDosTriangulos(cunha.Triangulos), Pi, 0.01 * Pi);
}

TEST(TracaPolilinha, FaixasRetasSeJuntamEmEsquadria) {
    auto tem = [](const std::vector<TP2>& pontos, TP2 p) {
        return std::any_of(pontos.begin(), pontos.end(),
                           [&](const TP2& q) { return Dist(p, q) < 1e-12; });
    };
    // A closed square of width 2: every corner mitred, the closing one too.
    const auto quadrado = TracaPolilinha(
        {{{0, 0}, 0, 2, 2}, {{10, 0}, 0, 2, 2}, {{10, 10}, 0, 2, 2}, {{0, 10}, 0, 2, 2}}, true,
        1e-3, 4096);
    for (TP2 canto : {TP2{-1, -1}, TP2{11, -1}, TP2{11, 11}, TP2{-1, 11}, TP2{1, 1}, TP2{9, 9}})
        EXPECT_TRUE(tem(quadrado.Triangulos, canto)) << canto[0] << ", " << canto[1];
    EXPECT_NEAR(quadrado.Area, 12 * 12 - 8 * 8, 1e-9);
    EXPECT_NEAR(AreaDosTriangulos(quadrado.Triangulos), 12 * 12 - 8 * 8, 1e-9);

    // An open path keeps square ends; a bend of under two degrees keeps each strip's own ends.
    const auto quase =
        TracaPolilinha({{{0, 0}, 0, 2, 2}, {{10, 0}, 0, 2, 2}, {{20, 0.1}}}, false, 1e-3, 4096);
    for (TP2 canto : {TP2{0, 1}, TP2{0, -1}, TP2{10, 1}, TP2{10, -1}})
        EXPECT_TRUE(tem(quase.Triangulos, canto)) << canto[0] << ", " << canto[1];
}
