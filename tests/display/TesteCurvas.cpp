#include "PontoDoArco.h"
#include "TesteGL.h"
#include "UExibe.h"

#include <array>
#include <cmath>
#include <random>
#include <tuple>

using namespace glteste;

namespace {

using Curvas = TesteGL;

// The distinct vertices of a fan, in the order they were sent: the hub, then the rim.
std::vector<VerticeCapturado> VerticesDoLeque(const std::vector<PrimitivaCapturada>& triangulos) {
    std::vector<VerticeCapturado> v;
    if (triangulos.empty()) return v;
    v = triangulos[0].vertices;
    for (std::size_t i = 1; i < triangulos.size(); ++i)
        v.push_back(triangulos[i].vertices[2]);
    return v;
}

// Expects a fan of n red vertices on the circle about c of radius r, from angle ini in steps.
void EsperaLeque(const std::vector<PrimitivaCapturada>& triangulos, std::array<double, 3> c,
                 double r, double ini, double passo, std::size_t n) {
    const auto v = VerticesDoLeque(triangulos);
    ASSERT_EQ(v.size(), n);
    for (std::size_t k = 0; k < n; ++k) {
        const double a = ini + static_cast<double>(k) * passo;
        EsperaVertice(v[k], c[0] + r * std::cos(a), c[1] + r * std::sin(a), c[2]);
        EsperaCor(v[k], 1, 0, 0);
    }
}

TEST_F(Curvas, ArcosEmPassosDe0157RadEmVermelho) {
    EsperaLeque(Captura([] { ExibeArcos(Lista({Arco(10, 20, 5, 2, 0, 90)})); }), {10, 20, 5}, 2, 0,
                0.157, 11);
    // Counter-clockwise from 350 through 0 to 10 degrees: three steps.
    EsperaLeque(Captura([] { ExibeArcos(Lista({Arco(0, 0, 0, 100, 350, 10)})); }), {0, 0, 0}, 100,
                350 * M_PI / 180, 0.157, 3);
}

TEST_F(Curvas, ArcoSemVarreduraOuSemCentroNaoDesenhaMasDefineOVermelho) {
    TArco semCentro = Arco(0, 0, 0, 1, 0, 90);
    semCentro.Centro.reset();
    glColor3f(0, 0, 1);
    EXPECT_TRUE(Captura([&] { ExibeArcos(Lista({Arco(0, 0, 0, 1, 45, 45), semCentro})); }).empty());
    std::array<float, 4> cor{};
    glGetFloatv(GL_CURRENT_COLOR, cor.data());
    EXPECT_EQ(std::tuple(cor[0], cor[1], cor[2]), std::tuple(1.0f, 0.0f, 0.0f));
}

TEST_F(Curvas, ArcoDeVarreduraEnormeParaNumaVolta) {
    // 1e30 degrees, and angles where a step of 0.157 no longer changes the angle.
    const auto captura = Captura([] {
        ExibeArcos(Lista({Arco(0, 0, 0, 1, 0, 1e30), Arco(0, 0, 0, 1, 1e25, 1e30)}));
    });
    EXPECT_EQ(captura.size(), 2 * (41u - 2));
}

// Fifteen vertices in steps of 6.28 / 14, red whatever their own colour; radius 0 included.
TEST_F(Curvas, CirculoTemQuinzeVerticesEmPassosDe628Sobre14) {
    TCirculo circulo, pontual;
    circulo.Centro = P(-3, 4, 7);
    circulo.Raio = 10;
    circulo.Cor = Cor(0, 1, 0);
    pontual.Centro = P(1, 1, 1);
    EsperaLeque(Captura([&] { ExibeCirculos(Lista({circulo})); }), {-3, 4, 7}, 10, 0, 6.28 / 14,
                15);
    EsperaLeque(Captura([&] { ExibeCirculos(Lista({pontual})); }), {1, 1, 1}, 0, 0, 1, 15);
}

// The arc's points from the double cosine and sine are the floats that the extended ones
// give: for angles over many turns, and for centres moved so that a coordinate falls
// exactly on, or a hair beside, the halfway point between two floats.
TEST(PontoDoArcoTeste, IgualAoCalculoComSenoECossenoEstendidos) {
    std::mt19937_64 sorteio(3);
    std::uniform_real_distribution<double> u(-1, 1);
    const auto estendido = [](long double x, long double y, long double r, long double a) {
        return std::array<float, 2>{static_cast<float>(x + r * std::cos(a)),
                                    static_cast<float>(y + r * std::sin(a))};
    };
    for (int i = 0; i < 100000; ++i) {
        const long double raio = Real(std::pow(10.0, 4 * u(sorteio)));
        const long double angulo = Real(40 * u(sorteio));
        long double x = Real(1000 * u(sorteio)), y = Real(1000 * u(sorteio));
        if (i % 2) {
            // Move the centre so that x + raio * cos lands beside a halfway point.
            const long double v = x + raio * std::cos(angulo);
            const float f = static_cast<float>(v);
            const long double meio =
                (static_cast<long double>(f) + std::nextafter(f, HUGE_VALF)) / 2;
            x += meio - v + std::ldexp(static_cast<long double>(u(sorteio)), -70 + i % 30);
        }
        ASSERT_EQ(PontoDoArco(x, y, raio, angulo), estendido(x, y, raio, angulo))
            << i << " " << static_cast<double>(x) << " " << static_cast<double>(angulo);
    }
}

} // namespace
