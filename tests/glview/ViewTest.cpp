// The view control: redraw requests, its context, its camera link, its stored description.

#include "OGLDescription.h"
#include "ViewTesting.h"

#include <QWidget>

#include <gtest/gtest.h>

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
        view, [&] { view.SetDithering(true); }, 300));
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
    EXPECT_NE(view.grabFramebuffer().pixelColor(200, 125), QColor(Qt::red));
    EXPECT_FALSE(Repaints(
        view, [&] { view.SetBackgroundColor(clBlue); }, 300));
    EXPECT_TRUE(Repaints(view, [&] { camera.SetViewAngle(60); }));
    EXPECT_EQ(renders.count, 0);
}

// Detaching, or destroying either side, leaves no link behind; a camera that another view
// took over keeps that view's link; a view whose camera goes first redraws without it.
TEST(CameraLink, DetachedOrDestroyedSidesLeaveNoLinkBehind) {
    TTestView shown;
    auto camera = std::make_unique<TOGLCamera>();
    TOGLCamera first;
    {
        TOGLView view;
        view.SetCamera(&first);
        view.SetCamera(camera.get());
        EXPECT_FALSE(first.OnChange);
        shown.SetCamera(camera.get());
        view.SetCamera(nullptr);
        EXPECT_TRUE(camera->OnChange.IsBoundTo(&shown));
        view.SetCamera(&first);
    }
    EXPECT_FALSE(first.OnChange);

    // A camera owned by the view's widget tree goes away with it, in the view's destructor.
    auto owner = std::make_unique<TOGLView>();
    owner->SetCamera(new TOGLCamera(owner.get()));
    owner.reset();

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

// Moved to another window, the view's context follows the new surface.
TEST(ViewSurface, ContextFollowsTheViewToAnotherWindow) {
    QWidget first, second;
    auto* view = new TTestView(&first);
    view->SetBackgroundColor(0x336699);
    first.show();
    ASSERT_TRUE(WaitFor([&] { return view->HasContext(); }));
    view->setParent(&second);
    EXPECT_FALSE(view->HasContext());
    view->show();
    second.show();
    ASSERT_TRUE(WaitFor([&] { return view->HasContext(); }));
    EXPECT_EQ(view->grabFramebuffer().pixelColor(10, 10), QColor(0x99, 0x66, 0x33));
}

// The stored Camera must name a camera; a view links the one it names.
TEST(ViewDescription, CameraMustNameACameraAndIsLinked) {
    TTestView view;
    TOGLCamera camera;
    TOGLFog fog;
    const TComponentMap components{{"View3D", &view}, {"Cam", &camera}, {"Fog1", &fog}};
    EXPECT_THROW(CarregaDescricao("object View3D: TOGLView\n  Camera = Fog1\nend", components),
                 EDescriptionError);
    EXPECT_EQ(view.Camera(), nullptr);
    CarregaDescricao("object View3D: TOGLView\n  Camera = Cam\nend", components);
    EXPECT_TRUE(camera.OnChange.IsBoundTo(&view));
}

} // namespace
