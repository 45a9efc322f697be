#pragma once

// A hatch's geometry in its own plane (OCS): the boundary paths as closed contours, the
// islands its style fills, and the pattern's lines clipped to the filled region.

#include "Curvas.h"
#include "Entidades.h"

#include <cstddef>
#include <optional>
#include <vector>

struct TContornoDeHachura {
    std::vector<TP2> Pontos; // closed implicitly
    double Comprimento = 0;  // of the path as stored (edges' own lengths)
};

// Every boundary path of `h` as a contour, edges joined in the order stored (an edge stored
// backwards is turned round to meet the one before it).
std::vector<TContornoDeHachura> ContornosDaHachura(const THachura& h, double tolerancia,
                                                   int maximo);

// The contours the hatch style fills, by their nesting: all of them (normal, islands
// alternate by the odd rule), those at most one deep (outer), or only the outermost ones
// (ignore).
std::vector<std::vector<TP2>> ContornosPreenchidos(const std::vector<TContornoDeHachura>& todos,
                                                   int estilo);

// The pattern's dashes inside `regiao` (odd rule): segments (two points each) and dots.
// Nothing (nullopt) when it would take more than `limite` dashes and dots.
struct TTracosDoPadrao {
    std::vector<TP2> Segmentos, Pontos;
};
std::optional<TTracosDoPadrao> TracosDoPadrao(const std::vector<std::vector<TP2>>& regiao,
                                              const std::vector<TLinhaDePadrao>& linhas,
                                              std::size_t limite);
