#include "Enquadramento.h"

#include "PosicaoDaCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Far beyond any drawing a float holds with precision, far below the float range: matrices
// built from it stay finite.
constexpr double MaiorCoordenada = 1e30;

double Limitada(double v) {
    if (std::isnan(v)) return 0;
    return std::clamp(v, -MaiorCoordenada, MaiorCoordenada);
}

} // namespace

std::optional<TEnquadramento> Enquadra(const TCaixaCena& extremos,
                                       const std::array<double, 3>& origem, int camX, int camY,
                                       int camZ, double aspecto) {
    if (extremos.Vazia()) return std::nullopt;
    std::array<double, 3> tamanho{}, centro{};
    for (int i = 0; i < 3; ++i) {
        tamanho[i] = extremos.Max[i] - extremos.Min[i];
        centro[i] = Limitada((extremos.Min[i] + extremos.Max[i]) / 2 - origem[i]);
        if (!std::isfinite(tamanho[i])) tamanho[i] = MaiorCoordenada;
    }
    const double maior = std::max({tamanho[0], tamanho[1], tamanho[2]});
    const auto vao = [&](double t) { return t > 0 ? t : maior > 0 ? maior : 1.0; };

    const double tangente = std::tan(AnguloDeEnquadramento / 2 * std::numbers::pi / 180);
    if (!(aspecto > 0) || !std::isfinite(aspecto)) aspecto = 1;
    double acima = std::max(tamanho[1] / 2 / tangente, tamanho[0] / 2 / (tangente * aspecto)) /
                   OcupacaoDoEnquadramento;
    if (!(acima > 0)) acima = std::max(tamanho[2], 1.0); // a point, or a line along Z
    const double distancia = Limitada(tamanho[2] / 2 + acima);

    TEnquadramento e{};
    e.Centro = centro;
    e.Distancia = distancia;
    e.Olho = {Limitada(centro[0] + (camX - 500) / 1000.0 * vao(tamanho[0])),
              Limitada(centro[1] + (camY - 500) / 1000.0 * vao(tamanho[1])),
              Limitada(centro[2] + distancia * std::exp2((camZ - 500) / PassosPorDobro))};
    return e;
}

std::array<double, 16> GiroEnquadrado(const TEnquadramento& e, double rotX, double rotY,
                                      double rotZ) {
    // The turn about the centre is the turn about the world origin of a drawing sent relative
    // to -Centro.
    return GiroDoDesenho(rotX, rotY, rotZ, {-e.Centro[0], -e.Centro[1], -e.Centro[2]});
}
