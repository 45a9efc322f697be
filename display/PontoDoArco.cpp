#include "PontoDoArco.h"

#include <cmath>

namespace {

// The float nearest v, when every value within `erro` of v rounds to that same float.
bool FloatSemDuvida(long double v, long double erro, float& f) {
    f = static_cast<float>(v);
    if (!std::isfinite(f)) return false;
    // Halfway to the floats on either side: exact in extended precision.
    const long double abaixo = (static_cast<long double>(f) + std::nextafter(f, -HUGE_VALF)) / 2;
    const long double acima = (static_cast<long double>(f) + std::nextafter(f, HUGE_VALF)) / 2;
    return v - erro > abaixo && v + erro < acima; // false for NaN
}

} // namespace

std::array<float, 2> PontoDoArco(long double x, long double y, long double raio,
                                 long double angulo) {
    const double a = static_cast<double>(angulo); // a Real: exact in a double
    const double c = std::cos(a), s = std::sin(a);
    const long double px = x + raio * c, py = y + raio * s;
    // Each double lies within 2^-52 of the extended one; the products and sums add their
    // own rounding, 2^-64 of their size, on either side.
    const long double folgaProduto = std::fabs(raio) * 0x1p-51L;
    std::array<float, 2> p;
    if (FloatSemDuvida(px, folgaProduto + std::fabs(x) * 0x1p-62L, p[0]) &&
        FloatSemDuvida(py, folgaProduto + std::fabs(y) * 0x1p-62L, p[1])) [[likely]]
        return p;
    return {static_cast<float>(x + raio * std::cos(angulo)),
            static_cast<float>(y + raio * std::sin(angulo))};
}
