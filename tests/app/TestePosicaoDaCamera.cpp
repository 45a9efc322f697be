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

} // namespace
