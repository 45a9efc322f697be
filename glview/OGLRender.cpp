// The view's render cycle: one whole picture per paint.

#include "OGLView.h"

#include <GL/gl.h>

namespace {

// OpenGL's values for the enumerations, indexed by ordinal.
constexpr GLenum QualityHints[] = {GL_FASTEST, GL_NICEST, GL_DONT_CARE};
constexpr GLenum FogModes[] = {GL_LINEAR, GL_EXP, GL_EXP2};
constexpr GLenum PolygonModes[] = {GL_POINT, GL_LINE, GL_FILL};

void SetEnabled(GLenum capability, bool enabled) {
    if (enabled)
        glEnable(capability);
    else
        glDisable(capability);
}

void ApplyFog(const TOGLFog& fog) {
    SetEnabled(GL_FOG, fog.Enabled());
    if (!fog.Enabled()) return; // the parameters stay as they were
    glFogi(GL_FOG_MODE, static_cast<GLint>(FogModes[fog.Mode()]));
    glFogf(GL_FOG_DENSITY, fog.Density());
    glFogf(GL_FOG_START, fog.StartDepth());
    glFogf(GL_FOG_END, fog.EndDepth());
    glFogfv(GL_FOG_COLOR, fog.Color().GetRGBA().data());
    glHint(GL_FOG_HINT, QualityHints[fog.Quality()]);
}

void EnableLights() {
    for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light)
        glEnable(light);
}

void SetDefaultMaterial() {
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
}

void SetDefaultColor() {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// Releases the context however the render ends, the paint callback included.
class TCurrentContext {
  public:
    explicit TCurrentContext(TOGLView& view) : view_(view) { view_.MakeCurrent(true); }
    ~TCurrentContext() { view_.MakeCurrent(false); }
    TCurrentContext(const TCurrentContext&) = delete;
    TCurrentContext& operator=(const TCurrentContext&) = delete;

  private:
    TOGLView& view_;
};

} // namespace

void TOGLView::Render() {
    if (!HasContext()) return;
    const TCurrentContext current(*this);
    if (!IsCurrent()) return;
    RenderInCurrentContext();
}

void TOGLView::RenderInCurrentContext() {
    glClear(GL_DEPTH_BUFFER_BIT);
    const auto background = TOGLColor::RGBA(backgroundColor_);
    glClearColor(background[0], background[1], background[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!camera_) return; // the background alone

    camera_->ApplyCamera(ClientWidth(), ClientHeight());
    ApplyDisplayProperties();

    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    DrawCoordinates();
    EnableLights();
    SetDefaultMaterial();
    SetDefaultColor();
    SetEnabled(GL_LIGHTING, lighting_);
    OnPaint(this);
    // No buffer swap here: Qt shows the widget's frame buffer once the paint returns.
}

void TOGLView::ApplyDisplayProperties() const {
    SetEnabled(GL_CULL_FACE, cullFace_ != cfNone);
    if (cullFace_ != cfNone) glCullFace(cullFace_ == cfFront ? GL_FRONT : GL_BACK);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, QualityHints[perspectiveCorrection_]);
    glPolygonMode(GL_FRONT_AND_BACK, PolygonModes[polygonMode_]);
    glShadeModel(shadeModel_ == smFlat ? GL_FLAT : GL_SMOOTH);
    for (GLenum smooth : {GL_POINT_SMOOTH, GL_LINE_SMOOTH, GL_POLYGON_SMOOTH})
        SetEnabled(smooth, antialiasing_);
    SetEnabled(GL_DITHER, dithering_);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, colorAmbient_.GetRGBA().data());
    SetEnabled(GL_LIGHTING, lighting_);
    ApplyFog(fog_);
}

void TOGLView::DrawCoordinates() const {
    if (!coordinates_.Visible()) return;
    const float length = coordinates_.Length();
    const auto drawAxes = [&](float end) {
        glBegin(GL_LINES);
        const TColor colors[] = {coordinates_.ColorX(), coordinates_.ColorY(),
                                 coordinates_.ColorZ()};
        for (int axis = 0; axis < 3; ++axis) {
            glColor3fv(TOGLColor::RGBA(colors[axis]).data());
            glVertex3f(0.0f, 0.0f, 0.0f);
            glVertex3f(axis == 0 ? end : 0.0f, axis == 1 ? end : 0.0f, axis == 2 ? end : 0.0f);
        }
        glEnd();
    };

    glPushMatrix();
    glLineWidth(1.0f);
    glDisable(GL_LINE_STIPPLE);
    drawAxes(length);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(10, 0x5555);
    drawAxes(-length);
    glDisable(GL_LINE_STIPPLE);
    glPopMatrix();
}
