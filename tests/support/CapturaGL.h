#pragma once

// An OpenGL context for the GL tests (off-screen, under Xvfb) and GL feedback capture.

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

// The lines and polygons that `desenho` sends to OpenGL, in order, in model-view coordinates
// (unclipped within 1024 of its origin); replaces the projection, keeps the model-view matrix.
std::vector<PrimitivaCapturada> Captura(const std::function<void()>& desenho);

} // namespace glteste
