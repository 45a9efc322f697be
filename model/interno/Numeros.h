#pragma once

#include "Real.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Conversion of a whole number token of the file. A token that is not entirely a number
// throws ErroDXF("Invalid numeric input").

// An optional sign and decimal digits, within 32 bits.
std::int32_t ConverteInteiro(std::string_view token);

// Decimal notation with "." and an optional exponent, rounded to Real as if read into 80-bit
// extended first. Beyond the Real range: ErroDXF("Floating point overflow").
Real ConverteReal(std::string_view token);

// Lenient conversions, for the groups only the full drawing reads: the text with the blanks
// around it trimmed (bytes of value 32 or less), converted as above when it is entirely a
// number; nothing otherwise, and nothing for a real beyond the Real range. They never throw.
std::optional<std::int64_t> InteiroLeniente(std::string_view texto);
std::optional<Real> RealLeniente(std::string_view texto);
