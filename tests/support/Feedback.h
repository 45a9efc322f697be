#pragma once

// Captures what a drawing routine sends to OpenGL, through GL feedback mode: every point,
// line and polygon after transformation, in the coordinates of the model-view space (the
// projection and viewport are set so that window coordinates give them back).

#include <array>
#include <functional>
#include <vector>

namespace glteste {

struct VerticeCapturado {
    float x, y, z;
    std::array<float, 4> cor; // RGBA
};

enum class TipoPrimitiva { Ponto, Linha, Poligono };

struct PrimitivaCapturada {
    TipoPrimitiva tipo;
    std::vector<VerticeCapturado> vertices;
};

// Half the side of the cube around the model-view origin that is captured unclipped.
inline constexpr float MeioLado = 1024;

// Runs `desenho` in feedback mode and returns the primitives it produced, in order.
// The model-view matrix is left as the caller set it; the projection is replaced.
std::vector<PrimitivaCapturada> Captura(const std::function<void()>& desenho);

} // namespace glteste
