// The camera applied to a real OpenGL context, read back from its matrices.

#include "OGLCam.h"

#include <QMatrix4x4>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

class ApplyCameraTest : public testing::Test {
  protected:
    void SetUp() override {
        surface_.create();
        ASSERT_TRUE(context_.create());
        ASSERT_TRUE(context_.makeCurrent(&surface_));
    }
    void TearDown() override { context_.doneCurrent(); }

    static void ExpectNear(GLenum matrix, const QMatrix4x4& expected) {
        std::array<float, 16> actual{};
        glGetFloatv(matrix, actual.data());
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(actual[i], expected.constData()[i], 1e-4) << i;
    }

    QOffscreenSurface surface_;
    QOpenGLContext context_;
};

TEST_F(ApplyCameraTest, ViewportPerspectiveWithTurnAndTranslationAndFiniteForHeightZero) {
    TOGLCamera camera;
    camera.Rotation().SetX(30);
    camera.Rotation().SetY(40);
    camera.Rotation().SetZ(50);
    camera.ApplyCamera(400, 250);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 400, 250}));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);

    // Perspective * Rz * Rx * Ry, in that order; the modelview holds only the translation.
    QMatrix4x4 projection;
    projection.perspective(45, 1.6f, 0.1f, 10);
    projection.rotate(50, 0, 0, 1);
    projection.rotate(30, 1, 0, 0);
    projection.rotate(40, 0, 1, 0);
    ExpectNear(GL_PROJECTION_MATRIX, projection);
    QMatrix4x4 modelview;
    modelview.translate(0, -0.2f, -2);
    ExpectNear(GL_MODELVIEW_MATRIX, modelview);

    // A paint's own clip planes: the same perspective and turn, the modelview kept and
    // selected again, the stored planes as they were.
    camera.ApplyProjection(400, 250, 5, 5000);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    QMatrix4x4 ownPlanes;
    ownPlanes.perspective(45, 1.6f, 5, 5000);
    ownPlanes.rotate(50, 0, 0, 1);
    ownPlanes.rotate(30, 1, 0, 0);
    ownPlanes.rotate(40, 0, 1, 0);
    ExpectNear(GL_PROJECTION_MATRIX, ownPlanes);
    ExpectNear(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(std::pair(camera.ViewNear(), camera.ViewFar()), std::pair(0.1f, 10.0f));

    // A client height of zero keeps every matrix finite: the width alone is the aspect ratio.
    TOGLCamera().ApplyCamera(400, 0);
    QMatrix4x4 flat;
    flat.perspective(45, 400, 0.1f, 10);
    ExpectNear(GL_PROJECTION_MATRIX, flat);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
