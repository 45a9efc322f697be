#include "ContextoGL.h"

#include <GL/gl.h>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <memory>

namespace glteste {

namespace {

struct Contexto {
    int argc = 1;
    char nome[16] = "teste";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QGuiApplication> aplicacao;
    std::unique_ptr<QOffscreenSurface> superficie;
    std::unique_ptr<QOpenGLContext> contexto;
    bool pronto = false;

    Contexto() {
        if (!QGuiApplication::instance()) aplicacao = std::make_unique<QGuiApplication>(argc, argv);
        QSurfaceFormat formato;
        formato.setRenderableType(QSurfaceFormat::OpenGL);
        formato.setProfile(QSurfaceFormat::CompatibilityProfile);
        formato.setDepthBufferSize(24);
        superficie = std::make_unique<QOffscreenSurface>();
        superficie->setFormat(formato);
        superficie->create();
        contexto = std::make_unique<QOpenGLContext>();
        contexto->setFormat(formato);
        pronto =
            superficie->isValid() && contexto->create() && contexto->makeCurrent(superficie.get());
    }
};

} // namespace

bool GarantaContexto() {
    static Contexto contexto;
    return contexto.pronto;
}

void RestauraEstado() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
    glNormal3f(0, 0, 1);
}

} // namespace glteste
