#include "ValorReal.h"

#include <limits>

double ValorRealIncomum(long double r, double hi) {
    // hi and lo = r - hi (exact) carry r whole. When hi sits halfway between two 40-bit
    // values and lo is not 0, one step of hi towards lo puts it on the side where r lies.
    const double lo = static_cast<double>(r - hi);
    constexpr std::uint64_t baixos = (std::uint64_t{1} << 13) - 1;
    constexpr std::uint64_t meio = std::uint64_t{1} << 12;
    if (lo != 0 && !std::isnan(hi) && (std::bit_cast<std::uint64_t>(hi) & baixos) == meio)
        hi = std::nextafter(hi, lo > 0 ? std::numeric_limits<double>::infinity()
                                       : -std::numeric_limits<double>::infinity());
    return Real(hi).ComoDouble();
}
