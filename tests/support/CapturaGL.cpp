#include "CapturaGL.h"

#include <GL/gl.h>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <stdexcept>

namespace glteste {

constexpr GLint MeioLado = 1024;

namespace {

// Built whole before it is registered for destruction, so that it goes before Qt's own state.
struct Contexto {
    int argc = 1;
    char nome[8] = "teste";
    char* argv[2] = {nome, nullptr};
    QGuiApplication aplicacao{argc, argv};
    QOffscreenSurface superficie;
    QOpenGLContext contexto;
    bool pronto = (superficie.create(), superficie.isValid()) && contexto.create() &&
                  contexto.makeCurrent(&superficie);
};

} // namespace

bool GarantaContexto() {
    static Contexto contexto;
    return contexto.pronto;
}

std::vector<PrimitivaCapturada> Captura(const std::function<void()>& desenho) {
    std::vector<GLfloat> buffer(1 << 22);
    glViewport(-MeioLado, -MeioLado, 2 * MeioLado, 2 * MeioLado);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-MeioLado, MeioLado, -MeioLado, MeioLado, -MeioLado, MeioLado);
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    desenho();
    const GLint usados = glRenderMode(GL_RENDER);
    if (usados < 0) throw std::runtime_error("the feedback buffer overflowed");

    std::vector<PrimitivaCapturada> primitivas;
    for (const GLfloat *valor = buffer.data(), *fim = valor + usados; valor < fim;) {
        PrimitivaCapturada p{TipoPrimitiva::Linha, {}};
        int vertices = 2;
        switch (static_cast<GLint>(*valor++)) {
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            break;
        case GL_POLYGON_TOKEN:
            p.tipo = TipoPrimitiva::Poligono;
            vertices = static_cast<int>(*valor++);
            break;
        default:
            throw std::runtime_error("unexpected token in the feedback buffer");
        }
        // x, y, z in window coordinates (x and y one to one, depth 0.5 - z / (2 * MeioLado)),
        // then RGBA.
        for (int k = 0; k < vertices; ++k, valor += 7)
            p.vertices.push_back({valor[0],
                                  valor[1],
                                  (0.5f - valor[2]) * 2 * MeioLado,
                                  {valor[3], valor[4], valor[5], valor[6]}});
        primitivas.push_back(std::move(p));
    }
    return primitivas;
}

} // namespace glteste
