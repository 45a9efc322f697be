#pragma once

#include "Cena.h"

#include <cstdint>
#include <optional>
#include <string>

// What the full drawing mode draws of a scene, as one JSON object (ASCII only): the load's
// error and line (null after a successful load), the extents of what the measures count
// (null when nothing is drawn), per kind ("tipos") its count with its curve length and filled
// area when they are not zero, the kinds skipped with their counts ("ignorados", also listed
// under "tipos" with their count), the chord tolerance and the walk's warning or null.
std::string CenaEmJSON(const TCena& cena, const std::optional<std::string>& erro = std::nullopt,
                       std::optional<std::uint64_t> linha = std::nullopt);
