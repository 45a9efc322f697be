#include "Counter.h"
#include "OGLClass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TEST(PropertyDefaults, FogAxisCrossColourAndVectorReadTheirConstructedValues) {
    const TOGLFog fog;
    EXPECT_FALSE(fog.Enabled());
    EXPECT_EQ(fog.Mode(), fmExp);
    EXPECT_EQ(fog.Density(), 1.0f);
    EXPECT_EQ(fog.StartDepth(), 0.0f);
    EXPECT_EQ(fog.EndDepth(), 1.0f);
    EXPECT_EQ(fog.Color().Color(), clWhite);
    EXPECT_EQ(fog.Quality(), quDontCare);

    const TOGLCoordinates axes;
    EXPECT_FALSE(axes.Visible());
    EXPECT_EQ(axes.Length(), 1.0f);
    EXPECT_EQ(axes.ColorX(), 0x0000FFu);
    EXPECT_EQ(axes.ColorY(), 0x008000u); // half-intensity green, not 0x00FF00
    EXPECT_EQ(axes.ColorZ(), 0xFF0000u);

    EXPECT_EQ(TOGLColor().Color(), clBlack);
    const TOGLVector vector;
    EXPECT_EQ(vector.X(), 0.0f);
    EXPECT_EQ(vector.Y(), 0.0f);
    EXPECT_EQ(vector.Z(), 0.0f);
}

// One write rule for every published property: same value or NaN is silent, a new value
// notifies exactly once and is stored.
struct TWriteCase {
    std::string name;
    TOGLProperty* object;
    std::function<void()> writeCurrent, writeNew;
    std::function<bool()> holdsNew;
};

