// The scene's OpenGL state: smooth shading, depth test, back-face culling, two grey lights,
// colour material and a fixed material for both sides.

#include "ConfiguraCena.h"

#include <GL/gl.h>

namespace {

constexpr GLfloat CinzaAmbiente[] = {0.25f, 0.25f, 0.25f, 1.0f};
constexpr GLfloat CinzaDifuso[] = {0.9f, 0.9f, 0.9f, 1.0f};
// Positional (W = 1); placed while the modelview holds only the camera's translation, so
// the light stays at the world point (0, 0, 10) whatever the drawing's rotation.
constexpr GLfloat PosicaoDaLuz[] = {0.0f, 0.0f, 10.0f, 1.0f};

} // namespace

void ConfiguraCena() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, CinzaAmbiente);

    // Light 0 keeps OpenGL's default position: directional, along the view, fixed to the eye.
    glLightfv(GL_LIGHT0, GL_AMBIENT, CinzaAmbiente);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, CinzaDifuso);
    glLightfv(GL_LIGHT1, GL_AMBIENT, CinzaAmbiente);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, CinzaDifuso);
    glLightfv(GL_LIGHT1, GL_POSITION, PosicaoDaLuz);

    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, CinzaAmbiente);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, CinzaDifuso);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 128.0f);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}

FacesDosDoisLados::FacesDosDoisLados() {
    glDisable(GL_CULL_FACE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
}

FacesDosDoisLados::~FacesDosDoisLados() {
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    glEnable(GL_CULL_FACE);
}
