#include "Feedback.h"

#include <GL/gl.h>
#include <stdexcept>

namespace glteste {

namespace {

constexpr int FloatsPorVertice = 7; // GL_3D_COLOR in RGBA mode: x, y, z, r, g, b, a

VerticeCapturado LeVertice(const std::vector<GLfloat>& buffer, std::size_t& i) {
    VerticeCapturado v{};
    // Back from window coordinates: the viewport maps x and y one to one, depth is
    // 0.5 - z / (2 * MeioLado) under the orthographic projection.
    v.x = buffer[i];
    v.y = buffer[i + 1];
    v.z = (0.5f - buffer[i + 2]) * 2 * MeioLado;
    for (int k = 0; k < 4; ++k)
        v.cor[k] = buffer[i + 3 + k];
    i += FloatsPorVertice;
    return v;
}

std::vector<PrimitivaCapturada> Interpreta(const std::vector<GLfloat>& buffer, std::size_t n) {
    std::vector<PrimitivaCapturada> primitivas;
    std::size_t i = 0;
    while (i < n) {
        const auto token = static_cast<GLint>(buffer[i++]);
        PrimitivaCapturada p{};
        int vertices = 0;
        switch (token) {
        case GL_POINT_TOKEN:
            p.tipo = TipoPrimitiva::Ponto;
            vertices = 1;
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            p.tipo = TipoPrimitiva::Linha;
            vertices = 2;
            break;
        case GL_POLYGON_TOKEN:
            p.tipo = TipoPrimitiva::Poligono;
            vertices = static_cast<int>(buffer[i++]);
            break;
        case GL_PASS_THROUGH_TOKEN:
            ++i;
            continue;
        default:
            throw std::runtime_error("unexpected token in the feedback buffer");
        }
        for (int k = 0; k < vertices; ++k)
            p.vertices.push_back(LeVertice(buffer, i));
        primitivas.push_back(std::move(p));
    }
    return primitivas;
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
    return Interpreta(buffer, static_cast<std::size_t>(usados));
}

std::vector<PrimitivaCapturada> Poligonos(const std::vector<PrimitivaCapturada>& captura) {
    std::vector<PrimitivaCapturada> poligonos;
    for (const auto& p : captura)
        if (p.tipo == TipoPrimitiva::Poligono) poligonos.push_back(p);
    return poligonos;
}

} // namespace glteste
