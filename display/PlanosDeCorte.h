#pragma once

// The clip planes of one paint. The camera's stored planes (0.1 and 1000 in the main
// window) would clip a drawing a few thousand units wide; the paint measures how far in
// front of the eye its drawing lies and chooses planes that hold all of it, keeping the
// stored ones whenever they already do.

#include <array>
#include <limits>

// The depths (distances along the viewing direction) of what a paint draws in front of
// the eye.
struct TFaixaDeProfundidade {
    // Nearest depth in front of the eye; 0 when something crosses the eye's plane, so that
    // its part in front of the eye can come as near as it likes.
    double MaisPerto = std::numeric_limits<double>::infinity();
    // Farthest depth; not above 0 while nothing lies in front of the eye.
    double MaisLonge = -std::numeric_limits<double>::infinity();

    // One primitive (or a box that holds some) whose depths run from menor to maior.
    void Inclui(double menor, double maior);
};

// The depths of everything the paint draws with the current projection and modelview
// matrices: the top-level lists relative to the local origin, and every insertion's block
// as placed. `minimo` and `maximo` bound the top-level points (the drawing's extents; none
// when a minimum exceeds its maximum). A box that lies wholly in front of or behind the eye
// counts as a whole; where a box crosses the eye's plane its elements are measured one by
// one, so that the camera can stand among them.
TFaixaDeProfundidade FaixaDoDesenho(const std::array<double, 3>& minimo,
                                    const std::array<double, 3>& maximo);

// The depths of a box (in the coordinates the current modelview matrix takes) with the
// current projection and modelview matrices.
TFaixaDeProfundidade FaixaDaCaixa(const std::array<double, 3>& minimo,
                                  const std::array<double, 3>& maximo);

struct TPlanos {
    float Perto, Longe;
    bool operator==(const TPlanos&) const = default;
};

// The far plane stays within this many times the near one: the ratio of the stored
// planes, 0.1 to 1000, so a big drawing keeps the depth resolution of a small one. With a
// 24-bit depth buffer it resolves 1e4 / 2^24, about 0.06 %, of the distance at the far plane.
inline constexpr double RazaoLongePerto = 1e4;

// The stored planes when the range lies within them, when nothing lies in front of the eye,
// or when the far plane would lie beyond the square root of the largest float (about 1.8e19,
// where OpenGL's single-precision clipping could overflow); otherwise a far plane 1 % beyond
// the farthest depth and a near plane 1 % before the nearest, but no nearer than far / 1e4.
TPlanos PlanosParaFaixa(const TFaixaDeProfundidade& faixa, const TPlanos& guardados);
