// The view control: redraw requests, its context, and its link to the camera.

#include "ViewTesting.h"

#include <QVBoxLayout>
#include <QWidget>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

TEST(View, RequestsDoubleBufferedRgbaWithDepthAndTheFixedFunctionPipeline) {
    const TOGLView view;
    EXPECT_EQ(view.size(), QSize(400, 250));
    EXPECT_EQ(view.ColorAmbient().Color(), 0x333333u);
    const QSurfaceFormat format = view.format();
    EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    EXPECT_EQ(format.profile(), QSurfaceFormat::CompatibilityProfile);
    EXPECT_EQ(format.depthBufferSize(), 32);
    EXPECT_EQ(format.redBufferSize() + format.greenBufferSize() + format.blueBufferSize(), 24);
}

TEST(View, DisplayPropertyWritesRedrawOnlyOnChange) {
    TTestView view;
    ASSERT_TRUE(ShowAndPaint(view));
    ASSERT_TRUE(view.HasContext());
    EXPECT_FALSE(view.IsCurrent()); // current only during a render

    Settle();
    int paints = view.paints;
    view.SetBackgroundColor(clBlack);
    view.SetCullFace(cfNone);
    view.SetDithering(true);
    Settle();
    EXPECT_EQ(view.paints, paints);

    view.SetBackgroundColor(clRed);
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; }));
    paints = view.paints;
    view.Fog().SetDensity(0.5f); // an owned object's change redraws too
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; }));
}

TEST(View, TwoRedrawRequestsBeforeAPaintGiveOneRender) {
    TTestView view;
    TOGLCamera camera;
    view.SetCamera(&camera);
    TCounter renders;
    view.OnPaint = renders.Event();
    ASSERT_TRUE(ShowAndPaint(view));
    Settle();

    renders.count = 0;
    view.Redraw();
    camera.Position().SetX(1); // the camera's request joins the view's own
    view.Redraw();
    ASSERT_TRUE(WaitFor([&] { return renders.count > 0; }));
    Settle();
    EXPECT_EQ(renders.count, 1);
    EXPECT_EQ(renders.sender, &view);
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

    const QImage picture = view.grabFramebuffer();
    EXPECT_NE(picture.pixelColor(200, 125), QColor(Qt::red));
    EXPECT_EQ(renders.count, 0);

    Settle();
    const int paints = view.paints;
    view.SetBackgroundColor(clBlue);
    view.SetLighting(true);
    Settle();
    EXPECT_EQ(view.paints, paints);
    camera.SetViewAngle(60);
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; }));
    EXPECT_EQ(renders.count, 0);
}

TEST(View, WritingNoCameraStillRequestsARedraw) {
    TTestView view;
    ASSERT_TRUE(ShowAndPaint(view));
    Settle();
    const int paints = view.paints;
    view.SetCamera(nullptr);
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; }));
}

TEST(CameraLink, DetachedCameraNoLongerRedrawsTheView) {
    TOGLView view;
    TOGLCamera first, second;
    view.SetCamera(&first);
    EXPECT_TRUE(first.OnChange.IsBoundTo(&view));
    view.SetCamera(&second);
    EXPECT_FALSE(first.OnChange);
    EXPECT_TRUE(second.OnChange.IsBoundTo(&view));

    // A camera that another view took over keeps that view's link.
    TOGLView other;
    other.SetCamera(&second);
    view.SetCamera(nullptr);
    EXPECT_TRUE(second.OnChange.IsBoundTo(&other));
}

TEST(CameraLink, CameraDestroyedFirstLeavesTheViewWithoutCamera) {
    TTestView view;
    auto camera = std::make_unique<TOGLCamera>();
    view.SetCamera(camera.get());
    TCounter renders;
    view.OnPaint = renders.Event();
    ASSERT_TRUE(ShowAndPaint(view));
    Settle();

    const int paints = view.paints;
    renders.count = 0;
    camera.reset();
    EXPECT_EQ(view.Camera(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return view.paints > paints; })); // shows the loss
    EXPECT_EQ(renders.count, 0);
}

TEST(CameraLink, ViewDestroyedFirstLeavesTheCameraUnlinked) {
    TOGLCamera camera;
    {
        auto view = std::make_unique<TTestView>();
        view->SetCamera(&camera);
        ASSERT_TRUE(ShowAndPaint(*view));
    }
    EXPECT_FALSE(camera.OnChange);
    camera.Position().SetX(3); // reaches no view
    Settle(50);

    // A camera owned by the view's widget tree goes away with it, in the view's destructor.
    auto view = std::make_unique<TOGLView>();
    view->SetCamera(new TOGLCamera(view.get()));
    view.reset();
}

TEST(ViewSurface, ContextFollowsTheSurfaceWhenTheViewMovesToAnotherWindow) {
    QWidget first, second;
    auto* view = new TTestView(&first);
    view->SetBackgroundColor(0x336699);
    first.show();
    ASSERT_TRUE(WaitFor([&] { return view->paints > 0 && view->HasContext(); }));

    view->setParent(&second);
    EXPECT_FALSE(view->HasContext());
    view->show();
    second.show();
    ASSERT_TRUE(WaitFor([&] { return view->HasContext(); }));
    EXPECT_EQ(view->BackgroundColor(), 0x336699u);
    EXPECT_EQ(view->grabFramebuffer().pixelColor(10, 10), QColor(0x99, 0x66, 0x33));
}

TEST(ViewSurface, ViewportFollowsTheViewInAResizedWindow) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* view = new TTestView;
    layout->addWidget(view);
    TOGLCamera camera;
    view->SetCamera(&camera);
    std::array<GLint, 4> viewport{};
    view->OnPaint =
        TNotifyEvent(nullptr, [&](TObject*) { glGetIntegerv(GL_VIEWPORT, viewport.data()); });
    window.resize(300, 200);
    window.show();
    const auto viewportFits = [&] {
        return viewport[2] == view->ClientWidth() && viewport[3] == view->ClientHeight() &&
               viewport[2] > 0;
    };
    ASSERT_TRUE(WaitFor(viewportFits));

    window.resize(520, 330);
    ASSERT_TRUE(WaitFor([&] { return view->width() > 400; }));
    ASSERT_TRUE(WaitFor(viewportFits));
    EXPECT_GT(viewport[3], 200);
}

} // namespace
