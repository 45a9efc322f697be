// Where the paint places the camera, from the extents and the camera bars.

#include "PosicaoDaCamera.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

using Posicao = std::array<float, 3>;

TEST(PosicaoDaCamera, BarsRunTheCameraOverTheExtentsWithZMaxAddedOnZ) {
    const TExtremos e{0, 0, 0, 100, 50, 10};
    EXPECT_EQ(PosicaoDaCamera(e, 0, 0, 0), (Posicao{0, 0, 10}));
    EXPECT_EQ(PosicaoDaCamera(e, 1000, 1000, 1000), (Posicao{100, 50, 20}));
    const TExtremos acima{-10, -10, 20, 10, 10, 30}; // Z from ZMin + ZMax to 2 * ZMax
    EXPECT_EQ(PosicaoDaCamera(acima, 500, 500, 0)[2], 50.0f);

    // A file without points keeps the reset extents: factors of -0.01, held as Reals.
    const TExtremos vazio{50000, 50000, 50000, -50000, -50000, -50000};
    const Posicao p = PosicaoDaCamera(vazio, 500, 0, 500);
    EXPECT_NEAR(p[0], 0, 1e-6);
    EXPECT_EQ(p[1], 50000);
    EXPECT_EQ(p[2], -50000);
}

// A flat drawing is seen from above at the distance of its largest span.
TEST(PosicaoDaCamera, AxisWithoutExtentTakesTheLargestOtherSpan) {
    const TExtremos plano{0, 0, 0, 100, 50, 0};
    EXPECT_EQ(PosicaoDaCamera(plano, 500, 500, 1000)[2], 100.0f); // 50 at the middle
    const TExtremos parede{0, 7, 0, 20, 7, 80};                   // in the XZ plane
    EXPECT_EQ(PosicaoDaCamera(parede, 500, 1000, 500)[1], 87.0f);
    const TExtremos ponto{3, 4, 5, 3, 4, 5}; // no axis has any: span 1
    EXPECT_EQ(PosicaoDaCamera(ponto, 500, 500, 500), (Posicao{3.5f, 4.5f, 10.5f}));
    // A span too small for its factor to be held counts as none.
    EXPECT_EQ(PosicaoDaCamera({0, 0, 0, 1e-37, 10, 10}, 500, 500, 500)[0], 5.0f);
}

TEST(PosicaoDaCamera, BeyondTheFloatRangeTheCameraStopsAtTheLargestFloat) {
    const long double maior = Real::Maior;
    EXPECT_EQ(PosicaoDaCamera({0, 0, 0, 1, 1, maior}, 0, 0, 1000)[2], FLT_MAX);
    EXPECT_EQ(PosicaoDaCamera({0, 0, -maior, 1, 1, -maior}, 0, 0, 0)[2], -FLT_MAX);
}

} // namespace
