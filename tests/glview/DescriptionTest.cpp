#include "OGLDescription.h"
#include "ViewTesting.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

auto Values(const TOGLCamera& c) {
    return std::tuple(c.Position().X(), c.Position().Y(), c.Position().Z(), c.Rotation().X(),
                      c.ViewAngle(), c.ViewNear(), c.ViewFar());
}

auto Values(const TOGLFog& f) {
    return std::tuple(f.Enabled(), f.Mode(), f.Density(), f.StartDepth(), f.EndDepth(),
                      f.Color().Color(), f.Quality());
}

// A camera as forms store it, a fog with CR LF ends, every colour form: values are assigned in
// order, without range tests or notifying; absent values keep theirs, those before a fault stay.
TEST(Description, ValuesAreAssignedInOrderUnnotifiedAndCopiedWhole) {
    TOGLCamera camera;
    TOGLFog fog;
    TOGLCoordinates axes;
    camera.Position().SetX(5); // a 0 from the description must replace this
    TCounter counter;
    camera.OnChange = fog.OnChange = counter.Event();
    CarregaDescricao(
        "# the main window's camera\nobject Cam: TOGLCamera\n  Position.Y = 0.2\n"
        "  Position.X = 0.0\n  Position.Y = 0.200000002980232\n  Position.Z = 7\n"
        "  Rotation.X = 3\n  ViewAngle = 30\n  ViewAngle = 200\n  ViewNear = 0\nend\n"
        "object Fog1: TOGLFog\r\n  Enabled = True\r\n  Mode = fmLinear\r\n  Density = 0.5\r\n"
        "  StartDepth = 2\r\n  EndDepth = 12.5\r\n  Color.Color = $00336699\r\n"
        "  Quality = quNicest\r\nend\r\nobject Axes: TOGLCoordinates\n  ColorX = clWhite\n"
        "  ColorY = 0x00FF00\n  ColorZ = 255\nend",
        {{"Cam", &camera}, {"Fog1", &fog}, {"Axes", &axes}});
    EXPECT_EQ(Values(camera), std::tuple(0.0f, 0.2f, 7.0f, 3.0f, 200.0f, 0.0f, 10.0f));
    EXPECT_EQ(Values(fog), std::tuple(true, fmLinear, 0.5f, 2.0f, 12.5f, 0x336699u, quNicest));
    EXPECT_EQ(std::tuple(axes.ColorX(), axes.ColorY(), axes.ColorZ()),
              std::tuple(clWhite, 0x00FF00u, clRed));
    EXPECT_EQ(counter.count, 0);

    // A copy of the same class takes every value as it is and notifies its own handler (a
    // camera: its position, its rotation, then itself); of another class or none, nothing.
    TOGLCamera cameraCopy;
    TOGLFog fogCopy;
    cameraCopy.SetViewFar(1);
    TCounter copyOwner;
    cameraCopy.OnChange = fogCopy.OnChange = copyOwner.Event();
    fogCopy.CopyFrom(nullptr);
    fogCopy.CopyFrom(&fog.Color());
    cameraCopy.CopyFrom(&camera.Position());
    EXPECT_EQ(std::pair(copyOwner.count, fogCopy.Color().Color()), std::pair(0, clWhite));
    fogCopy.CopyFrom(&fog);
    cameraCopy.CopyFrom(&camera);
    EXPECT_EQ(std::pair(copyOwner.count, counter.count), std::pair(4, 0));
    EXPECT_TRUE(cameraCopy.OnChange.IsBoundTo(&copyOwner));
    EXPECT_EQ(Values(cameraCopy), Values(camera));
    EXPECT_EQ(Values(fogCopy), Values(fog));

    EXPECT_THROW(CarregaDescricao("object Cam: TOGLCamera\n  Tag = -3\n  ViewFar = x\nend\n",
                                  {{"Cam", &camera}}),
                 EDescriptionError);
    EXPECT_EQ(std::pair(camera.Tag(), camera.ViewFar()), std::pair(-3, 10.0f));
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
        }
    }
}

} // namespace
