// Where the paint places the camera, from the extents and the camera bars.

#include "PosicaoDaCamera.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

using Posicao = std::array<float, 3>;

TEST(PosicaoDaCamera, BarsRunTheCameraOverTheExtentsWithZMaxAddedOnZ) {
    const TExtremos e{0, 0, 0, 100, 50, 10};
    EXPECT_EQ(PosicaoDaCamera(e, 500, 500, 500), (Posicao{50, 25, 15}));
    EXPECT_EQ(PosicaoDaCamera(e, 0, 0, 0), (Posicao{0, 0, 10}));
    EXPECT_EQ(PosicaoDaCamera(e, 1000, 1000, 1000), (Posicao{100, 50, 20}));
    // The extra ZMax applies whatever ZMin is: Z runs from ZMin + ZMax to 2 * ZMax.
    const TExtremos acima{-10, -10, 20, 10, 10, 30};
    EXPECT_EQ(PosicaoDaCamera(acima, 500, 500, 0), (Posicao{0, 0, 50}));
    EXPECT_EQ(PosicaoDaCamera(acima, 500, 500, 1000), (Posicao{0, 0, 60}));
}

TEST(PosicaoDaCamera, FileWithoutPointsKeepsItsResetExtents) {
    const TExtremos vazio{50000, 50000, 50000, -50000, -50000, -50000};
    // The scale factors are -0.01 held as Reals, so the middle is 0 within rounding.
    const Posicao meio = PosicaoDaCamera(vazio, 500, 500, 500);
    EXPECT_NEAR(meio[0], 0, 1e-6);
    EXPECT_NEAR(meio[1], 0, 1e-6);
    EXPECT_EQ(meio[2], -50000);
    const Posicao canto = PosicaoDaCamera(vazio, 0, 1000, 0);
    EXPECT_EQ(canto[0], 50000);
    EXPECT_NEAR(canto[1], -50000, 1e-3);
    EXPECT_EQ(canto[2], 0);
}

// A flat drawing is seen from above at the distance of its largest span, and the Z bar
// still moves the camera along Z.
TEST(PosicaoDaCamera, AxisWithoutExtentTakesTheLargestOtherSpan) {
    const TExtremos plano{0, 0, 0, 100, 50, 0};
    EXPECT_EQ(PosicaoDaCamera(plano, 500, 500, 500), (Posicao{50, 25, 50}));
    EXPECT_EQ(PosicaoDaCamera(plano, 500, 500, 0), (Posicao{50, 25, 0}));
    EXPECT_EQ(PosicaoDaCamera(plano, 500, 500, 1000), (Posicao{50, 25, 100}));

    const TExtremos emPe{0, 7, 0, 20, 7, 80}; // a wall in the XZ plane
    EXPECT_EQ(PosicaoDaCamera(emPe, 500, 0, 500)[1], 7.0f);
    EXPECT_EQ(PosicaoDaCamera(emPe, 500, 1000, 500)[1], 87.0f);

    const TExtremos ponto{3, 4, 5, 3, 4, 5}; // every axis without extent: span 1
    EXPECT_EQ(PosicaoDaCamera(ponto, 500, 500, 500), (Posicao{3.5f, 4.5f, 10.5f}));
}

TEST(PosicaoDaCamera, ExtremeExtentsStayFinite) {
    // A span too small for its scale factor to be held counts as no extent.
    const TExtremos fino{0, 0, 0, 1e-37, 10, 10};
    EXPECT_EQ(PosicaoDaCamera(fino, 500, 500, 500)[0], 5.0f);

    // Twice the largest Real lies beyond the float range: held at the largest float.
    const long double maior = Real::Maior;
    const TExtremos enorme{0, 0, 0, 1, 1, maior};
    EXPECT_EQ(PosicaoDaCamera(enorme, 500, 500, 1000)[2], FLT_MAX);
    const TExtremos negativo{-maior, 0, -maior, maior, 1, -maior};
    const Posicao p = PosicaoDaCamera(negativo, 0, 0, 0);
    EXPECT_EQ(p[0], static_cast<float>(-maior));
    EXPECT_EQ(p[2], -FLT_MAX);
}

} // namespace
