#include "Counter.h"
#include "OGLCam.h"
#include "OGLClass.h"
#include "OGLDescription.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

// The write rule of every published property: the current value is silent, a new value
// notifies once and is kept.
template <class O, class V, class G>
void ExpectWriteRule(O& object, void (O::*set)(V), G get, V current, V next) {
    SCOPED_TRACE(object.ClassName());
    TCounter counter;
    object.OnChange = counter.Event();
    (object.*set)(current);
    EXPECT_EQ(counter.count, 0);
    (object.*set)(next);
    (object.*set)(next);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ((object.*get)(), next);
    EXPECT_EQ(counter.sender, &object);
}

TEST(PropertyWrites, EqualOrNaNIsSilentAndNewValueNotifiesOnce) {
    TOGLVector vector;
    TOGLColor color;
    TOGLCoordinates axes;
    TOGLFog fog;
    ExpectWriteRule(vector, &TOGLVector::SetZ, &TOGLVector::Z, 0.0f, 3.0f);
    ExpectWriteRule(color, &TOGLColor::SetColor, &TOGLColor::Color, clBlack, clRed);
    ExpectWriteRule(axes, &TOGLCoordinates::SetColorY, &TOGLCoordinates::ColorY, TColor{0x008000},
                    clWhite);
    ExpectWriteRule(fog, &TOGLFog::SetMode, &TOGLFog::Mode, fmExp, fmExp2);

    constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
    TCounter counter;
    fog.OnChange = vector.OnChange = counter.Event();
    fog.SetDensity(NaN);
    vector.SetX(NaN);
    EXPECT_EQ(counter.count, 0);
    EXPECT_EQ(std::pair(fog.Density(), vector.X()), std::pair(1.0f, 0.0f));

    // Writing the fog's colour copies it in and always notifies; its own colour object does not.
    fog.SetColor(color);
    EXPECT_EQ(counter.count, 1);
    fog.Color().SetColor(clBlue);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(color.Color(), clRed);
}

// Writes out of range are refused; the camera's own and its vectors' accepted changes notify
// once each, with the camera as sender; a whole vector written notifies even when equal.
TEST(PropertyWrites, CameraRefusesOutOfRangeValues) {
    TOGLCamera camera;
    TCounter counter;
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
    EXPECT_EQ(std::pair(camera.ViewNear(), counter.count), std::pair(2.0f, 6));
    EXPECT_EQ(counter.sender, &camera);
    TOGLPosition other;
    other.CopyFrom(&camera.Position());
    camera.SetPosition(other);
    other.SetZ(9);
    camera.SetRotation(other); // a position into the rotation is accepted
    EXPECT_EQ(std::pair(camera.Rotation().Z(), counter.count), std::pair(9.0f, 8));
}

// From an object of the same class every value is copied with one notification, even when
// equal, and the receiver keeps its own handler; from another class or none, nothing.
TEST(CopyFrom, SameClassCopiesEveryValueOnceAndKeepsTheReceiversHandler) {
    TOGLFog source;
    CarregaDescricao(
        "object Fog1: TOGLFog\n Enabled = True\n Mode = fmLinear\n Density = 0.5\n"
        " StartDepth = 2\n EndDepth = 7\n Color.Color = $123456\n Quality = quFastest\nend",
        {{"Fog1", &source}});
    TCounter sourceOwner, receiverOwner;
    source.OnChange = sourceOwner.Event();

    TOGLFog fog;
    TOGLCoordinates axes;
    TOGLVector vector;
    TOGLCamera camera;
    fog.OnChange = axes.OnChange = vector.OnChange = camera.OnChange = receiverOwner.Event();
    fog.CopyFrom(&source.Color());
    fog.CopyFrom(nullptr);
    axes.CopyFrom(&fog);
    vector.CopyFrom(&source.Color());
    camera.CopyFrom(&camera.Position());
    EXPECT_EQ(receiverOwner.count, 0);
    EXPECT_EQ(fog.Color().Color(), clWhite);

    fog.CopyFrom(&source);
    fog.CopyFrom(&source);
    EXPECT_EQ(receiverOwner.count, 2);
    EXPECT_EQ(sourceOwner.count, 0);
    EXPECT_TRUE(fog.OnChange.IsBoundTo(&receiverOwner));
    EXPECT_EQ(std::tuple(fog.Enabled(), fog.Mode(), fog.Density(), fog.StartDepth(), fog.EndDepth(),
                         fog.Color().Color(), fog.Quality()),
              std::tuple(true, fmLinear, 0.5f, 2.0f, 7.0f, 0x123456u, quFastest));
}

TEST(NotifyEvent, EmptySlotCallsNothingAndAHandlerMayReplaceItsOwnSlot) {
    TNotifyEvent slot;
    EXPECT_FALSE(slot);
    slot(nullptr);
    int calls = 0;
    slot = TNotifyEvent(&calls, [&](TObject*) {
        ++calls;
        slot = {}; // destroys the handler that is running
    });
    slot(nullptr);
    slot(nullptr);
    EXPECT_EQ(calls, 1);
}

} // namespace
