// The view control: redraw requests, its context, its link to the camera, and its stored
// description.

#include "OGLDescription.h"
#include "ViewTesting.h"

#include <QVBoxLayout>
#include <QWidget>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// Equal writes request nothing; a change, an owned object's change or writing no camera
// redraws; several requests before a paint give one render.
TEST(View, RedrawsOnlyOnChangeAndCoalescesRequests) {
    TTestView view;
    TOGLCamera camera;
    view.SetCamera(&camera);
    TCounter renders;
    view.OnPaint = renders.Event();
    ASSERT_TRUE(ShowAndPaint(view));
    EXPECT_FALSE(view.IsCurrent()); // current only during a render
    EXPECT_FALSE(Repaints(
        view,
        [&] {
            view.SetBackgroundColor(clBlack);
            view.SetCullFace(cfNone);
            view.SetDithering(true);
        },
        300));
    EXPECT_TRUE(Repaints(view, [&] { view.SetBackgroundColor(clRed); }));
    EXPECT_TRUE(Repaints(view, [&] { view.Fog().SetDensity(0.5f); }));

    Settle();
    renders.count = 0;
    view.Redraw();
    camera.Position().SetX(1); // the camera's request joins the view's own
    view.Redraw();
    ASSERT_TRUE(WaitFor([&] { return renders.count > 0; }));
    Settle();
    EXPECT_EQ(renders.count, 1);
    EXPECT_EQ(renders.sender, &view);
    EXPECT_TRUE(Repaints(view, [&] { view.SetCamera(nullptr); }));
}

TEST(View, RefusedContextPaintsNothingAndOnlyObjectChangesRequestRedraws) {
    TTestView view;
    view.refuseContext = true;
    view.SetBackgroundColor(clRed);
    TOGLCamera camera;
    view.SetCamera(&camera);
    TCounter renders;
    view.OnPaint = renders.Event();
    ASSERT_TRUE(ShowAndPaint(view));
    EXPECT_FALSE(view.HasContext());
    EXPECT_EQ(view.ContextError(), "refused by the test");
    view.MakeCurrent(true);
    EXPECT_FALSE(view.IsCurrent());
    EXPECT_NE(view.grabFramebuffer().pixelColor(200, 125), QColor(Qt::red));
    EXPECT_FALSE(Repaints(
        view, [&] { view.SetBackgroundColor(clBlue); }, 300));
    EXPECT_TRUE(Repaints(view, [&] { camera.SetViewAngle(60); }));
    EXPECT_EQ(renders.count, 0);
}

// Detaching, or destroying either side, leaves no link behind; a camera that another view
// took over keeps that view's link; a view whose camera goes first redraws without it.
TEST(CameraLink, DetachedOrDestroyedSidesLeaveNoLinkBehind) {
    TOGLView view;
    TOGLCamera first, second;
    view.SetCamera(&first);
    view.SetCamera(&second);
    EXPECT_FALSE(first.OnChange);
    EXPECT_TRUE(second.OnChange.IsBoundTo(&view));
    {
        TTestView other;
        other.SetCamera(&second);
        view.SetCamera(nullptr);
        EXPECT_TRUE(second.OnChange.IsBoundTo(&other));
        ASSERT_TRUE(ShowAndPaint(other));
    }
    EXPECT_FALSE(second.OnChange);
    second.Position().SetX(3); // reaches no view
    Settle(50);

    // A camera owned by the view's widget tree goes away with it, in the view's destructor.
    auto owner = std::make_unique<TOGLView>();
    owner->SetCamera(new TOGLCamera(owner.get()));
    owner.reset();

    TTestView shown;
    auto camera = std::make_unique<TOGLCamera>();
    shown.SetCamera(camera.get());
    TCounter renders;
    shown.OnPaint = renders.Event();
    ASSERT_TRUE(ShowAndPaint(shown));
    EXPECT_TRUE(Repaints(shown, [&] { // shows the loss
        renders.count = 0;
        camera.reset();
        EXPECT_EQ(shown.Camera(), nullptr);
    }));
    EXPECT_EQ(renders.count, 0);
}

// In a window's layout the viewport follows the window's size; moved to another window, the
// context follows the new surface.
TEST(ViewSurface, ViewportAndContextFollowTheWindow) {
    QWidget first, second;
    auto* view = new TTestView;
    (new QVBoxLayout(&first))->addWidget(view);
    view->SetBackgroundColor(0x336699);
    TOGLCamera camera;
    view->SetCamera(&camera);
    std::array<GLint, 4> viewport{};
    view->OnPaint =
        TNotifyEvent(nullptr, [&](TObject*) { glGetIntegerv(GL_VIEWPORT, viewport.data()); });
    first.resize(300, 200);
    first.show();
    const auto viewportFits = [&] {
        return viewport[2] == view->ClientWidth() && viewport[3] == view->ClientHeight() &&
               viewport[2] > 0;
    };
    ASSERT_TRUE(WaitFor(viewportFits));
    first.resize(520, 330);
    ASSERT_TRUE(WaitFor([&] { return view->width() > 400; }));
    ASSERT_TRUE(WaitFor(viewportFits));
    EXPECT_GT(viewport[3], 200);

    view->setParent(&second);
    EXPECT_FALSE(view->HasContext());
    view->show();
    second.show();
    ASSERT_TRUE(WaitFor([&] { return view->HasContext(); }));
    EXPECT_EQ(view->grabFramebuffer().pixelColor(10, 10), QColor(0x99, 0x66, 0x33));
}

// As the main window stores it: nested objects, a camera linked by name, repeated values.
// Camera must name a camera.
TEST(ViewDescription, LoadsTheMainWindowsViewAndLinksItsCameraByName) {
    TTestView view;
    TOGLCamera camera;
    TOGLFog fog;
    view.SetBackgroundColor(clWhite);
    view.SetCullFace(cfBack);
    const TComponentMap components{{"View3D", &view}, {"Cam", &camera}, {"Fog1", &fog}};
    std::string errors;
    for (const char* other : {"Fog1", "Nobody"}) {
        try {
            CarregaDescricao("object View3D: TOGLView\n  Camera = " + std::string(other) + "\nend",
                             components);
        } catch (const EDescriptionError& error) {
            errors += error.what() + std::string(";");
        }
    }
    EXPECT_EQ(errors,
              "Line 2: \"Fog1\" is not a TOGLCamera;Line 2: no component named \"Nobody\";");
    EXPECT_EQ(view.Camera(), nullptr);
    CarregaDescricao("object View3D: TOGLView\n  ColorAmbient.Color = $00333333\n"
                     "  BackgroundColor = clBlack\n  Coordinates.ColorY = clGreen\n"
                     "  Camera = Cam\n  Fog.Density = 1.0\n  Fog.Density = 1.0\nend\n"
                     "object Cam: TOGLCamera\n  ViewAngle = 100.0\nend\n",
                     components);
    EXPECT_EQ(view.BackgroundColor(), clBlack);
    EXPECT_EQ(view.CullFace(), cfBack); // omitted: keeps what it held
    EXPECT_EQ(view.Camera(), &camera);
    EXPECT_EQ(camera.ViewAngle(), 100.0f);
    EXPECT_TRUE(camera.OnChange.IsBoundTo(&view));
}

} // namespace
