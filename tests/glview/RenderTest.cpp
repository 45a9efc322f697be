// One render, checked on the pixels it leaves and on the OpenGL state the paint callback finds.

#include "ViewTesting.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// An odd size puts the world origin on the centre of pixel (100, 100).
class RenderTest : public testing::Test {
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

TEST_F(RenderTest, WithoutCameraOnlyTheBackgroundAndNoCallback) {
    view_.SetBackgroundColor(0x336699);
    view_.Coordinates().SetVisible(true);
    TCounter renders;
    view_.OnPaint = renders.Event();
    const QImage picture = Picture();
    for (int y = 0; y < picture.height(); y += 5)
        for (int x = 0; x < picture.width(); x += 5)
            ASSERT_EQ(picture.pixelColor(x, y), QColor(0x99, 0x66, 0x33)) << x << "," << y;
    EXPECT_EQ(renders.count, 0);
}

TEST_F(RenderTest, AxisCrossHasSolidPositiveAndDottedNegativeHalves) {
    view_.SetCamera(&camera_);
    view_.Coordinates().SetVisible(true);
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

// What the paint callback finds, read from the context while it runs.
struct TFoundState {
    bool current = false;
    GLint matrixMode = 0;
    std::array<GLfloat, 16> modelview{};
    std::array<GLboolean, 8> lights{};
    GLboolean lighting = 0, depthTest = 0, lineStipple = 0, cullFace = 0, lineSmooth = 0,
              dither = 0, fog = 0;
    GLint cullFaceMode = 0, shadeModel = 0, perspectiveHint = 0, fogMode = 0, fogHint = 0;
    std::array<GLint, 2> polygonMode{};
    std::array<GLfloat, 4> ambientModel{}, materialAmbient{}, materialDiffuse{}, materialSpecular{},
        materialEmission{}, currentColor{}, fogColor{};
    GLfloat shininess = -1, fogDensity = 0, fogStart = 0, fogEnd = 0;

    void Read(const TOGLView& view) {
        current = view.IsCurrent();
        glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
        for (int i = 0; i < 8; ++i)
            lights[i] = glIsEnabled(GL_LIGHT0 + i);
        lighting = glIsEnabled(GL_LIGHTING);
        depthTest = glIsEnabled(GL_DEPTH_TEST);
        lineStipple = glIsEnabled(GL_LINE_STIPPLE);
        cullFace = glIsEnabled(GL_CULL_FACE);
        lineSmooth = glIsEnabled(GL_LINE_SMOOTH);
        dither = glIsEnabled(GL_DITHER);
        fog = glIsEnabled(GL_FOG);
        glGetIntegerv(GL_CULL_FACE_MODE, &cullFaceMode);
        glGetIntegerv(GL_SHADE_MODEL, &shadeModel);
        glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &perspectiveHint);
        glGetIntegerv(GL_POLYGON_MODE, polygonMode.data());
        glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambientModel.data());
        glGetMaterialfv(GL_FRONT, GL_AMBIENT, materialAmbient.data());
        glGetMaterialfv(GL_BACK, GL_DIFFUSE, materialDiffuse.data());
        glGetMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular.data());
        glGetMaterialfv(GL_FRONT, GL_EMISSION, materialEmission.data());
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
        glGetFloatv(GL_CURRENT_COLOR, currentColor.data());
        glGetIntegerv(GL_FOG_MODE, &fogMode);
        glGetIntegerv(GL_FOG_HINT, &fogHint);
        glGetFloatv(GL_FOG_COLOR, fogColor.data());
        glGetFloatv(GL_FOG_DENSITY, &fogDensity);
        glGetFloatv(GL_FOG_START, &fogStart);
        glGetFloatv(GL_FOG_END, &fogEnd);
    }
};

class PaintStateTest : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        view_.SetCamera(&camera_);
        view_.OnPaint = TNotifyEvent(this, [this](TObject*) { found_.Read(view_); });
    }

    const TFoundState& Render() {
        found_ = {};
        Picture();
        return found_;
    }

    TFoundState found_;
};

