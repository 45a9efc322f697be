#pragma once

// Point and vector operations on the model's points. A vector is a TPonto3D whose
// coordinates are its components. Every result is written into a point the caller owns;
// arithmetic runs in long double and every stored value is rounded to a Real.

#include "Entidades.h"

#include <array>

// An OpenGL matrix as glGetFloatv returns it: column by column, M[4*c + r] is row r, column c.
using MatrizGL = std::array<float, 16>;

void DefinePonto(TPonto3D& P, Real X, Real Y, Real Z);

// P := the upper three rows of M * (P, 1), each coordinate rounded to single precision.
// There is no division by w, so only affine matrices (such as a model-view) are exact.
void TransformaPonto(MatrizGL M, TPonto3D& P);

// R := A - B. R may be A or B.
void Diferenca(const TPonto3D& A, const TPonto3D& B, TPonto3D& R);

Real ProdutoEscalar(const TPonto3D& A, const TPonto3D& B);

Real Comprimento(const TPonto3D& A);

// N := (A - C) x (A - B), not normalised: for corners running counter-clockwise towards the
// viewer N points away from the viewer. Collinear corners give the zero vector.
void NormalDaFace(const TPonto3D& A, const TPonto3D& B, const TPonto3D& C, TPonto3D& N);

// The same vector as NormalDaFace, as the three values it would store, without building a
// point: what the face drawing sends to OpenGL.
std::array<double, 3> VetorNormalDaFace(const TPonto3D& A, const TPonto3D& B, const TPonto3D& C);

// R := where the unbounded line through P1 and P2 meets the plane through Q0, Q1, Q2.
// The caller must refuse a line parallel to the plane (ProdutoEscalar of P2 - P1 and the
// plane's normal equal to 0); should one get through, or should the crossing lie beyond the
// range of Real, R becomes (NaN, NaN, NaN), which PontoDentroDaFace counts as outside.
void IntersecaoRetaPlano(const TPonto3D& P1, const TPonto3D& P2, const TPonto3D& Q0,
                         const TPonto3D& Q1, const TPonto3D& Q2, TPonto3D& R);

// True when the angles that the edges V0-V1, V1-V2, V2-V3, V3-V0 subtend at P add up to
// 360 degrees or more (P is expected to lie in the face's plane). A P on a corner counts as
// inside; a NaN anywhere counts as outside.
bool PontoDentroDaFace(const TPonto3D& P, const TPonto3D& V0, const TPonto3D& V1,
                       const TPonto3D& V2, const TPonto3D& V3);
