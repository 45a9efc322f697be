// One render, checked on the pixels it leaves and on the OpenGL state the paint callback finds.

#include "ViewTesting.h"

#include <GL/gl.h>
#include <QMatrix4x4>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>
#include <vector>

namespace {

// An odd size puts the world origin on the centre of pixel (100, 100).
class Render : public testing::Test {
  protected:
    void SetUp() override {
        view_.resize(201, 201);
        camera_.Position().SetY(0);
        camera_.Position().SetZ(3);
        ASSERT_TRUE(ShowAndPaint(view_));
    }

    QImage Picture() { return view_.grabFramebuffer(); }

    TTestView view_;
    TOGLCamera camera_;
};

// Without a camera only the background, and no callback; with one, the axis cross.
TEST_F(Render, BackgroundAloneWithoutCameraAxisCrossWithIt) {
    view_.SetBackgroundColor(0x336699);
    view_.Coordinates().SetVisible(true);
    TCounter renders;
    view_.OnPaint = renders.Event();
    const QImage background = Picture();
    for (int y = 0; y < background.height(); y += 5)
        for (int x = 0; x < background.width(); x += 5)
            ASSERT_EQ(background.pixelColor(x, y), QColor(0x99, 0x66, 0x33)) << x << "," << y;
    EXPECT_EQ(renders.count, 0);

    view_.SetBackgroundColor(clBlack);
    view_.SetCamera(&camera_);
    const QImage picture = Picture();
    const QColor red(255, 0, 0), green(0, 128, 0), black(0, 0, 0);

    // One world unit at distance 3 with a 45 degree view spans about 80 pixels.
    int solidX = 0, solidY = 0, dottedX = 0, dottedY = 0, gapsX = 0;
    for (int d = 3; d <= 75; ++d) {
        solidX += picture.pixelColor(100 + d, 100) == red;
        solidY += picture.pixelColor(100, 100 - d) == green; // +Y is up, rows go down
        dottedX += picture.pixelColor(100 - d, 100) == red;
        dottedY += picture.pixelColor(100, 100 + d) == green;
        gapsX += picture.pixelColor(100 - d, 100) == black;
    }
    EXPECT_EQ(solidX, 73);
    EXPECT_EQ(solidY, 73);
    // Stipple factor 10, pattern 0x5555: runs of ten pixels on, ten off.
    EXPECT_NEAR(dottedX, 37, 6);
    EXPECT_NEAR(dottedY, 37, 6);
    EXPECT_EQ(dottedX + gapsX, 73);
    EXPECT_EQ(picture.pixelColor(100 - 5, 100), red);
    EXPECT_EQ(picture.pixelColor(100 - 15, 100), black);
    EXPECT_EQ(picture.pixelColor(150, 150), black);
}

GLint Int(GLenum name) {
    std::array<GLint, 4> value{}; // room for the pairs some names give
    glGetIntegerv(name, value.data());
    return value[0];
}

// A value of four floats; with a face, the material's.
std::array<GLfloat, 4> Floats(GLenum name, GLenum face = 0) {
    std::array<GLfloat, 4> value{};
    face ? glGetMaterialfv(face, name, value.data()) : glGetFloatv(name, value.data());
    return value;
}

void ExpectMatrix(GLenum matrix, const QMatrix4x4& expected) {
    std::array<float, 16> actual{};
    glGetFloatv(matrix, actual.data());
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected.constData()[i], 1e-4) << i;
}

// Cull face, polygon mode, shading, antialiasing, dithering, perspective hint, lighting.
std::vector<GLint> DisplayState() {
    return {glIsEnabled(GL_CULL_FACE), Int(GL_POLYGON_MODE),
            Int(GL_SHADE_MODEL),       glIsEnabled(GL_LINE_SMOOTH),
            glIsEnabled(GL_DITHER),    Int(GL_PERSPECTIVE_CORRECTION_HINT),
            glIsEnabled(GL_LIGHTING)};
}

// Runs checks inside the paint callback, on the state the render left for it.
class PaintState : public Render {
  protected:
    void SetUp() override {
        Render::SetUp();
        view_.SetCamera(&camera_);
    }

    void InPaint(std::function<void()> checks) {
        int calls = 0;
        view_.OnPaint = TNotifyEvent(this, [&](TObject*) {
            ++calls;
            checks();
        });
        Picture();
        view_.OnPaint = {};
        EXPECT_GT(calls, 0);
    }
};

