#include "Counter.h"
#include "OGLClass.h"

#include <gtest/gtest.h>

#include <array>
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
    EXPECT_EQ(fog.Density(), 1.0f);
    EXPECT_EQ(vector.X(), 0.0f);
}

TEST(PropertyWrites, FogColourWriteAlwaysNotifiesButItsOwnColourObjectDoesNot) {
    TOGLFog fog;
    TCounter counter;
    fog.OnChange = counter.Event();
    TOGLColor white;
    white.SetColor(clWhite);
    fog.SetColor(white);
    EXPECT_EQ(counter.count, 1);
    fog.Color().SetColor(clRed);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(white.Color(), clWhite); // the fog copied, it did not take the object
}

TEST(CopyFrom, OtherClassOrNoneIsIgnoredAndSilent) {
    TOGLFog fog;
    TOGLCoordinates axes;
    TOGLVector vector;
    TOGLColor color;
    color.SetColor(clRed);
    TCounter counter;
    fog.OnChange = axes.OnChange = vector.OnChange = counter.Event();
    fog.CopyFrom(&color);
    fog.CopyFrom(nullptr);
    axes.CopyFrom(&fog);
    vector.CopyFrom(&color);
    EXPECT_EQ(counter.count, 0);
    EXPECT_EQ(fog.Color().Color(), clWhite);
}

// Every value is copied with one notification, even when equal; the receiver keeps its own
// handler rather than taking the source's.
TEST(CopyFrom, SameClassCopiesEveryValueOnceAndKeepsTheReceiversHandler) {
    TOGLFog source;
    source.SetEnabled(true);
    source.SetMode(fmLinear);
    source.SetDensity(0.5f);
    source.SetStartDepth(2);
    source.SetEndDepth(7);
    source.Color().SetColor(0x123456);
    source.SetQuality(quFastest);
    TCounter sourceOwner, receiverOwner;
    source.OnChange = sourceOwner.Event();

    TOGLFog fog;
    fog.OnChange = receiverOwner.Event();
    fog.CopyFrom(&source);
    fog.CopyFrom(&source);
    EXPECT_EQ(receiverOwner.count, 2);
    EXPECT_EQ(sourceOwner.count, 0);
    EXPECT_TRUE(fog.OnChange.IsBoundTo(&receiverOwner));
    EXPECT_EQ(std::tuple(fog.Enabled(), fog.Mode(), fog.Density(), fog.StartDepth(), fog.EndDepth(),
                         fog.Color().Color(), fog.Quality()),
              std::tuple(true, fmLinear, 0.5f, 2.0f, 7.0f, 0x123456u, quFastest));
}

TEST(Colour, GetRGBAUsesTheThreeLowBytesAsFractionsOf255) {
    TOGLColor color;
    color.SetColor(0x80336699); // a top byte, as system colour codes have
    EXPECT_EQ(color.GetRGBA(),
              (std::array<float, 4>{0x99 / 255.0f, 0x66 / 255.0f, 0x33 / 255.0f, 1.0f}));
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
