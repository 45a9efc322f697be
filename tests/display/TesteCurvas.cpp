#include "PontoDoArco.h"
#include "TesteGL.h"
#include "UExibe.h"

#include <cmath>
#include <random>
#include <set>
#include <tuple>

using namespace glteste;

namespace {

using Curvas = TesteGL;

TArco Arco(Real x, Real y, Real z, Real raio, Real ini, Real fim) {
    TArco arco;
    arco.Centro = P(x, y, z);
    arco.Raio = raio;
    arco.AngIni = ini;
    arco.AngFim = fim;
    return arco;
}

// The distinct vertices of a fan, in the order they were sent: the hub, then the rim.
std::vector<VerticeCapturado> VerticesDoLeque(const std::vector<PrimitivaCapturada>& triangulos) {
    std::vector<VerticeCapturado> v;
    if (triangulos.empty()) return v;
    v = triangulos[0].vertices;
    for (std::size_t i = 1; i < triangulos.size(); ++i)
        v.push_back(triangulos[i].vertices[2]);
    return v;
}

TEST_F(Curvas, ArcoDeZeroANoventaGrausTemOnzeVertices) {
    const auto captura = Captura([] { ExibeArcos(Lista({Arco(10, 20, 5, 2, 0, 90)})); });
    const auto v = VerticesDoLeque(captura);
    ASSERT_EQ(v.size(), 11u);
    for (int k = 0; k < 11; ++k) {
        EsperaVertice(v[k], 10 + 2 * std::cos(k * 0.157), 20 + 2 * std::sin(k * 0.157), 5);
        EsperaCor(v[k], 1, 0, 0);
    }
}

TEST_F(Curvas, ArcoQuePassaPorZeroGrausEhDesenhado) {
    // Counter-clockwise from 350 to 10 degrees: 20 degrees, three steps of 0.157 rad.
    const auto captura = Captura([] { ExibeArcos(Lista({Arco(0, 0, 0, 100, 350, 10)})); });
    const auto v = VerticesDoLeque(captura);
    ASSERT_EQ(v.size(), 3u);
    const double ini = 350 * M_PI / 180;
    for (int k = 0; k < 3; ++k)
        EsperaVertice(v[k], 100 * std::cos(ini + k * 0.157), 100 * std::sin(ini + k * 0.157), 0);
}

TEST_F(Curvas, ArcoSemVarreduraOuSemCentroNaoDesenhaMasDefineOVermelho) {
    TArco semCentro = Arco(0, 0, 0, 1, 0, 90);
    semCentro.Centro.reset();
    glColor3f(0, 0, 1);
    const auto captura = Captura([&] { ExibeArcos(Lista({Arco(0, 0, 0, 1, 45, 45), semCentro})); });
    EXPECT_TRUE(captura.empty());
    float cor[4];
    glGetFloatv(GL_CURRENT_COLOR, cor);
    EXPECT_EQ(cor[0], 1);
    EXPECT_EQ(cor[2], 0);
}

TEST_F(Curvas, ArcoDeVarreduraEnormeParaNumaVolta) {
    // 1e30 degrees, and angles where a step of 0.157 no longer changes the angle.
    const auto captura = Captura([] {
        ExibeArcos(Lista({Arco(0, 0, 0, 1, 0, 1e30), Arco(0, 0, 0, 1, 1e25, 1e30)}));
    });
    EXPECT_EQ(captura.size(), 2 * (41u - 2));
}

TEST_F(Curvas, CirculoTemQuinzeVerticesEmPassosDe628Sobre14) {
    TCirculo circulo;
    circulo.Centro = P(-3, 4, 7);
    circulo.Raio = 10;
    circulo.Cor = Cor(0, 1, 0);
    const auto captura = Captura([&] { ExibeCirculos(Lista({circulo})); });
    const auto v = VerticesDoLeque(captura);
    ASSERT_EQ(v.size(), 15u);
    for (int k = 0; k < 15; ++k) {
        const double a = k * 6.28 / 14;
        EsperaVertice(v[k], -3 + 10 * std::cos(a), 4 + 10 * std::sin(a), 7);
        EsperaCor(v[k], 1, 0, 0);
    }
}

TEST_F(Curvas, CirculoDeRaioZeroTemQuinzeVerticesIguais) {
    TCirculo circulo;
    circulo.Centro = P(1, 1, 1);
    const auto captura = Captura([&] { ExibeCirculos(Lista({circulo})); });
    EXPECT_EQ(VerticesDoLeque(captura).size(), 15u);
    for (const auto& t : captura)
        for (const auto& v : t.vertices)
            EsperaVertice(v, 1, 1, 1);
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
