#include "SentinelaGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <initializer_list>

namespace {

std::atomic<int> naoFinitos{0};

void Confere(std::initializer_list<double> valores) {
    for (double v : valores)
        if (!std::isfinite(v)) ++naoFinitos;
}

// The same function in the OpenGL (or GLU) library loaded after this program.
template <class Funcao> Funcao* Real(const char* nome) {
    void* endereco = dlsym(RTLD_NEXT, nome);
    if (endereco == nullptr) std::abort();
    return reinterpret_cast<Funcao*>(endereco);
}

} // namespace

int NaoFinitosEnviadosAoGL() {
    return naoFinitos.exchange(0);
}

extern "C" {

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat)>("glVertex3f");
    Confere({x, y, z});
    real(x, y, z);
}

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat)>("glNormal3f");
    Confere({x, y, z});
    real(x, y, z);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat)>("glColor3f");
    Confere({r, g, b});
    real(r, g, b);
}

void glColor3fv(const GLfloat* c) {
    static auto* real = Real<void(const GLfloat*)>("glColor3fv");
    Confere({c[0], c[1], c[2]});
    real(c);
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat)>("glTranslatef");
    Confere({x, y, z});
    real(x, y, z);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat)>("glScalef");
    Confere({x, y, z});
    real(x, y, z);
}

void glRotatef(GLfloat angulo, GLfloat x, GLfloat y, GLfloat z) {
    static auto* real = Real<void(GLfloat, GLfloat, GLfloat, GLfloat)>("glRotatef");
    Confere({angulo, x, y, z});
    real(angulo, x, y, z);
}

void gluPerspective(GLdouble angulo, GLdouble aspecto, GLdouble perto, GLdouble longe) {
    static auto* real = Real<void(GLdouble, GLdouble, GLdouble, GLdouble)>("gluPerspective");
    Confere({angulo, aspecto, perto, longe});
    real(angulo, aspecto, perto, longe);
}

void gluSphere(GLUquadric* quadrica, GLdouble raio, GLint fatias, GLint pilhas) {
    static auto* real = Real<void(GLUquadric*, GLdouble, GLint, GLint)>("gluSphere");
    Confere({raio});
    real(quadrica, raio, fatias, pilhas);
}

} // extern "C"
