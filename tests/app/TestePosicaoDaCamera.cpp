// Where the paint places the camera, from the extents and the camera bars.

#include "PosicaoDaCamera.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

// X and Y run over the extents, Z from ZMin + ZMax to 2 * ZMax. An axis without extent takes
// the largest other span (1 when none has any), so a flat drawing is seen from above; a span
// too small for its factor to be held counts as none. Beyond the float range the camera stops
// at the largest float.
TEST(PosicaoDaCamera, BarrasLevamACameraPelosExtremos) {
    const long double maior = Real::Maior;
    const struct {
        TExtremos e;
        int x, y, z;
        std::array<float, 3> posicao;
    } casos[] = {
        {{0, 0, 0, 100, 50, 10}, 0, 0, 0, {0, 0, 10}},
        {{0, 0, 0, 100, 50, 10}, 1000, 1000, 1000, {100, 50, 20}},
        {{-10, -10, 20, 10, 10, 30}, 500, 500, 0, {0, 0, 50}},
        // A file without points keeps the reset extents: factors of -0.01, held as Reals.
        {{50000, 50000, 50000, -50000, -50000, -50000}, 500, 0, 500, {0, 50000, -50000}},
        {{0, 0, 0, 100, 50, 0}, 500, 500, 1000, {50, 25, 100}},
        {{0, 7, 0, 20, 7, 80}, 500, 1000, 500, {10, 87, 120}},
        {{3, 4, 5, 3, 4, 5}, 500, 500, 500, {3.5f, 4.5f, 10.5f}},
        {{0, 0, 0, 1e-37, 10, 10}, 500, 500, 500, {5, 5, 15}},
        {{0, 0, 0, 1, 1, maior}, 0, 0, 1000, {0, 0, FLT_MAX}},
        {{0, 0, -maior, 1, 1, -maior}, 0, 0, 0, {0, 0, -FLT_MAX}},
    };
    for (const auto& c : casos) {
        const auto p = PosicaoDaCamera(c.e, c.x, c.y, c.z);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(p[i], c.posicao[i], 1e-6) << &c - casos << " " << i;
    }
}

// With the drawing sent relative to O, the turn still turns about the world origin:
// M * (p - O) + O = R * p, R turning about Z first, then Y, then X. Without a turn the
// translation is exactly 0.
TEST(PosicaoDaCamera, DesenhoGiraEmTornoDaOrigemDoMundoQualquerQueSejaAOrigemLocal) {
    const std::array<double, 3> o{650000, 7300000, 30}, p{1, 2, 3};
    const std::vector<std::pair<std::array<double, 3>, std::array<double, 3>>> casos{
        {{0, 0, 0}, {1, 2, 3}},   {{90, 0, 0}, {1, -3, 2}}, {{0, 90, 0}, {3, 2, -1}},
        {{0, 0, 90}, {-2, 1, 3}}, {{90, 90, 0}, {3, 1, 2}}, {{90, 0, 90}, {-2, -3, 1}},
    };
    for (const auto& [giro, esperado] : casos) {
        const auto m = GiroDoDesenho(giro[0], giro[1], giro[2], o);
        for (int l = 0; l < 3; ++l) {
            double v = m[12 + l] + o[l];
            for (int c = 0; c < 3; ++c)
                v += m[4 * c + l] * (p[c] - o[c]);
            EXPECT_NEAR(v, esperado[l], 1e-6) << giro[0] << "," << giro[1] << "," << giro[2];
        }
    }
    const auto semGiro = GiroDoDesenho(0, 0, 0, o);
    EXPECT_EQ((std::array{semGiro[12], semGiro[13], semGiro[14]}), (std::array{0.0, 0.0, 0.0}));
}

} // namespace
