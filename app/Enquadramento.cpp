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

// The lowest height above the centre from which every vertex of the bands lies within the
// view's half-angle whose tangent is `tangente`: each band counted at its outer edge.
double AlturaParaFaixas(const std::array<double, TPerfilDaCena::Faixas>& alturas, double meia,
                        double tangente) {
    double altura = -HUGE_VAL;
    for (int k = 0; k < TPerfilDaCena::Faixas; ++k)
        if (alturas[k] > -HUGE_VAL)
            altura = std::max(altura, alturas[k] + meia * (k + 1) / TPerfilDaCena::Faixas /
                                                       (tangente * OcupacaoDoEnquadramento));
    return altura;
}

} // namespace

TPerfilDaCena PerfilDaCena(const TCena& cena) {
    TPerfilDaCena perfil;
    if (cena.Extremos.Vazia()) return perfil;
    const TCaixaCena& e = cena.Extremos;
    std::array<double, 3> centro{};
    for (int i = 0; i < 3; ++i)
        centro[i] = (e.Min[i] + e.Max[i]) / 2 - cena.Origem[i];
    perfil.MeiaLargura = (e.Max[0] - e.Min[0]) / 2;
    perfil.MeiaProfundidade = (e.Max[1] - e.Min[1]) / 2;
    if (!std::isfinite(perfil.MeiaLargura) || !std::isfinite(perfil.MeiaProfundidade) ||
        !std::isfinite(centro[0] + centro[1] + centro[2]))
        return perfil;
    perfil.AlturaX.fill(-HUGE_VAL);
    perfil.AlturaY.fill(-HUGE_VAL);
    const auto faixa = [](double distancia, double meia) {
        if (!(meia > 0)) return 0;
        const double k = std::floor(distancia / meia * TPerfilDaCena::Faixas);
        return static_cast<int>(std::clamp(k, 0.0, double(TPerfilDaCena::Faixas - 1)));
    };
    for (const TVerticesCena* lista : {&cena.Triangulos, &cena.Segmentos, &cena.Pontos})
        for (const TVerticeCena& v : *lista) {
            const double z = v.Z - centro[2];
            double& x = perfil.AlturaX[faixa(std::fabs(v.X - centro[0]), perfil.MeiaLargura)];
            double& y = perfil.AlturaY[faixa(std::fabs(v.Y - centro[1]), perfil.MeiaProfundidade)];
            x = std::max(x, z);
            y = std::max(y, z);
        }
    perfil.Vazio = std::ranges::all_of(perfil.AlturaX, [](double a) { return a == -HUGE_VAL; });
    return perfil;
}

namespace {

// The extents' size along each axis, an axis without extent taking the largest other one
// (or 1), and their centre relative to `origem`: what the camera bars X and Y are measured by.
void VaosECentro(const TCaixaCena& extremos, const std::array<double, 3>& origem,
                 std::array<double, 3>& tamanho, std::array<double, 3>& vao,
                 std::array<double, 3>& centro) {
    for (int i = 0; i < 3; ++i) {
        tamanho[i] = extremos.Max[i] - extremos.Min[i];
        centro[i] = Limitada((extremos.Min[i] + extremos.Max[i]) / 2 - origem[i]);
        if (!std::isfinite(tamanho[i])) tamanho[i] = MaiorCoordenada;
    }
    const double maior = std::max({tamanho[0], tamanho[1], tamanho[2]});
    for (int i = 0; i < 3; ++i)
        vao[i] = tamanho[i] > 0 ? tamanho[i] : maior > 0 ? maior : 1.0;
}

} // namespace

std::array<int, 2> BarrasDoOlho(const TCaixaCena& extremos, const std::array<double, 3>& origem,
                                double olhoX, double olhoY) {
    std::array<double, 3> tamanho{}, vao{}, centro{};
    VaosECentro(extremos, origem, tamanho, vao, centro);
    const auto barra = [](double v) {
        return static_cast<int>(std::clamp(std::round(v), -1e9, 1e9));
    };
    return {barra(500 + (olhoX - centro[0]) / vao[0] * 1000),
            barra(500 + (olhoY - centro[1]) / vao[1] * 1000)};
}

std::optional<TEnquadramento> Enquadra(const TCaixaCena& extremos,
                                       const std::array<double, 3>& origem, int camX, int camY,
                                       int camZ, double aspecto, const TPerfilDaCena& perfil) {
    if (extremos.Vazia()) return std::nullopt;
    std::array<double, 3> tamanho{}, vao{}, centro{};
    VaosECentro(extremos, origem, tamanho, vao, centro);

    const double tangente = std::tan(AnguloDeEnquadramento / 2 * std::numbers::pi / 180);
    if (!(aspecto > 0) || !std::isfinite(aspecto)) aspecto = 1;
    const double topo = tamanho[2] / 2; // the extents' top face, above the centre
    double altura =
        topo + std::max(tamanho[1] / 2 / tangente, tamanho[0] / 2 / (tangente * aspecto)) /
                   OcupacaoDoEnquadramento;
    if (!perfil.Vazio)
        altura = std::max(AlturaParaFaixas(perfil.AlturaX, perfil.MeiaLargura, tangente * aspecto),
                          AlturaParaFaixas(perfil.AlturaY, perfil.MeiaProfundidade, tangente));
    // A point, or a line along Z seen end on: from as far again as it is high.
    if (!(altura > topo)) altura = topo + std::max(tamanho[2], 1.0);
    const double distancia = Limitada(altura);

    TEnquadramento e{};
    e.Centro = centro;
    e.Distancia = distancia;
    e.Olho = {Limitada(centro[0] + (camX - 500) / 1000.0 * vao[0]),
              Limitada(centro[1] + (camY - 500) / 1000.0 * vao[1]),
              Limitada(centro[2] + distancia * std::exp2((camZ - 500) / PassosPorDobro))};
    return e;
}

std::array<double, 16> GiroEnquadrado(const TEnquadramento& e, double rotX, double rotY,
                                      double rotZ) {
    // The turn about the centre is the turn about the world origin of a drawing sent relative
    // to -Centro.
    return GiroDoDesenho(rotX, rotY, rotZ, {-e.Centro[0], -e.Centro[1], -e.Centro[2]});
}
