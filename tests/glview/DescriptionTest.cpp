#include "Counter.h"
#include "OGLCam.h"
#include "OGLDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// The main window's camera as a form stores it: non-zero floats twice, zero floats once.
// Values are assigned in order, without range tests and without notifying; absent values keep
// theirs, and those before a fault stay.
TEST(Description, ValuesAreAssignedInOrderWithoutRangeTestsOrNotification) {
    TOGLCamera camera;
    camera.Position().SetX(5); // a 0 from the description must replace this
    TCounter counter;
    camera.OnChange = counter.Event();
    CarregaDescricao("# the main window's camera\nobject Cam: TOGLCamera\n  Position.Y = 0.2\n"
                     "  Position.X = 0.0\n  Position.Y = 0.200000002980232\n  ViewAngle = 30\n"
                     "  ViewAngle = 200\n  ViewNear = 0\nend\n",
                     {{"Cam", &camera}});
    EXPECT_EQ(std::tuple(camera.Position().X(), camera.Position().Y(), camera.ViewAngle(),
                         camera.ViewNear(), camera.ViewFar()),
              std::tuple(0.0f, 0.2f, 200.0f, 0.0f, 10.0f));
    EXPECT_EQ(counter.count, 0);
    EXPECT_THROW(CarregaDescricao("object Cam: TOGLCamera\n  Tag = -3\n  ViewFar = x\nend\n",
                                  {{"Cam", &camera}}),
                 EDescriptionError);
    EXPECT_EQ(std::pair(camera.Tag(), camera.ViewFar()), std::pair(-3, 10.0f));

    // A copy takes the values as they are: position, rotation, then the camera itself notify
    // (the view coalesces the three); the source's handler stays silent and the copy keeps its own.
    TOGLCamera copy;
    TCounter copyOwner;
    copy.OnChange = copyOwner.Event();
    copy.CopyFrom(&camera);
    EXPECT_EQ(std::tuple(copy.Position().Y(), copy.ViewAngle(), copy.ViewNear()),
              std::tuple(0.2f, 200.0f, 0.0f));
    EXPECT_EQ(std::pair(copyOwner.count, counter.count), std::pair(3, 0));
    EXPECT_TRUE(copy.OnChange.IsBoundTo(&copyOwner));
}

TEST(Description, NestedObjectsEnumerationsAndColourForms) {
    TOGLFog fog;
    TOGLCoordinates axes;
    CarregaDescricao("object Fog1: TOGLFog\r\n  Enabled = True\r\n  Mode = fmLinear\r\n"
                     "  EndDepth = 12.5\r\n  Color.Color = $00336699\r\n  Quality = quNicest\r\n"
                     "end\r\nobject Axes: TOGLCoordinates\n  ColorX = clWhite\n"
                     "  ColorY = 0x00FF00\n  ColorZ = 255\nend",
                     {{"Fog1", &fog}, {"Axes", &axes}});
    EXPECT_EQ(
        std::tuple(fog.Enabled(), fog.Mode(), fog.EndDepth(), fog.Color().Color(), fog.Quality()),
        std::tuple(true, fmLinear, 12.5f, 0x336699u, quNicest));
    EXPECT_EQ(std::tuple(axes.ColorX(), axes.ColorY(), axes.ColorZ()),
              std::tuple(clWhite, 0x00FF00u, clRed));
}

TEST(Description, MalformedDescriptionsNameTheLineAndTheFault) {
    // Text that starts with a blank is a camera's body, wrapped in its object and "end".
    const std::pair<std::string, std::string> cases[] = {
        {"  Zoom = 3", "Line 2: TOGLCamera has no stored property \"Zoom\""},
        {"  Lens.X = 3", "Line 2: TOGLCamera has no object property \"Lens\""},
        {"  ViewAngle = 4O", "Line 2: \"4O\" is not a finite number"},
        {"  ViewFar = 1e60", "Line 2: \"1e60\" is not a finite number"},
        {"  ViewFar =", "Line 2: no value for \"ViewFar\""},
        {"  ViewFar 3", "Line 2: expected \"Property = value\""},
        {"object Fog1: TOGLFog\n  Mode = fmCubic\nend",
         "Line 2: \"fmCubic\" is not one of fmLinear, fmExp, fmExp2"},
        {"object Fog1: TOGLFog\n  Color.Color = $1FFFFFFFF\nend",
         "Line 2: \"$1FFFFFFFF\" is not a colour"},
        {"object Cam: TOGLFog\nend", "Line 1: \"Cam\" is a TOGLCamera, not a TOGLFog"},
        {"object Other: TOGLCamera\nend", "Line 1: no component named \"Other\""},
        {"ViewAngle = 3", "Line 1: expected \"object Name: Class\""},
        {"\nobject Cam: TOGLCamera\n  ViewAngle = 3\n", "Line 2: object without \"end\""},
        {"object Cam: TOGLCamera\nobject Fog1: TOGLFog\nend",
         "Line 2: an object cannot hold another object"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        TOGLCamera camera;
        TOGLFog fog;
        try {
            CarregaDescricao(text.starts_with(' ') ? "object Cam: TOGLCamera\n" + text + "\nend"
                                                   : text,
                             {{"Cam", &camera}, {"Fog1", &fog}});
            ADD_FAILURE() << "no error";
        } catch (const EDescriptionError& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
            EXPECT_EQ("Line " + std::to_string(error.Line()), message.substr(0, 6));
        }
    }
}

} // namespace
