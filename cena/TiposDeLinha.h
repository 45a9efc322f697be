#pragma once

// Line types: a dash pattern laid along a curve in drawing units.

#include "Curvas.h"

#include <cstddef>
#include <optional>
#include <vector>

// A line type's dashes in drawing units ($LTSCALE applied): positive a dash, negative a gap,
// 0 a dot; Periodo is the sum of their lengths.
struct TTracejado {
    std::vector<double> Tracos;
    double Periodo = 0;
};

// The pattern of a LTYPE entry's dashes 49 at `escala`; none (continuous) when it has no
// dash, no length, or only gaps.
std::optional<TTracejado> TracejadoDe(const std::vector<double>& tracos, double escala);

// The pieces a pattern at `escala` draws of the curve through `pontos`, the pattern starting
// at its first point and running on across its vertices: segments (two points each) and dots.
// False, with nothing made, when that would take more than `limite` pieces.
bool Traceja(const std::vector<TP3>& pontos, const TTracejado& t, double escala,
             std::vector<TP3>& segmentos, std::vector<TP3>& pontosSoltos, std::size_t limite);
