#include "Real.h"

#include "ErroDXF.h"

#include <cstring>

namespace {

[[noreturn]] void Estouro() {
    throw ErroDXF("Floating point overflow");
}

double Limita(long double r) {
    long double m = std::fabs(r);
    if (m < Real::Menor) return r < 0 ? -0.0 : 0.0;
    if (m > Real::Maior) Estouro();
    return static_cast<double>(r);
}

} // namespace

double Real::ArredondaExato(long double v) {
    if (v == 0 || std::isnan(v)) return static_cast<double>(v);
    if (std::isinf(v)) Estouro();

    // x87 extended: 64-bit mantissa with an explicit leading 1, then sign and exponent.
    std::uint64_t mantissa;
    std::uint16_t expoente;
    std::memcpy(&mantissa, &v, 8);
    std::memcpy(&expoente, reinterpret_cast<const char*>(&v) + 8, 2);
    if ((expoente & 0x7FFF) == 0) return v < 0 ? -0.0 : 0.0; // subnormal: far below the range

    // Keep the top 40 bits, round the 24 below them to nearest, ties to even.
    constexpr std::uint64_t baixos = (std::uint64_t{1} << 24) - 1;
    constexpr std::uint64_t meio = std::uint64_t{1} << 23;
    std::uint64_t resto = mantissa & baixos;
    mantissa &= ~baixos;
    if (resto > meio || (resto == meio && (mantissa & (baixos + 1)))) {
        mantissa += baixos + 1;
        if (mantissa == 0) { // carried out of the top bit: next binade
            mantissa = std::uint64_t{1} << 63;
            ++expoente;
        }
    }
    long double r;
    std::memcpy(&r, &mantissa, 8);
    std::memcpy(reinterpret_cast<char*>(&r) + 8, &expoente, 2);
    return Limita(r);
}
