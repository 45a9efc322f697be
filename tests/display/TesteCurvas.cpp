#include "Ajuda.h"
#include "PontoDoArco.h"
#include "UExibe.h"

#include <cmath>
#include <functional>
#include <random>

using namespace glteste;

namespace {

using Curvas = DesenhoGL;

// Arcs in steps of 0.157 rad counter-clockwise (through 0 when the end is below the start),
// circles of fifteen vertices in steps of 6.28 / 14: fans in red whatever their own colour,
// which they set even when nothing is drawn.
TEST_F(Curvas, ArcosECirculosSaoLequesVermelhos) {
    TArco semCentro = Arco(0, 0, 0, 1, 0, 90);
    semCentro.Centro.reset();
    auto verde = TCirculo{{}, P(-3, 4, 7), 10};
    verde.Cor = TCor{0, 1, 0};
    const auto arcos = [](std::initializer_list<TArco> a) {
        return [l = Lista(a)] { ExibeArcos(l); };
    };
    const auto circulo = [](TCirculo c) { return [=] { ExibeCirculos(Lista({c})); }; };
    // The drawing; the fan's centre, radius, first angle (degrees), step and vertex count.
    const struct {
        std::function<void()> desenho;
        std::array<double, 3> centro;
        double raio, inicio, passo;
        std::size_t vertices;
    } casos[] = {
        {arcos({Arco(10, 20, 5, 2, 0, 90)}), {10, 20, 5}, 2, 0, 0.157, 11},
        {arcos({Arco(0, 0, 0, 100, 350, 10)}), {0, 0, 0}, 100, 350, 0.157, 3},
        // A sweep of 1e30 degrees stops after one turn of steps.
        {arcos({Arco(0, 0, 0, 1, 0, 1e30)}), {0, 0, 0}, 1, 0, 0.157, 41},
        {arcos({Arco(0, 0, 0, 1, 45, 45), semCentro}), {}, 0, 0, 0, 0},
        {circulo(verde), {-3, 4, 7}, 10, 0, 6.28 / 14, 15},
        {circulo({{}, P(1, 1, 1), 0}), {1, 1, 1}, 0, 0, 1, 15},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(&c - casos);
        glColor3f(0, 0, 1);
        const auto leque = Captura(c.desenho);
        // The distinct vertices, in the order they were sent: the hub, then the rim.
        std::vector<VerticeCapturado> v;
        for (std::size_t i = 0; i < leque.size(); ++i)
            v.insert(v.end(), leque[i].vertices.begin() + (i == 0 ? 0 : 2),
                     leque[i].vertices.end());
        ASSERT_EQ(v.size(), c.vertices);
        for (std::size_t k = 0; k < v.size(); ++k) {
            const double a = c.inicio * M_PI / 180 + static_cast<double>(k) * c.passo;
            EsperaVertice(v[k], c.centro[0] + c.raio * std::cos(a),
                          c.centro[1] + c.raio * std::sin(a), c.centro[2]);
            EsperaCor(v[k], 1, 0, 0);
        }
        std::array<float, 4> cor{};
        glGetFloatv(GL_CURRENT_COLOR, cor.data());
        EXPECT_EQ(cor, (std::array<float, 4>{1, 0, 0, 1}));
    }
    // Angles where a step of 0.157 no longer changes the angle also stop after one turn.
    EXPECT_EQ(Captura([] { ExibeArcos(Lista({Arco(0, 0, 0, 1, 1e25, 1e30)})); }).size(), 41u - 2);
}

// The arc's points from the double cosine and sine are the floats that the extended ones
// give: for angles over many turns, and for centres moved so that a coordinate falls
// exactly on, or a hair beside, the halfway point between two floats.
TEST(PontoDoArco, IgualAoCalculoComSenoECossenoEstendidos) {
    std::mt19937_64 sorteio(3);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int i = 0; i < 100000; ++i) {
        const long double raio = Real(std::pow(10.0, 4 * u(sorteio)));
        const long double angulo = Real(40 * u(sorteio));
        long double x = Real(1000 * u(sorteio)), y = Real(1000 * u(sorteio));
        if (i % 2) {
            const long double v = x + raio * std::cos(angulo);
            const float f = static_cast<float>(v);
            const long double meio =
                (static_cast<long double>(f) + std::nextafter(f, HUGE_VALF)) / 2;
            x += meio - v + std::ldexp(static_cast<long double>(u(sorteio)), -70 + i % 30);
        }
        const std::array<float, 2> estendido{static_cast<float>(x + raio * std::cos(angulo)),
                                             static_cast<float>(y + raio * std::sin(angulo))};
        ASSERT_EQ(PontoDoArco(x, y, raio, angulo), estendido) << i;
    }
}

} // namespace