TEST_F(PaintStateTest, CallbackFindsCameraLightsMaterialAndColourSetUp) {
    view_.Coordinates().SetVisible(true);
    camera_.Position().SetX(1.5f);
    const TFoundState& s = Render();
    EXPECT_TRUE(s.current);
    EXPECT_EQ(s.matrixMode, GL_MODELVIEW);
    EXPECT_EQ(s.modelview[12], -1.5f);
    EXPECT_EQ(s.modelview[14], -3.0f);
    EXPECT_EQ(s.modelview[0], 1.0f);
    EXPECT_EQ(s.lights, (std::array<GLboolean, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(s.lighting); // Lighting false: the lights are on, lighting is off
    EXPECT_TRUE(s.depthTest);
    EXPECT_FALSE(s.lineStipple);
    EXPECT_EQ(s.materialAmbient, (std::array<GLfloat, 4>{0.2f, 0.2f, 0.2f, 1}));
    EXPECT_EQ(s.materialDiffuse, (std::array<GLfloat, 4>{0.8f, 0.8f, 0.8f, 1}));
    EXPECT_EQ(s.materialSpecular, (std::array<GLfloat, 4>{0, 0, 0, 1}));
    EXPECT_EQ(s.materialEmission, (std::array<GLfloat, 4>{0, 0, 0, 1}));
    EXPECT_EQ(s.shininess, 0.0f);
    EXPECT_EQ(s.currentColor, (std::array<GLfloat, 4>{1, 1, 1, 1}));
    EXPECT_EQ(s.ambientModel, TOGLColor::RGBA(0x333333));
}

TEST_F(PaintStateTest, DisplayPropertiesReachOpenGL) {
    const TFoundState defaults = Render();
    EXPECT_FALSE(defaults.cullFace);
    EXPECT_EQ(defaults.polygonMode[0], GL_FILL);
    EXPECT_EQ(defaults.shadeModel, GL_SMOOTH);
    EXPECT_FALSE(defaults.lineSmooth);
    EXPECT_TRUE(defaults.dither);
    EXPECT_EQ(defaults.perspectiveHint, GL_DONT_CARE);

    view_.SetCullFace(cfFront);
    view_.SetPolygonMode(pmLine);
    view_.SetShadeModel(smFlat);
    view_.SetAntialiasing(true);
    view_.SetDithering(false);
    view_.SetPerspectiveCorrection(quNicest);
    view_.SetLighting(true);
    view_.ColorAmbient().SetColor(clGreen);
    const TFoundState& s = Render();
    EXPECT_TRUE(s.cullFace);
    EXPECT_EQ(s.cullFaceMode, GL_FRONT);
    EXPECT_EQ(s.polygonMode[0], GL_LINE);
    EXPECT_EQ(s.polygonMode[1], GL_LINE);
    EXPECT_EQ(s.shadeModel, GL_FLAT);
    EXPECT_TRUE(s.lineSmooth);
    EXPECT_FALSE(s.dither);
    EXPECT_EQ(s.perspectiveHint, GL_NICEST);
    EXPECT_TRUE(s.lighting);
    EXPECT_EQ(s.ambientModel, TOGLColor::RGBA(clGreen));

    view_.SetCullFace(cfBack);
    EXPECT_EQ(Render().cullFaceMode, GL_BACK);
    view_.SetCullFace(cfNone);
    EXPECT_FALSE(Render().cullFace);
}

// One set of fog parameters, as the view holds them and as OpenGL should find them.
struct TFogSetting {
    TFogMode mode;
    GLint glMode;
    float density, start, end;
    TColor color;
    TQuality quality;
    GLint glHint;

    void WriteTo(TOGLFog& fog) const {
        fog.SetMode(mode);
        fog.SetDensity(density);
        fog.SetStartDepth(start);
        fog.SetEndDepth(end);
        fog.Color().SetColor(color);
        fog.SetQuality(quality);
    }
    void ExpectIn(const TFoundState& s) const {
        EXPECT_EQ(s.fogMode, glMode);
        EXPECT_EQ(s.fogDensity, density);
        EXPECT_EQ(s.fogStart, start);
        EXPECT_EQ(s.fogEnd, end);
        EXPECT_EQ(s.fogColor, TOGLColor::RGBA(color));
        EXPECT_EQ(s.fogHint, glHint);
    }
};

TEST_F(PaintStateTest, DisabledFogKeepsItsParametersAndReEnablingAppliesThemAll) {
    const TFogSetting first{fmLinear, GL_LINEAR, 0.5f, 2, 5, 0x336699, quNicest, GL_NICEST};
    const TFogSetting second{fmExp2, GL_EXP2, 0.25f, 1, 8, clWhite, quFastest, GL_FASTEST};
    first.WriteTo(view_.Fog());
    view_.Fog().SetEnabled(true);
    EXPECT_TRUE(Render().fog);
    first.ExpectIn(found_);

    // Disabled: the context keeps the old parameters, new ones wait.
    view_.Fog().SetEnabled(false);
    second.WriteTo(view_.Fog());
    EXPECT_FALSE(Render().fog);
    first.ExpectIn(found_);

    view_.Fog().SetEnabled(true);
    EXPECT_TRUE(Render().fog);
    second.ExpectIn(found_);
}

TEST_F(PaintStateTest, CameraChangedInTheCallbackShowsInTheNextRender) {
    int renders = 0;
    view_.OnPaint = TNotifyEvent(this, [&](TObject*) {
        found_.Read(view_);
        ++renders;
        camera_.Position().SetX(2); // the paint cycle moves the camera like this
    });
    Settle();
    ASSERT_TRUE(WaitFor([&] { return found_.modelview[12] == -2.0f; }));
    Settle();
    const int settled = renders;
    Settle();
    EXPECT_EQ(renders, settled); // writing the same position again requests nothing
}

} // namespace
