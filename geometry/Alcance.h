#pragma once

// Lets the selection probe pass over whole blocks that its line cannot hit, without
// changing which crossings it marks.
//
// Why it holds: PontoDentroDaFace accepts a point P only when the angles that the face's
// four edges subtend at P add up to 360 degrees. An edge of length L whose ends lie at
// distances a and b from P subtends at most pi * L / (a + b) (the unit vectors towards its
// ends are at most 2L / (a + b) apart), so a point farther than a quarter of the face's
// perimeter from every corner sees less than 360 degrees and is outside.

#include "Entidades.h"
#include "UAux.h"

#include <array>

// A ball around every corner of a list of faces, grown by a quarter of the longest face
// perimeter: no point outside it can be inside one of the faces.
struct TAlcance {
    std::array<double, 3> centro{};
    double raio = 0;
};

// The reach of the faces' corners as the probe reads them (a face of three corners repeats
// its last one; faces of fewer corners are left out).
TAlcance AlcanceDasFaces(const TList<TFace3D>& faces);

// The reach of one triangle (three corners, nine floats), read as a face whose last corner
// repeats.
TAlcance AlcanceDoTriangulo(const std::array<float, 9>& triangulo);

// False only when the unbounded line through S and E passes so far from the reach, placed
// by the affine matrix M, that no crossing of it with a face plane can be inside a face;
// with a margin that covers the rounding of the probe's own arithmetic. True whenever in
// doubt (a line of no length, values that are not finite).
bool LinhaPodeAlcancar(const TPonto3D& S, const TPonto3D& E, const MatrizGL& M,
                       const TAlcance& alcance);
