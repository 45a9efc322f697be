#pragma once

// Where the paint places the camera: from the drawing's extents and the three camera bars.

#include "Real.h"

#include <array>

struct TExtremos {
    Real XMin, YMin, ZMin, XMax, YMax, ZMax;
};

// X and Y run from the minimum (bar at 0) to the maximum (bar at 1000); Z runs from
// ZMin + ZMax to 2 * ZMax. An axis without extent (or one too small for its scale factor
// to be held) takes the span of the largest other axis, or 1 when no axis has any, so a
// flat drawing is seen from above and its bar still moves the camera. Every coordinate is
// finite: one beyond the float range is held at the largest float.
std::array<float, 3> PosicaoDaCamera(const TExtremos& e, int camX, int camY, int camZ);
