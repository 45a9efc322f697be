#include "Counter.h"
#include "OGLCam.h"
#include "OGLDescription.h"

#include <gtest/gtest.h>

namespace {

// Writes out of range are refused; the camera's own and its vectors' accepted changes notify
// once each, with the camera as sender.
TEST(Camera, RangesDecideWhichWritesAreAcceptedAndEachChangeNotifies) {
    TOGLCamera camera;
    TCounter counter;
    camera.OnChange = counter.Event();
    camera.SetViewAngle(180);
    camera.SetViewAngle(180.5f);
    camera.SetViewAngle(-1);
    EXPECT_EQ(camera.ViewAngle(), 180.0f);
    camera.SetViewAngle(0);
    EXPECT_EQ(camera.ViewAngle(), 0.0f);
    camera.SetViewNear(0);
    camera.SetViewNear(-0.5f);
    EXPECT_EQ(camera.ViewNear(), 0.1f);
    camera.SetViewFar(0.01f); // below ViewNear, still accepted
    EXPECT_EQ(camera.ViewFar(), 0.01f);
    camera.SetViewNear(2);
    EXPECT_EQ(camera.ViewNear(), 2.0f);
    camera.Position().SetX(0); // unchanged
    EXPECT_EQ(counter.count, 4);
    camera.Position().SetX(4);
    camera.Rotation().SetZ(30);
    EXPECT_EQ(counter.count, 6);
    EXPECT_EQ(counter.sender, &camera);

    // Writing a whole vector copies it in and notifies once, even when nothing changes.
    TOGLPosition other;
    other.CopyFrom(&camera.Position());
    camera.SetPosition(other);
    other.SetZ(9);
    camera.SetRotation(other); // a position into the rotation is accepted
    EXPECT_EQ(camera.Rotation().Z(), 9.0f);
    EXPECT_EQ(counter.count, 8);
}

TEST(Camera, CopyFromTakesTheValuesWithoutRangeTestsAndKeepsTheReceiversLink) {
    TOGLCamera source;
    source.Position().SetX(7);
    // A value beyond the write range, as a stored description may give it.
    CarregaDescricao("object Cam: TOGLCamera\n ViewAngle = 200\nend", {{"Cam", &source}});
    TCounter sourceOwner, receiverOwner;
    source.OnChange = sourceOwner.Event();

    TOGLCamera camera;
    camera.OnChange = receiverOwner.Event();
    camera.CopyFrom(&source);
    EXPECT_EQ(camera.Position().X(), 7.0f);
    EXPECT_EQ(camera.ViewAngle(), 200.0f);
    // Position, rotation, then the camera itself: three requests, coalesced by the view.
    EXPECT_EQ(receiverOwner.count, 3);
    EXPECT_EQ(sourceOwner.count, 0);
    EXPECT_TRUE(camera.OnChange.IsBoundTo(&receiverOwner));

    TOGLPosition notACamera;
    camera.CopyFrom(&notACamera);
    camera.CopyFrom(nullptr);
    EXPECT_EQ(receiverOwner.count, 3);
}

} // namespace
