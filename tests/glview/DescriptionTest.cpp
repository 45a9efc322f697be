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
    const struct {
        std::string text;
        int line;
        std::string message;
    } cases[] = {
        {"object Cam: TOGLCamera\n  Zoom = 3\nend", 2,
         "Line 2: TOGLCamera has no stored property \"Zoom\""},
        {"object Cam: TOGLCamera\n  Lens.X = 3\nend", 2,
         "Line 2: TOGLCamera has no object property \"Lens\""},
        {"object Cam: TOGLCamera\n\n  ViewAngle = 4O\nend", 3,
         "Line 3: \"4O\" is not a finite number"},
        {"object Cam: TOGLCamera\n  ViewFar = 1e60\nend", 2,
         "Line 2: \"1e60\" is not a finite number"},
        {"object Cam: TOGLCamera\n  ViewFar =\nend", 2, "Line 2: no value for \"ViewFar\""},
        {"object Cam: TOGLCamera\n  ViewFar 3\nend", 2, "Line 2: expected \"Property = value\""},
        {"object Fog1: TOGLFog\n  Mode = fmCubic\nend", 2,
         "Line 2: \"fmCubic\" is not one of fmLinear, fmExp, fmExp2"},
        {"object Fog1: TOGLFog\n  Color.Color = $1FFFFFFFF\nend", 2,
         "Line 2: \"$1FFFFFFFF\" is not a colour"},
        {"object Cam: TOGLFog\nend", 1, "Line 1: \"Cam\" is a TOGLCamera, not a TOGLFog"},
        {"object Other: TOGLCamera\nend", 1, "Line 1: no component named \"Other\""},
        {"ViewAngle = 3", 1, "Line 1: expected \"object Name: Class\""},
        {"\nobject Cam: TOGLCamera\n  ViewAngle = 3\n", 2, "Line 2: object without \"end\""},
        {"object Cam: TOGLCamera\nobject Fog1: TOGLFog\nend", 2,
         "Line 2: an object cannot hold another object"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TOGLCamera camera;
        TOGLFog fog;
        try {
            CarregaDescricao(c.text, {{"Cam", &camera}, {"Fog1", &fog}});
            ADD_FAILURE() << "no error";
        } catch (const EDescriptionError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_EQ(std::string(error.what()).substr(0, c.message.size()), c.message);
        }
    }
}

} // namespace
