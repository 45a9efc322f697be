#include "PosicaoDaCamera.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>
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

std::array<float, 3> PosicaoDaCamera(const TExtremos& e, int camX, int camY, int camZ,
                                     const std::array<double, 3>& origem) {
    const auto [sX, sY, sZ] = Escalas({static_cast<long double>(e.XMax) - e.XMin,
                                       static_cast<long double>(e.YMax) - e.YMin,
                                       static_cast<long double>(e.ZMax) - e.ZMin});
    const long double x = e.XMin + camX / static_cast<long double>(sX);
    const long double y = e.YMin + camY / static_cast<long double>(sY);
    // Z has the extra ZMax term: the bar runs the camera from ZMin + ZMax to 2 * ZMax.
    const long double z = e.ZMax + (e.ZMin + camZ / static_cast<long double>(sZ));
    return {ParaFloat(x - origem[0]), ParaFloat(y - origem[1]), ParaFloat(z - origem[2])};
}

std::array<double, 3> OrigemParaExtremos(const TExtremos& e) {
    const std::array<long double, 6> coordenadas{e.XMin, e.YMin, e.ZMin, e.XMax, e.YMax, e.ZMax};
    if (std::ranges::all_of(coordenadas,
                            [](long double v) { return std::fabs(v) <= LimiteSemOrigemLocal; }))
        return {};
    std::array<double, 3> origem{};
    for (std::size_t i = 0; i < 3; ++i) {
        const long double centro = (coordenadas[i] + coordenadas[i + 3]) / 2;
        origem[i] = static_cast<float>(std::round(centro));
    }
    return origem;
}

std::array<double, 16> GiroDoDesenho(double rotX, double rotY, double rotZ,
                                     const std::array<double, 3>& origem) {
    using Matriz = std::array<std::array<long double, 3>, 3>; // [linha][coluna]
    const auto giro = [](double graus, int eixo) {
        const long double a = graus * std::numbers::pi_v<long double> / 180;
        const long double c = std::cos(a), s = std::sin(a);
        const int i = (eixo + 1) % 3, j = (eixo + 2) % 3;
        Matriz m{};
        m[eixo][eixo] = 1;
        m[i][i] = m[j][j] = c;
        m[j][i] = s;
        m[i][j] = -s;
        return m;
    };
    const auto produto = [](const Matriz& a, const Matriz& b) {
        Matriz m{};
        for (int l = 0; l < 3; ++l)
            for (int c = 0; c < 3; ++c)
                for (int k = 0; k < 3; ++k)
                    m[l][c] += a[l][k] * b[k][c];
        return m;
    };
    const Matriz r = produto(produto(giro(rotX, 0), giro(rotY, 1)), giro(rotZ, 2));
    std::array<double, 16> m{};
    for (int c = 0; c < 3; ++c) {
        long double translacao = -static_cast<long double>(origem[c]);
        for (int l = 0; l < 3; ++l) {
            m[4 * c + l] = static_cast<double>(r[l][c]);
            translacao += r[c][l] * origem[l];
        }
        m[12 + c] = static_cast<double>(translacao);
    }
    m[15] = 1;
    return m;
}