// The callback finds the lights on with lighting off, the default material and colour. The
// camera applied on its own: the viewport, perspective * Rz * Rx * Ry in the projection, the
// translation alone in the model-view; a client height of 0 keeps every matrix finite. The
// stored clip planes stay as they were.
TEST_F(PaintState, CallbackFindsLightsMaterialColourAndTheCameraApplied) {
    view_.Coordinates().SetVisible(true);
    camera_.Position().SetX(1.5f);
    camera_.Rotation().SetX(30);
    camera_.Rotation().SetY(40);
    camera_.Rotation().SetZ(50);
    InPaint([&] {
        EXPECT_TRUE(view_.IsCurrent());
        EXPECT_EQ(Int(GL_MATRIX_MODE), GL_MODELVIEW);
        for (int i = 0; i < 8; ++i)
            EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << i;
        // Lighting false: lights on, lighting off; the other display properties' defaults.
        EXPECT_EQ(DisplayState(),
                  (std::vector<GLint>{0, GL_FILL, GL_SMOOTH, 0, 1, GL_DONT_CARE, 0}));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
        EXPECT_EQ(Floats(GL_AMBIENT, GL_FRONT), (std::array<GLfloat, 4>{0.2f, 0.2f, 0.2f, 1}));
        EXPECT_EQ(Floats(GL_DIFFUSE, GL_BACK), (std::array<GLfloat, 4>{0.8f, 0.8f, 0.8f, 1}));
        EXPECT_EQ(Floats(GL_CURRENT_COLOR), (std::array<GLfloat, 4>{1, 1, 1, 1}));
        EXPECT_EQ(Floats(GL_LIGHT_MODEL_AMBIENT), TOGLColor::RGBA(0x333333));
        // Last, a paint's own clip planes: the model-view kept and selected again.
        for (auto [width, height, aspect, near, far] : {std::tuple{400, 0, 400.0f, 0.1f, 10.0f},
                                                        {400, 250, 1.6f, 0.1f, 10.0f},
                                                        {400, 250, 1.6f, 5.0f, 5000.0f}}) {
            if (near == 5)
                camera_.ApplyProjection(width, height, near, far);
            else
                camera_.ApplyCamera(width, height);
            std::array<GLint, 4> viewport{};
            glGetIntegerv(GL_VIEWPORT, viewport.data());
            EXPECT_EQ(viewport, (std::array{0, 0, width, height}));
            EXPECT_EQ(Int(GL_MATRIX_MODE), near == 5 ? GL_MODELVIEW : GL_PROJECTION);
            QMatrix4x4 projection, modelview;
            projection.perspective(45, aspect, near, far);
            projection.rotate(50, 0, 0, 1);
            projection.rotate(30, 1, 0, 0);
            projection.rotate(40, 0, 1, 0);
            modelview.translate(-1.5f, 0, -3);
            ExpectMatrix(GL_PROJECTION_MATRIX, projection);
            ExpectMatrix(GL_MODELVIEW_MATRIX, modelview);
        }
        EXPECT_EQ(std::pair(camera_.ViewNear(), camera_.ViewFar()), std::pair(0.1f, 10.0f));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    });
}

TEST_F(PaintState, DisplayPropertiesReachOpenGL) {
    view_.SetCullFace(cfFront);
    view_.SetPolygonMode(pmLine);
    view_.SetShadeModel(smFlat);
    view_.SetAntialiasing(true);
    view_.SetDithering(false);
    view_.SetPerspectiveCorrection(quNicest);
    view_.SetLighting(true);
    view_.ColorAmbient().SetColor(clGreen);
    InPaint([] {
        EXPECT_EQ(DisplayState(), (std::vector<GLint>{1, GL_LINE, GL_FLAT, 1, 0, GL_NICEST, 1}));
        EXPECT_EQ(Int(GL_CULL_FACE_MODE), GL_FRONT);
        EXPECT_EQ(Floats(GL_LIGHT_MODEL_AMBIENT), TOGLColor::RGBA(clGreen));
    });
    view_.SetCullFace(cfBack);
    InPaint([] { EXPECT_EQ(Int(GL_CULL_FACE_MODE), GL_BACK); });
}

TEST_F(PaintState, DisabledFogKeepsItsParametersAndReEnablingAppliesThemAll) {
    TOGLFog& fog = view_.Fog();
    const auto write = [&](TFogMode mode, float density, float start, float end, TColor color,
                           TQuality quality) {
        fog.SetMode(mode);
        fog.SetDensity(density);
        fog.SetStartDepth(start);
        fog.SetEndDepth(end);
        fog.Color().SetColor(color);
        fog.SetQuality(quality);
    };
    const auto expect = [&](bool enabled, GLint mode, float density, float start, float end,
                            TColor color, GLint hint) {
        InPaint([=] {
            EXPECT_EQ(std::tuple(glIsEnabled(GL_FOG) == GL_TRUE, Int(GL_FOG_MODE),
                                 Floats(GL_FOG_DENSITY)[0], Floats(GL_FOG_START)[0],
                                 Floats(GL_FOG_END)[0], Floats(GL_FOG_COLOR), Int(GL_FOG_HINT)),
                      std::tuple(enabled, mode, density, start, end, TOGLColor::RGBA(color), hint));
        });
    };
    write(fmLinear, 0.5f, 2, 5, 0x336699, quNicest);
    fog.SetEnabled(true);
    expect(true, GL_LINEAR, 0.5f, 2, 5, 0x336699, GL_NICEST);
    // Disabled: the context keeps the old parameters, new ones wait.
    fog.SetEnabled(false);
    write(fmExp2, 0.25f, 1, 8, clWhite, quFastest);
    expect(false, GL_LINEAR, 0.5f, 2, 5, 0x336699, GL_NICEST);
    fog.SetEnabled(true);
    expect(true, GL_EXP2, 0.25f, 1, 8, clWhite, GL_FASTEST);
}

} // namespace
