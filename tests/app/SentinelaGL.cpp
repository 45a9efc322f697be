// The drawing's vertex, normal, colour and transform calls, defined here: they count any NaN or
// infinity among their arguments and pass the call on to the real OpenGL library unchanged.

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

// Defines `nome` with these parameters: it checks the values listed, then calls the real one.
#define VIGIA(nome, parametros, conferidos, argumentos)                                            \
    void nome parametros {                                                                         \
        static auto* real = Real<void parametros>(#nome);                                          \
        Confere conferidos;                                                                        \
        real argumentos;                                                                           \
    }

extern "C" {
VIGIA(glVertex3f, (GLfloat x, GLfloat y, GLfloat z), ({x, y, z}), (x, y, z))
VIGIA(glNormal3f, (GLfloat x, GLfloat y, GLfloat z), ({x, y, z}), (x, y, z))
VIGIA(glColor3f, (GLfloat x, GLfloat y, GLfloat z), ({x, y, z}), (x, y, z))
VIGIA(glColor3fv, (const GLfloat* c), ({c[0], c[1], c[2]}), (c))
VIGIA(glTranslatef, (GLfloat x, GLfloat y, GLfloat z), ({x, y, z}), (x, y, z))
VIGIA(glScalef, (GLfloat x, GLfloat y, GLfloat z), ({x, y, z}), (x, y, z))
VIGIA(glRotatef, (GLfloat a, GLfloat x, GLfloat y, GLfloat z), ({a, x, y, z}), (a, x, y, z))
VIGIA(gluPerspective, (GLdouble a, GLdouble r, GLdouble n, GLdouble f), ({a, r, n, f}),
      (a, r, n, f))
VIGIA(gluSphere, (GLUquadric * q, GLdouble r, GLint s, GLint p), ({r}), (q, r, s, p))
}
