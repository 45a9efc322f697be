// 2D affine maps for the layout: x' = a x + b y + c, y' = d x + e y + f.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

using TAfim = std::array<double, 6>;

// `depois` after `antes`.
inline TAfim Compoe(const TAfim& depois, const TAfim& antes) {
    const auto& [a, b, c, d, e, f] = depois;
    const auto& [A, B, C, D, E, F] = antes;
    return {a * A + b * D, a * B + b * E, a * C + b * F + c,
            d * A + e * D, d * B + e * E, d * C + e * F + f};
}

inline std::array<double, 2> Aplica(const TAfim& m, double x, double y) {
    return {m[0] * x + m[1] * y + m[2], m[3] * x + m[4] * y + m[5]};
}

inline TAfim Rotacao(double radianos, double x, double y) {
    const double c = std::cos(radianos), s = std::sin(radianos);
    return {c, -s, x, s, c, y};
}

// A value read from a file made sane: not finite gives `padrao`, else clamped.
inline double Limita(double v, double minimo, double maximo, double padrao) {
    return std::isfinite(v) ? std::clamp(v, minimo, maximo) : padrao;
}

// The largest height or width factor laid out: past it the text is absurd anyway, and
// coordinates would lose all precision.
constexpr double MaximoDeAltura = 1e9;
constexpr double MinimoDeFator = 0.01, MaximoDeFator = 100;
constexpr double MaximoObliquo = 85;
