#include "Contornos.h"

#include "Tesselacao.h"

#include <algorithm>
#include <cmath>

namespace {

// A quadratic or cubic Bézier never needs more pieces than this, whatever its size.
constexpr int MaximoDePedacos = 64;

struct TAchatador {
    std::vector<TContorno> Contornos;
    double Tolerancia;
    std::array<double, 2> Atual{};

    void Acrescenta(double x, double y) {
        auto& c = Contornos.back();
        if (!c.empty() && c.back()[0] == x && c.back()[1] == y) return;
        c.push_back({x, y});
        Atual = {x, y};
    }
    // Pieces enough that a curve whose second derivative is at most `d2` stays within the
    // tolerance: the chord of a piece of length h is off by at most h² d2 / 8.
    int Pedacos(double d2) const {
        const double n = std::ceil(std::sqrt(d2 / (8 * Tolerancia)));
        return std::clamp(static_cast<int>(std::isfinite(n) ? n : 1), 1, MaximoDePedacos);
    }
};

TAchatador& Dele(void* usuario) {
    return *static_cast<TAchatador*>(usuario);
}

int MoveTo(const FT_Vector* p, void* u) {
    auto& a = Dele(u);
    a.Contornos.emplace_back();
    a.Acrescenta(p->x, p->y);
    return 0;
}

int LineTo(const FT_Vector* p, void* u) {
    auto& a = Dele(u);
    if (a.Contornos.empty()) a.Contornos.emplace_back();
    a.Acrescenta(p->x, p->y);
    return 0;
}

int ConicTo(const FT_Vector* c, const FT_Vector* p, void* u) {
    auto& a = Dele(u);
    if (a.Contornos.empty()) a.Contornos.emplace_back();
    const auto [x0, y0] = a.Atual;
    const double dx = x0 - 2.0 * c->x + p->x, dy = y0 - 2.0 * c->y + p->y;
    const int n = a.Pedacos(2 * std::hypot(dx, dy));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, s = 1 - t;
        a.Acrescenta(s * s * x0 + 2 * s * t * c->x + t * t * p->x,
                     s * s * y0 + 2 * s * t * c->y + t * t * p->y);
    }
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* p, void* u) {
    auto& a = Dele(u);
    if (a.Contornos.empty()) a.Contornos.emplace_back();
    const auto [x0, y0] = a.Atual;
    const double d1 = std::hypot(x0 - 2.0 * c1->x + c2->x, y0 - 2.0 * c1->y + c2->y);
    const double d2 = std::hypot(c1->x - 2.0 * c2->x + p->x, c1->y - 2.0 * c2->y + p->y);
    const int n = a.Pedacos(6 * std::max(d1, d2));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, s = 1 - t;
        const double b0 = s * s * s, b1 = 3 * s * s * t, b2 = 3 * s * t * t, b3 = t * t * t;
        a.Acrescenta(b0 * x0 + b1 * c1->x + b2 * c2->x + b3 * p->x,
                     b0 * y0 + b1 * c1->y + b2 * c2->y + b3 * p->y);
    }
    return 0;
}

} // namespace

std::vector<TContorno> ContornosDoContorno(FT_Outline& contorno, double tolerancia) {
    TAchatador a;
    a.Tolerancia = tolerancia > 0 ? tolerancia : 1;
    FT_Outline_Funcs funcoes{};
    funcoes.move_to = MoveTo;
    funcoes.line_to = LineTo;
    funcoes.conic_to = ConicTo;
    funcoes.cubic_to = CubicTo;
    if (FT_Outline_Decompose(&contorno, &funcoes, &a) != 0) return {};
    for (auto& c : a.Contornos)
        if (c.size() > 1 && c.front() == c.back()) c.pop_back();
    std::erase_if(a.Contornos, [](const TContorno& c) { return c.size() < 3; });
    return std::move(a.Contornos);
}

std::vector<std::array<float, 2>> Triangula(const std::vector<TContorno>& contornos, bool parImpar,
                                            double escala) {
    const std::vector<TPonto2> t =
        Tessela(contornos, parImpar ? TRegraDeEnrolamento::Impar : TRegraDeEnrolamento::NaoZero);
    std::vector<std::array<float, 2>> triangulos;
    triangulos.reserve(t.size());
    for (const TPonto2& p : t)
        triangulos.push_back(
            {static_cast<float>(p[0] * escala), static_cast<float>(p[1] * escala)});
    return triangulos;
}
