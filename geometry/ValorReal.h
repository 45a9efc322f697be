#pragma once

#include "Real.h"

#include <bit>
#include <cmath>
#include <cstdint>

// The value that storing the long double r into a Real keeps (nearest 40-bit value, ties to
// even; below the smallest magnitude 0, beyond the largest the overflow error), computed in
// registers for the common case: the drawing rounds nine values for every face it draws.

// The rare cases: zero, values near or beyond the range, NaN, and r exactly or nearly
// halfway between two 40-bit values (hi is r rounded to 53 bits).
double ValorRealIncomum(long double r, double hi);

inline double ValorReal(long double r) {
    constexpr std::uint64_t baixos = (std::uint64_t{1} << 13) - 1;
    constexpr std::uint64_t meio = std::uint64_t{1} << 12;
    const double hi = static_cast<double>(r);
    std::uint64_t bits = std::bit_cast<std::uint64_t>(hi);
    const std::uint64_t resto = bits & baixos;
    const double magnitude = std::fabs(hi);
    if (!(magnitude >= 0x1p-127 && magnitude <= 0x1p126) || resto == meio) [[unlikely]]
        return ValorRealIncomum(r, hi);
    // Away from a tie, r and hi round to the same 40-bit value. A carry out of the
    // mantissa moves into the exponent: the next binade, as it should.
    bits = (bits & ~baixos) + (static_cast<std::uint64_t>(resto > meio) << 13);
    return std::bit_cast<double>(bits);
}
