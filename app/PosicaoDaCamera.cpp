#include "PosicaoDaCamera.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

namespace {

constexpr float Mil = 1000.0f;

// 1000 / span held as a Real; none for a span without extent, or one so small that the
// factor lies beyond the range of Real.
std::optional<Real> Escala(long double span) {
    if (span == 0) return std::nullopt;
    const long double escala = Mil / span;
    if (!(std::fabs(escala) <= Real::Maior)) return std::nullopt;
    return Real(escala);
}

// The scale factors of the three axes, an axis without extent taking the largest span of
// the others (1 when none has any).
std::array<Real, 3> Escalas(const std::array<long double, 3>& spans) {
    std::array<std::optional<Real>, 3> escalas;
    long double maior = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        escalas[i] = Escala(spans[i]);
        if (escalas[i]) maior = std::max(maior, std::fabs(spans[i]));
    }
    const Real substituta = *Escala(maior == 0 ? 1.0L : maior);
    return {escalas[0].value_or(substituta), escalas[1].value_or(substituta),
            escalas[2].value_or(substituta)};
}

float ParaFloat(long double v) {
    if (std::isnan(v)) return 0.0f;
    return static_cast<float>(std::clamp<long double>(v, -FLT_MAX, FLT_MAX));
}

} // namespace

std::array<float, 3> PosicaoDaCamera(const TExtremos& e, int camX, int camY, int camZ) {
    const auto [sX, sY, sZ] = Escalas({static_cast<long double>(e.XMax) - e.XMin,
                                       static_cast<long double>(e.YMax) - e.YMin,
                                       static_cast<long double>(e.ZMax) - e.ZMin});
    const long double x = e.XMin + camX / static_cast<long double>(sX);
    const long double y = e.YMin + camY / static_cast<long double>(sY);
    // Z has the extra ZMax term: the bar runs the camera from ZMin + ZMax to 2 * ZMax.
    const long double z = e.ZMax + (e.ZMin + camZ / static_cast<long double>(sZ));
    return {ParaFloat(x), ParaFloat(y), ParaFloat(z)};
}
