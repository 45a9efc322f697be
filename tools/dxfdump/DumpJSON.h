#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The drawing model in memory as one JSON object (ASCII only): the load's error message or
// null, the line of the file where reading stopped or null, the extents, the configuration and
// every list. With `soContagens` the lists are given by their lengths (and each block by its name
// and the lengths of its lists).
std::string ModeloEmJSON(const std::optional<std::string>& erro, bool soContagens,
                         std::optional<std::uint64_t> linha = std::nullopt);