TEST(PropertyWrites, EqualValueIsSilentAndNewValueNotifiesOnce) {
    TOGLVector vector;
    TOGLColor color;
    TOGLCoordinates axes;
    TOGLFog fog;
    const std::vector<TWriteCase> cases{
        {"X", &vector, [&] { vector.SetX(0); }, [&] { vector.SetX(1.5f); },
         [&] { return vector.X() == 1.5f; }},
        {"Z", &vector, [&] { vector.SetZ(0); }, [&] { vector.SetZ(3); },
         [&] { return vector.Z() == 3; }},
        {"Color", &color, [&] { color.SetColor(clBlack); }, [&] { color.SetColor(clRed); },
         [&] { return color.Color() == clRed; }},
        {"Visible", &axes, [&] { axes.SetVisible(false); }, [&] { axes.SetVisible(true); },
         [&] { return axes.Visible(); }},
        {"ColorY", &axes, [&] { axes.SetColorY(clGreen); }, [&] { axes.SetColorY(clWhite); },
         [&] { return axes.ColorY() == clWhite; }},
        {"Mode", &fog, [&] { fog.SetMode(fmExp); }, [&] { fog.SetMode(fmExp2); },
         [&] { return fog.Mode() == fmExp2; }},
        {"EndDepth", &fog, [&] { fog.SetEndDepth(1); }, [&] { fog.SetEndDepth(9); },
         [&] { return fog.EndDepth() == 9; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCounter counter;
        c.object->OnChange = counter.Event();
        c.writeCurrent();
        EXPECT_EQ(counter.count, 0);
        c.writeNew();
        EXPECT_EQ(counter.count, 1);
        EXPECT_TRUE(c.holdsNew());
        EXPECT_EQ(counter.sender, c.object);
        c.writeNew();
        EXPECT_EQ(counter.count, 1);
        c.object->OnChange = {};
    }
}

TEST(PropertyWrites, NaNCountsAsEqualAndIsNotStored) {
    TOGLFog fog;
    TCounter counter;
    fog.OnChange = counter.Event();
    fog.SetDensity(NaN);
    fog.SetStartDepth(NaN);
    TOGLVector vector;
    vector.OnChange = counter.Event();
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
    EXPECT_EQ(fog.Color().Color(), clRed);
    EXPECT_EQ(white.Color(), clWhite); // the fog copied, it did not take the object
}

TEST(CopyFrom, OtherClassOrNoneLeavesTheReceiverUnchangedAndSilent) {
    TOGLFog fog;
    TOGLCoordinates axes;
    TOGLColor color;
    color.SetColor(clRed);
    TCounter counter;
    fog.OnChange = counter.Event();
    axes.OnChange = counter.Event();
    fog.CopyFrom(&color);
    fog.CopyFrom(nullptr);
    axes.CopyFrom(&fog);
    TOGLVector vector;
    vector.OnChange = counter.Event();
    vector.CopyFrom(&color);
    EXPECT_EQ(counter.count, 0);
    EXPECT_EQ(fog.Color().Color(), clWhite);
    EXPECT_EQ(axes.Length(), 1.0f);
}

TEST(CopyFrom, SameClassCopiesEveryValueWithOneNotificationEvenWhenEqual) {
    TOGLFog source;
    source.SetEnabled(true);
    source.SetMode(fmLinear);
    source.SetDensity(0.5f);
    source.SetStartDepth(2);
    source.SetEndDepth(7);
    source.Color().SetColor(0x123456);
    source.SetQuality(quFastest);

    TOGLFog fog;
    TCounter counter;
    fog.OnChange = counter.Event();
    fog.CopyFrom(&source);
    EXPECT_EQ(counter.count, 1);
    EXPECT_TRUE(fog.Enabled());
    EXPECT_EQ(fog.Mode(), fmLinear);
    EXPECT_EQ(fog.Density(), 0.5f);
    EXPECT_EQ(fog.StartDepth(), 2.0f);
    EXPECT_EQ(fog.EndDepth(), 7.0f);
    EXPECT_EQ(fog.Color().Color(), 0x123456u);
    EXPECT_EQ(fog.Quality(), quFastest); // copied too, so a copied fog keeps its hint

    fog.CopyFrom(&source);
    EXPECT_EQ(counter.count, 2);

    TOGLCoordinates axesSource, axes;
    axesSource.SetVisible(true);
    axesSource.SetLength(3);
    axesSource.SetColorY(clWhite);
    axes.OnChange = counter.Event();
    axes.CopyFrom(&axesSource);
    EXPECT_EQ(counter.count, 3);
    EXPECT_TRUE(axes.Visible());
    EXPECT_EQ(axes.Length(), 3.0f);
    EXPECT_EQ(axes.ColorY(), clWhite);
}

TEST(CopyFrom, PositionAndRotationCopyIntoEachOther) {
    TOGLPosition position;
    position.SetX(1);
    position.SetY(2);
    position.SetZ(3);
    TOGLRotation rotation;
    rotation.CopyFrom(&position);
    EXPECT_EQ(rotation.Y(), 2.0f);
    EXPECT_EQ(rotation.Z(), 3.0f);
    rotation.SetX(90);
    position.CopyFrom(&rotation);
    EXPECT_EQ(position.X(), 90.0f);
}

// Each owner keeps its own link: copying never moves the source's handler along.
TEST(CopyFrom, ReceiverKeepsItsOwnHandler) {
    TCounter sourceOwner, receiverOwner;
    TOGLFog source, fog;
    source.OnChange = sourceOwner.Event();
    fog.OnChange = receiverOwner.Event();
    fog.CopyFrom(&source);
    fog.SetDensity(3);
    EXPECT_EQ(receiverOwner.count, 2);
    EXPECT_EQ(sourceOwner.count, 0);
    EXPECT_TRUE(fog.OnChange.IsBoundTo(&receiverOwner));

    TOGLCoordinates axesSource, axes;
    axesSource.OnChange = sourceOwner.Event();
    axes.OnChange = receiverOwner.Event();
    axes.CopyFrom(&axesSource);
    EXPECT_TRUE(axes.OnChange.IsBoundTo(&receiverOwner));
}

TEST(Colour, GetRGBAUsesTheThreeLowBytesAsFractionsOf255) {
    TOGLColor color;
    color.SetColor(clGreen);
    const auto green = color.GetRGBA();
    EXPECT_EQ(green[0], 0.0f);
    EXPECT_EQ(green[1], 128.0f / 255.0f);
    EXPECT_EQ(green[2], 0.0f);
    EXPECT_EQ(green[3], 1.0f);

    color.SetColor(0x80336699); // a top byte, as system colour codes have
    EXPECT_EQ(color.GetRGBA(), TOGLColor::RGBA(0x336699));
    EXPECT_EQ(TOGLColor::RGBA(0x336699)[0], 0x99 / 255.0f);
    EXPECT_EQ(TOGLColor::RGBA(clWhite)[2], 1.0f);
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
