#include "Cena.h"

#include "Percurso.h"

#include <algorithm>
#include <cmath>

void TCaixaCena::Inclui(double x, double y, double z) {
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return;
    const double p[3] = {x, y, z};
    for (std::size_t i = 0; i < 3; ++i) {
        Min[i] = std::min(Min[i], p[i]);
        Max[i] = std::max(Max[i], p[i]);
    }
}

void TCaixaCena::Inclui(const TCaixaCena& outra) {
    if (outra.Vazia()) return;
    Inclui(outra.Min[0], outra.Min[1], outra.Min[2]);
    Inclui(outra.Max[0], outra.Max[1], outra.Max[2]);
}

double TCaixaCena::Tamanho() const {
    if (Vazia()) return 0;
    const double t = std::hypot(Max[0] - Min[0], Max[1] - Min[1], Max[2] - Min[2]);
    return std::isfinite(t) ? t : 0;
}

std::array<double, 3> TCaixaCena::Centro() const {
    if (Vazia()) return {0, 0, 0};
    // Halves first: the sum of two huge coordinates could overflow.
    return {Min[0] / 2 + Max[0] / 2, Min[1] / 2 + Max[1] / 2, Min[2] / 2 + Max[2] / 2};
}

TCena DecompoeDesenho(const TDesenho& desenho, const TOpcoesDaCena& opcoes) {
    TCena cena;
    TPercurso(desenho, opcoes, cena).Percorre();
    return cena;
}
