#pragma once

// Filled regions bounded by closed contours, cut into triangles by GLU's tessellator (which
// needs no OpenGL context): holes, islands and self-crossing contours by the winding rule.

#include <array>
#include <cstddef>
#include <vector>

using TPonto2 = std::array<double, 2>;

enum class TRegraDeEnrolamento { Impar, NaoZero };

// Triangles (three points each, counter-clockwise, none of zero area) covering the region the
// contours bound by `regra`; a contour is closed implicitly (its last point need not repeat the
// first). Contours of fewer than three points add nothing; non-finite points are left out. Empty
// when the contours have more than `maximoDeVertices` points in all.
std::vector<TPonto2> Tessela(const std::vector<std::vector<TPonto2>>& contornos,
                             TRegraDeEnrolamento regra, std::size_t maximoDeVertices = 200'000);
