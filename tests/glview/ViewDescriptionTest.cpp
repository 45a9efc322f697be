// The main window's stored view and camera, loaded into a real view.

#include "OGLDescription.h"
#include "ViewTesting.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* StoredView = R"(
object View3D: TOGLView
  ColorAmbient.Color = $00333333
  BackgroundColor = clBlack
  Coordinates.Visible = False
  Coordinates.Length = 1.0
  Coordinates.ColorX = clRed
  Coordinates.ColorY = clGreen
  Coordinates.ColorZ = clBlue
  Camera = Cam
  Fog.Density = 1.0
  Fog.EndDepth = 1.0
  Fog.Color.Color = clWhite
  Lighting = False
  Coordinates.Length = 1.0
  Fog.Density = 1.0
  Fog.StartDepth = 0.0
  Fog.EndDepth = 1.0
end
object Cam: TOGLCamera
  ViewAngle = 100.0
  ViewAngle = 100.0
end
)";

TEST(ViewDescription, LoadsTheMainWindowsViewAndLinksItsCameraByName) {
    TTestView view;
    TOGLCamera camera;
    view.SetBackgroundColor(clWhite);
    view.SetCullFace(cfBack);
    CarregaDescricao(StoredView, {{"View3D", &view}, {"Cam", &camera}});
    EXPECT_EQ(view.BackgroundColor(), clBlack);
    EXPECT_EQ(view.CullFace(), cfBack); // omitted: keeps what it held
    EXPECT_EQ(view.Camera(), &camera);
    EXPECT_EQ(camera.ViewAngle(), 100.0f);

    ASSERT_TRUE(ShowAndPaint(view));
    Settle();
    const int paints = view.paints;
    camera.SetViewAngle(50);
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; }));
}

TEST(ViewDescription, CameraMustNameACamera) {
    TOGLView view;
    TOGLFog fog;
    try {
        CarregaDescricao("object View3D: TOGLView\n  Camera = Fog1\nend",
                         {{"View3D", &view}, {"Fog1", &fog}});
        ADD_FAILURE() << "no error";
    } catch (const EDescriptionError& error) {
        EXPECT_STREQ(error.what(), "Line 2: \"Fog1\" is not a TOGLCamera");
    }
    EXPECT_THROW(
        CarregaDescricao("object View3D: TOGLView\n  Camera = Nobody\nend", {{"View3D", &view}}),
        EDescriptionError);
    EXPECT_EQ(view.Camera(), nullptr);
}

} // namespace
