#pragma once

// Where the paint places the camera (from the drawing's extents and the three camera bars)
// and the drawing: relative to a local origin when the drawing lies far from the world's.

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
// The position is given relative to `origem`, subtracted before rounding to float.
std::array<float, 3> PosicaoDaCamera(const TExtremos& e, int camX, int camY, int camZ,
                                     const std::array<double, 3>& origem = {});

// Floats step by 1/256 or less within this bound: no local origin is needed there.
inline constexpr double LimiteSemOrigemLocal = 0x1p16;

// The local origin the drawing is sent relative to: none, (0, 0, 0), while every coordinate
// of the extents lies within LimiteSemOrigemLocal, so that the pictures of such drawings stay
// as they always were; otherwise the extents' centre rounded to a whole number that a float
// holds exactly.
std::array<double, 3> OrigemParaExtremos(const TExtremos& e);

// The drawing's turn by the rotation bars about the world origin (glRotatef about X, then
// Y, then Z, each in degrees), for a drawing sent relative to `origem`:
// T(-origem) * R * T(origem), in double, column by column as OpenGL reads it. Its
// translation R * origem - origem is exactly 0 while no bar turns, so what lies near the
// camera keeps its precision.
std::array<double, 16> GiroDoDesenho(double rotX, double rotY, double rotZ,
                                     const std::array<double, 3>& origem);
