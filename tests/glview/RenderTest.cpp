// One render, checked on the pixels it leaves and on the OpenGL state the paint callback finds.

#include "OGLDescription.h"
#include "ViewTesting.h"

#include <GL/gl.h>
#include <QMatrix4x4>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
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

    // Runs checks inside the paint callback, on the state the render left for it.
    void InPaint(std::function<void()> checks) {
        view_.SetCamera(&camera_);
        int calls = 0;
        view_.OnPaint = TNotifyEvent(this, [&](TObject*) {
            ++calls;
            checks();
        });
        view_.grabFramebuffer();
        view_.OnPaint = {};
        EXPECT_GT(calls, 0);
    }

    TTestView view_;
    TOGLCamera camera_;
};

// Without a camera only the background, and no callback; with one, the axis cross: a world unit
// spans about 80 pixels, the negative half-axes dotted in runs of ten.
TEST_F(Render, BackgroundAloneWithoutCameraAxisCrossWithIt) {
    view_.SetBackgroundColor(0x336699);
    view_.Coordinates().SetVisible(true);
    TCounter renders;
    view_.OnPaint = renders.Event();
    EXPECT_EQ(view_.grabFramebuffer().pixelColor(0, 200), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(renders.count, 0);

    view_.SetBackgroundColor(clBlack);
    view_.SetCamera(&camera_);
    const QImage picture = view_.grabFramebuffer();
    const QColor red(255, 0, 0), green(0, 128, 0), black(0, 0, 0);
    const std::tuple<int, int, QColor> pixels[] = {
        {103, 100, red},   {175, 100, red},   {190, 100, black}, {100, 97, green},
        {100, 25, green},  {95, 100, red},    {85, 100, black},  {35, 100, red},
        {100, 105, green}, {100, 115, black}, {150, 150, black}};
    for (auto [x, y, color] : pixels)
        EXPECT_EQ(picture.pixelColor(x, y), color) << x << "," << y;
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

// The callback finds the lights on with lighting off, the default material and colour. The camera
// applies perspective * Rz * Rx * Ry and the translation alone; a height of 0 stays finite.
TEST_F(Render, CallbackFindsLightsMaterialColourAndTheCameraApplied) {
    view_.Coordinates().SetVisible(true);
    camera_.Position().SetX(1.5f);
    camera_.Rotation().SetX(30);
    camera_.Rotation().SetY(40);
    camera_.Rotation().SetZ(50);
    InPaint([&] {
        EXPECT_EQ(Int(GL_MATRIX_MODE), GL_MODELVIEW);
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0) && glIsEnabled(GL_LIGHT7));
        EXPECT_EQ(DisplayState(),
                  (std::vector<GLint>{0, GL_FILL, GL_SMOOTH, 0, 1, GL_DONT_CARE, 0}));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
        EXPECT_EQ(Floats(GL_AMBIENT, GL_FRONT), (std::array<GLfloat, 4>{0.2f, 0.2f, 0.2f, 1}));
        EXPECT_EQ(Floats(GL_DIFFUSE, GL_BACK), (std::array<GLfloat, 4>{0.8f, 0.8f, 0.8f, 1}));
        EXPECT_EQ(Floats(GL_CURRENT_COLOR), (std::array<GLfloat, 4>{1, 1, 1, 1}));
        EXPECT_EQ(Floats(GL_LIGHT_MODEL_AMBIENT), TOGLColor::RGBA(0x333333));
        camera_.ApplyProjection(400, 250, 5, 5000); // a paint's own clip planes
        EXPECT_EQ(Int(GL_MATRIX_MODE), GL_MODELVIEW);
        camera_.ApplyCamera(400, 0);
        std::array<GLint, 4> viewport{};
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        EXPECT_EQ(viewport, (std::array{0, 0, 400, 0}));
        EXPECT_EQ(Int(GL_MATRIX_MODE), GL_PROJECTION);
        QMatrix4x4 projection, modelview;
        projection.perspective(45, 400, 0.1f, 10);
        projection.rotate(50, 0, 0, 1);
        projection.rotate(30, 1, 0, 0);
        projection.rotate(40, 0, 1, 0);
        modelview.translate(-1.5f, 0, -3);
        ExpectMatrix(GL_PROJECTION_MATRIX, projection);
        ExpectMatrix(GL_MODELVIEW_MATRIX, modelview);
        EXPECT_EQ(std::pair(camera_.ViewNear(), camera_.ViewFar()), std::pair(0.1f, 10.0f));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    });
}

TEST_F(Render, DisplayPropertiesReachOpenGL) {
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
}

// Disabled, the fog leaves the context's parameters as they were; enabled, it applies them all.
TEST_F(Render, DisabledFogKeepsItsParametersAndReEnablingAppliesThemAll) {
    TOGLFog& fog = view_.Fog();
    const auto expect = [&](bool enabled, GLint mode, float density, float start, float end,
                            TColor color, GLint hint) {
        InPaint([=] {
            EXPECT_EQ(std::tuple(glIsEnabled(GL_FOG) == GL_TRUE, Int(GL_FOG_MODE),
                                 Floats(GL_FOG_DENSITY)[0], Floats(GL_FOG_START)[0],
                                 Floats(GL_FOG_END)[0], Floats(GL_FOG_COLOR), Int(GL_FOG_HINT)),
                      std::tuple(enabled, mode, density, start, end, TOGLColor::RGBA(color), hint));
        });
    };
    const auto load = [&](const std::string& values) {
        CarregaDescricao("object Fog1: TOGLFog\n" + values + "\nend", {{"Fog1", &fog}});
    };
    load("Enabled = True\nMode = fmLinear\nDensity = 0.5\nStartDepth = 2\nEndDepth = 5\n"
         "Color.Color = $336699\nQuality = quNicest");
    expect(true, GL_LINEAR, 0.5f, 2, 5, 0x336699, GL_NICEST);
    load("Enabled = False\nMode = fmExp2\nDensity = 0.25\nStartDepth = 1\nEndDepth = 8\n"
         "Color.Color = clWhite\nQuality = quFastest");
    expect(false, GL_LINEAR, 0.5f, 2, 5, 0x336699, GL_NICEST);
    fog.SetEnabled(true);
    expect(true, GL_EXP2, 0.25f, 1, 8, clWhite, GL_FASTEST);
}

} // namespace
