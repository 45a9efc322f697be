#pragma once

// The geometry of curves and planar elements for the scene, in double precision and free of
// the model: object coordinate systems, curves cut by a chord tolerance, NURBS, polylines
// with bulges and widths.

#include <array>
#include <vector>

using TP3 = std::array<double, 3>;
using TP2 = std::array<double, 2>;

// The axes X, Y, Z of the object coordinate system of an extrusion direction, by DXF's
// arbitrary-axis rule (Z is the extrusion normalised; a zero extrusion counts as +Z).
std::array<TP3, 3> EixosOCS(const TP3& extrusao);
// A point given in the OCS of those axes, in world coordinates (plain linear map: a
// non-finite point stays non-finite, for the caller to drop).
TP3 DoOCS(const std::array<TP3, 3>& eixos, const TP3& p);

// How many straight segments a circular arc of this radius and angle (radians) is cut
// into: enough that no chord strays more than `tolerancia` from the arc, at least 16 for a
// whole turn (so a drawn length is within 1 % of the true one), at most `maximo`. A
// tolerance that is not positive, or a radius that is not, leaves only the angle's minimum.
int SegmentosDoArco(double raio, double angulo, double tolerancia, int maximo);

// Points of a circular arc in its plane from angle a0 to a1 (radians, counter-clockwise,
// a1 > a0), both ends included. A negative sweep counts round to the same end, more than a
// turn as a whole turn; empty for a zero sweep, a radius not positive or non-finite input.
std::vector<TP2> PontosDoArco(const TP2& centro, double raio, double a0, double a1,
                              double tolerancia, int maximo);

// Points of an elliptic arc in world coordinates: centre, end of the major axis relative to
// the centre, minor/major ratio, the normal of its plane, parameters t0 to t1 (radians).
std::vector<TP3> PontosDaElipse(const TP3& centro, const TP3& eixoMaior, double razao,
                                const TP3& normal, double t0, double t1, double tolerancia,
                                int maximo);

// Points of a NURBS curve of degree `grau` over its knots (uniform clamped when the knots
// do not fit), weights (all 1 when they do not fit) and control points; the curve through
// `ajuste` when there are no control points (a cubic with end tangents estimated from the
// points; `fechada` makes it periodic). At most `maximo` points. Empty when nothing can be
// made of it.
std::vector<TP3> PontosDaSpline(int grau, const std::vector<double>& nos,
                                const std::vector<double>& pesos, const std::vector<TP3>& controle,
                                const std::vector<TP3>& ajuste, bool fechada, double tolerancia,
                                int maximo);

// A 2D polyline vertex: place, bulge to the next vertex, widths at its start and end.
struct TVertice2D {
    TP2 P;
    double Bulge = 0, LarguraIni = 0, LarguraFim = 0;
};

// A 2D polyline traced in its plane: the centre line through its vertices with bulges as
// arcs (closed when asked: the last point repeats the first), and, where a segment has a
// width, the filled strip as triangles (three points each; each segment its own strip, two
// straight ones mitred where they meet). The whole trace stays within max(maximo, 16 per
// segment) pieces.
struct TTracado2D {
    std::vector<TP2> Linha;
    std::vector<TP2> Triangulos;
    double Comprimento = 0; // of the centre line's segments that have no width
    double Area = 0;        // of the strips
};
TTracado2D TracaPolilinha(const std::vector<TVertice2D>& vertices, bool fechada, double tolerancia,
                          int maximo);
