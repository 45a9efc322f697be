#pragma once

// The GL tests' support: an OpenGL context made current for the whole test program, on an
// off-screen surface (needs a display: the GL tests run under Xvfb), and GL feedback capture
// of what a drawing routine sends to OpenGL.

#include <array>
#include <functional>
#include <vector>

namespace glteste {

// Creates the context on the first call and makes it current; false when none can be had.
bool GarantaContexto();

struct VerticeCapturado {
    float x, y, z;
    std::array<float, 4> cor; // RGBA
};

enum class TipoPrimitiva { Linha, Poligono };

struct PrimitivaCapturada {
    TipoPrimitiva tipo;
    std::vector<VerticeCapturado> vertices;
};

// Runs `desenho` in feedback mode and returns the lines and polygons it produced, in order, in
// the coordinates of the model-view space: unclipped within 1024 of its origin. The projection
// is replaced; the model-view matrix stays as the caller set it.
std::vector<PrimitivaCapturada> Captura(const std::function<void()>& desenho);

} // namespace glteste
