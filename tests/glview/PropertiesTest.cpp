#include "ViewTesting.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

// The current value (or NaN) is silent, a new one notifies once and is kept. Writing the fog's
// colour copies it in and always notifies; writing its own colour object does not.
TEST(PropertyWrites, EqualOrNaNIsSilentNewValueNotifiesOnceOutOfRangeIsRefused) {
    constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
    TOGLVector vector;
    TOGLCoordinates axes;
    TOGLFog fog;
    TCounter counter;
    vector.OnChange = axes.OnChange = fog.OnChange = counter.Event();
    vector.SetZ(0);
    vector.SetX(NaN);
    axes.SetColorY(clGreen);
    fog.SetMode(fmExp);
    fog.SetDensity(NaN);
    EXPECT_EQ(counter.count, 0);
    vector.SetZ(3);
    vector.SetZ(3);
    axes.SetColorY(clWhite);
    fog.SetMode(fmExp2);
    EXPECT_EQ(counter.count, 3);
    EXPECT_EQ(counter.sender, &fog);
    EXPECT_EQ(std::tuple(vector.Z(), vector.X(), axes.ColorY(), fog.Mode(), fog.Density()),
              std::tuple(3.0f, 0.0f, clWhite, fmExp2, 1.0f));

    TOGLColor color;
    color.SetColor(clRed);
    fog.SetColor(color);
    fog.Color().SetColor(clBlue);
    EXPECT_EQ(std::pair(counter.count, color.Color()), std::pair(4, clRed));

    // The camera refuses writes out of range; its own and its vectors' accepted changes notify
    // once each, with the camera as sender.
    TOGLCamera camera;
    camera.OnChange = counter.Event();
    for (float angle : {180.0f, 180.5f, -1.0f})
        camera.SetViewAngle(angle);
    EXPECT_EQ(camera.ViewAngle(), 180.0f);
    camera.SetViewAngle(0);
    camera.SetViewNear(0);
    camera.SetViewNear(-0.5f);
    camera.SetViewFar(0.01f); // below ViewNear, still accepted
    EXPECT_EQ(std::tuple(camera.ViewAngle(), camera.ViewNear(), camera.ViewFar()),
              std::tuple(0.0f, 0.1f, 0.01f));
    camera.SetViewNear(2);
    camera.Position().SetX(0); // unchanged
    camera.Position().SetX(4);
    camera.Rotation().SetZ(30);
    EXPECT_EQ(std::pair(camera.ViewNear(), counter.count), std::pair(2.0f, 10));
    EXPECT_EQ(counter.sender, &camera);
}

} // namespace
