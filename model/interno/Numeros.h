#pragma once

#include "Real.h"

#include <cstdint>
#include <string_view>

// Conversion of a whole number token of the file. A token that is not entirely a number
// throws ErroDXF("Invalid numeric input").

// An optional sign and decimal digits, within 32 bits.
std::int32_t ConverteInteiro(std::string_view token);

// Decimal notation with "." and an optional exponent, rounded to Real as if read into 80-bit
// extended first. Beyond the Real range: ErroDXF("Floating point overflow").
Real ConverteReal(std::string_view token);
