#include "Feedback.h"

#include <GL/gl.h>
#include <stdexcept>

namespace glteste {

namespace {

// The vertices that follow a token, or -1 for a pass-through marker (one value to skip).
int VerticesDoToken(GLint token, const GLfloat*& valor, TipoPrimitiva& tipo) {
    switch (token) {
    case GL_POINT_TOKEN:
        tipo = TipoPrimitiva::Ponto;
        return 1;
    case GL_LINE_TOKEN:
    case GL_LINE_RESET_TOKEN:
        tipo = TipoPrimitiva::Linha;
        return 2;
    case GL_POLYGON_TOKEN:
        tipo = TipoPrimitiva::Poligono;
        return static_cast<int>(*valor++);
    case GL_PASS_THROUGH_TOKEN:
        return -1;
    }
    throw std::runtime_error("unexpected token in the feedback buffer");
}

} // namespace

std::vector<PrimitivaCapturada> Captura(const std::function<void()>& desenho) {
    std::vector<GLfloat> buffer(1 << 22);
    const auto lado = static_cast<GLsizei>(2 * MeioLado);
    glViewport(-lado / 2, -lado / 2, lado, lado);
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
        PrimitivaCapturada p{};
        const int vertices = VerticesDoToken(static_cast<GLint>(*valor++), valor, p.tipo);
        if (vertices < 0) ++valor;
        // GL_3D_COLOR in RGBA mode: x, y, z in window coordinates, then r, g, b, a. The
        // viewport maps x and y one to one; depth is 0.5 - z / (2 * MeioLado).
        for (int k = 0; k < vertices; ++k, valor += 7)
            p.vertices.push_back({valor[0],
                                  valor[1],
                                  (0.5f - valor[2]) * 2 * MeioLado,
                                  {valor[3], valor[4], valor[5], valor[6]}});
        if (vertices >= 0) primitivas.push_back(std::move(p));
    }
    return primitivas;
}

} // namespace glteste
