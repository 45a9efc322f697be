// The camera applied to a real OpenGL context, read back from its matrices.

#include "OGLCam.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using TMatrix = std::array<float, 16>; // column-major, as OpenGL keeps it

class ApplyCameraTest : public testing::Test {
  protected:
    void SetUp() override {
        surface_.create();
        ASSERT_TRUE(context_.create());
        ASSERT_TRUE(context_.makeCurrent(&surface_));
    }
    void TearDown() override { context_.doneCurrent(); }

    static TMatrix Read(GLenum matrix) {
        TMatrix m{};
        glGetFloatv(matrix, m.data());
        return m;
    }

    QOffscreenSurface surface_;
    QOpenGLContext context_;
};

TMatrix Multiply(const TMatrix& a, const TMatrix& b) {
    TMatrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                r[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return r;
}

TMatrix Rotation(float degrees, int axis) {
    const double a = degrees * std::numbers::pi / 180.0;
    const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    TMatrix r{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    r[i * 4 + i] = c;
    r[j * 4 + j] = c;
    r[i * 4 + j] = s;
    r[j * 4 + i] = -s;
    return r;
}

TMatrix Perspective(float fovy, float aspect, float zNear, float zFar) {
    const double f = 1.0 / std::tan(fovy * std::numbers::pi / 360.0);
    TMatrix p{};
    p[0] = static_cast<float>(f / aspect);
    p[5] = static_cast<float>(f);
    p[10] = (zFar + zNear) / (zNear - zFar);
    p[11] = -1;
    p[14] = 2 * zFar * zNear / (zNear - zFar);
    return p;
}

void ExpectNear(const TMatrix& actual, const TMatrix& expected) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-4) << "element " << i;
}

TEST_F(ApplyCameraTest, ViewportPerspectiveWithTurnAndTranslation) {
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

    // Perspective * Rz * Rx * Ry, in that order.
    const TMatrix turn = Multiply(Multiply(Rotation(50, 2), Rotation(30, 0)), Rotation(40, 1));
    ExpectNear(Read(GL_PROJECTION_MATRIX), Multiply(Perspective(45, 1.6f, 0.1f, 10), turn));
    // The modelview holds only the translation by the negated position.
    ExpectNear(Read(GL_MODELVIEW_MATRIX), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, -0.2f, -2, 1});
}

TEST_F(ApplyCameraTest, WorldOriginLiesTwoUnitsAheadAndBelowTheLineOfSight) {
    TOGLCamera camera;
    camera.ApplyCamera(400, 250);
    const TMatrix projection = Read(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(projection[5] / projection[0], 1.6f, 1e-6);
    const TMatrix modelview = Read(GL_MODELVIEW_MATRIX);
    EXPECT_FLOAT_EQ(modelview[13], -0.2f);
    EXPECT_FLOAT_EQ(modelview[14], -2.0f);
}

TEST_F(ApplyCameraTest, ZeroClientHeightKeepsEveryMatrixFinite) {
    TOGLCamera camera;
    camera.ApplyCamera(400, 0);
    for (float v : Read(GL_PROJECTION_MATRIX))
        EXPECT_TRUE(std::isfinite(v));
    for (float v : Read(GL_MODELVIEW_MATRIX))
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
