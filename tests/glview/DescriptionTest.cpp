#include "Counter.h"
#include "OGLCam.h"
#include "OGLDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The camera of the main window, stored as a form keeps it: non-zero floats twice
// (published, then custom), zero floats once.
constexpr const char* StoredCamera = R"(
# the main window's camera
object Cam: TOGLCamera
  Position.Y = 0.2
  Position.Z = 2.0
  Position.X = 0.0
  Position.Y = 0.200000002980232
  Position.Z = 2.0
  Rotation.X = 0.0
  Rotation.Y = 0.0
  Rotation.Z = 0.0
  ViewNear = 0.1
  ViewFar = 1000.0
  ViewAngle = 100.0
  ViewNear = 0.100000001490116
  ViewFar = 1000.0
  ViewAngle = 100.0
end
)";

TEST(Description, LoadsTheStoredCameraWithoutNotifying) {
    TOGLCamera camera;
    camera.Position().SetX(5); // a 0 from the description must replace this
    camera.Rotation().SetZ(30);
    TCounter counter;
    camera.OnChange = counter.Event();
    CarregaDescricao(StoredCamera, {{"Cam", &camera}});
    EXPECT_EQ(camera.Position().X(), 0.0f);
    EXPECT_EQ(camera.Position().Y(), 0.2f);
    EXPECT_EQ(camera.Position().Z(), 2.0f);
    EXPECT_EQ(camera.Rotation().Z(), 0.0f);
    EXPECT_EQ(camera.ViewNear(), 0.1f);
    EXPECT_EQ(camera.ViewFar(), 1000.0f);
    EXPECT_EQ(camera.ViewAngle(), 100.0f);
    EXPECT_EQ(counter.count, 0);
}

TEST(Description, ValuesAreAssignedInOrderWithoutRangeTests) {
    TOGLCamera camera;
    CarregaDescricao("object Cam: TOGLCamera\n"
                     "  ViewAngle = 30\n"
                     "  ViewAngle = 200\n"
                     "  ViewNear = 0\n"
                     "  Tag = -3\n"
                     "end\n",
                     {{"Cam", &camera}});
    EXPECT_EQ(camera.ViewAngle(), 200.0f);
    EXPECT_EQ(camera.ViewNear(), 0.0f);
    EXPECT_EQ(camera.Tag(), -3);
    EXPECT_EQ(camera.ViewFar(), 10.0f); // absent: keeps its constructed value
}

TEST(Description, NestedObjectsEnumerationsAndColourForms) {
    TOGLFog fog;
    TOGLCoordinates axes;
    CarregaDescricao("object Fog1: TOGLFog\r\n"
                     "  Enabled = True\r\n"
                     "  Mode = fmLinear\r\n"
                     "  EndDepth = 12.5\r\n"
                     "  Color.Color = $00336699\r\n"
                     "  Quality = quNicest\r\n"
                     "end\r\n"
                     "object Axes: TOGLCoordinates\n"
                     "  ColorX = clWhite\n"
                     "  ColorY = 0x00FF00\n"
                     "  ColorZ = 255\n"
                     "end",
                     {{"Fog1", &fog}, {"Axes", &axes}});
    EXPECT_TRUE(fog.Enabled());
    EXPECT_EQ(fog.Mode(), fmLinear);
    EXPECT_EQ(fog.EndDepth(), 12.5f);
    EXPECT_EQ(fog.Color().Color(), 0x336699u);
    EXPECT_EQ(fog.Quality(), quNicest);
    EXPECT_EQ(fog.Density(), 1.0f);
    EXPECT_EQ(axes.ColorX(), clWhite);
    EXPECT_EQ(axes.ColorY(), 0x00FF00u);
    EXPECT_EQ(axes.ColorZ(), clRed);
}

struct TBadDescription {
    std::string text;
    int line;
    std::string message;
};

TEST(Description, MalformedDescriptionsNameTheLineAndTheFault) {
    const std::vector<TBadDescription> cases{
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

TEST(Description, ValuesBeforeAFaultyLineStayAssigned) {
    TOGLCamera camera;
    EXPECT_THROW(CarregaDescricao("object Cam: TOGLCamera\n  ViewFar = 50\n  ViewNear = x\nend",
                                  {{"Cam", &camera}}),
                 EDescriptionError);
    EXPECT_EQ(camera.ViewFar(), 50.0f);
    EXPECT_EQ(camera.ViewNear(), 0.1f);
}

} // namespace
