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

namespace {

// With the drawing sent relative to O, the turn still turns about the world origin:
// M * (p - O) + O = R * p, R turning about Z first, then Y, then X. Without a turn the
// translation is exactly 0.
TEST(PosicaoDaCamera, DrawingTurnsAboutTheWorldOriginWhateverTheLocalOrigin) {
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
