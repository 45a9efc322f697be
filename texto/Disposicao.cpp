#include "Disposicao.h"

#include "Afim.h"

#include <numbers>
#include <string_view>

namespace {

constexpr double Grau = std::numbers::pi / 180;

void PoeCaixa(TDisposicao& r, const TAfim& m, double x0, double y0, double x1, double y1) {
    r.Caixa = {Aplica(m, x0, y0), Aplica(m, x1, y0), Aplica(m, x1, y1), Aplica(m, x0, y1)};
    r.Largura = x1 - x0;
    r.Altura = y1 - y0;
}

} // namespace

TDisposicao DispoeTexto(TFontes& fontes, int face, const TTextoSimples& t) {
    TDisposicao r;
    if (!(t.Altura > 0) || !std::isfinite(t.Altura)) return r;
    const double h = std::min(t.Altura, MaximoDeAltura);
    const double fator = Limita(std::abs(t.FatorLargura), MinimoDeFator, MaximoDeFator, 1);
    const double obliquo = Limita(t.ObliquoGraus, -MaximoObliquo, MaximoObliquo, 0) * Grau;
    const double rotacao = Limita(t.RotacaoGraus, -1e6, 1e6, 0) * Grau;
    int alH = t.AlinhamentoH >= 0 && t.AlinhamentoH <= 5 ? t.AlinhamentoH : 0;
    const int alV = t.AlinhamentoV >= 0 && t.AlinhamentoV <= 3 ? t.AlinhamentoV : 0;

    // Pen positions in capital heights.
    std::vector<std::pair<char32_t, double>> postos;
    double pena = 0;
    for (const char32_t c : std::u32string_view(t.Texto).substr(0, MaximoDeGlifos)) {
        if (c == '\n') continue;
        const TGlifo& g = fontes.Glifo(face, c);
        if (!g.Triangulos.empty()) postos.emplace_back(c, pena);
        pena += g.Avanco;
    }

    double sx = h * fator, sy = h, inclinacao = h * std::tan(obliquo);
    std::array<double, 2> origem = t.Ponto1;
    double angulo = rotacao;
    const bool esticado = alH == 3 || alH == 5;
    if (esticado) {
        const auto p2 = t.Ponto2.value_or(t.Ponto1);
        const double dx = p2[0] - t.Ponto1[0], dy = p2[1] - t.Ponto1[1];
        const double comprimento = std::hypot(dx, dy);
        if (comprimento > 0 && std::isfinite(comprimento) && pena * sx > 0) {
            // Aligned scales the whole text to fill the line, fit only its width.
            const double s = comprimento / (pena * sx);
            sx *= s;
            if (alH == 3) {
                sy *= s;
                inclinacao *= s;
            }
            angulo = std::atan2(dy, dx);
        } else {
            alH = 0;
        }
    } else if (alH != 0 || alV != 0) {
        origem = t.Ponto2.value_or(t.Ponto1);
    }

    const double largura = pena * sx, descendente = fontes.Descendente(face) * sy;
    const double dx = esticado || alH == 0 ? 0 : alH == 2 ? -largura : -largura / 2;
    const double dy = esticado   ? 0
                      : alH == 4 ? -sy / 2
                      : alV == 1 ? descendente
                      : alV == 2 ? -sy / 2
                      : alV == 3 ? -sy
                                 : 0;
    const double mx = t.EspelhoX ? -1 : 1, my = t.EspelhoY ? -1 : 1;
    // Mirrored about the alignment point, as CAD programs mirror.
    const TAfim lugar = Compoe(Rotacao(angulo, origem[0], origem[1]), {mx, 0, 0, 0, my, 0});

    r.Glifos.reserve(postos.size());
    for (const auto& [c, x] : postos)
        r.Glifos.push_back({face, c, Compoe(lugar, {sx, inclinacao, x * sx + dx, 0, sy, dy}), {}});
    PoeCaixa(r, lugar, dx, dy - descendente, dx + largura, dy + sy);
    return r;
}
