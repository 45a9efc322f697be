#include "Hachura.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.141592653589793238462643383279502884;

TP2 P2(const TPonto3D& p) {
    return {p.X.ComoDouble(), p.Y.ComoDouble()};
}

double Distancia(const TP2& a, const TP2& b) {
    return std::hypot(b[0] - a[0], b[1] - a[1]);
}

double Comprimento(const std::vector<TP2>& pontos) {
    double l = 0;
    for (std::size_t i = 1; i < pontos.size(); ++i)
        l += Distancia(pontos[i - 1], pontos[i]);
    return l;
}

std::vector<TP2> Plano(const std::vector<TP3>& pontos) {
    std::vector<TP2> p;
    p.reserve(pontos.size());
    for (const TP3& q : pontos)
        p.push_back({q[0], q[1]});
    return p;
}

std::vector<TP3> Espaco(const std::vector<TPonto3D>& pontos) {
    std::vector<TP3> p;
    p.reserve(pontos.size());
    for (const TPonto3D& q : pontos)
        p.push_back({q.X.ComoDouble(), q.Y.ComoDouble(), 0});
    return p;
}

std::vector<double> Duplos(const std::vector<Real>& v) {
    return {v.begin(), v.end()};
}

// An arc or elliptic arc edge runs counter-clockwise from its start to its end angle; a
// clockwise one (73 = 0) stores both as 360 minus the angle, and runs the other way.
void AngulosDaAresta(const TArestaDeHachura& a, double& t0, double& t1, bool& inverte) {
    const double ini = a.AngIni.ComoDouble(), fim = a.AngFim.ComoDouble();
    inverte = a.AntiHorario == 0;
    t0 = (inverte ? -fim : ini) * Pi / 180;
    t1 = (inverte ? -ini : fim) * Pi / 180;
}

std::vector<TP2> PontosDaAresta(const TArestaDeHachura& a, double tolerancia, int maximo) {
    std::vector<TP2> p;
    double t0 = 0, t1 = 0;
    bool inverte = false;
    switch (a.Tipo) {
    case 1:
        p = {P2(a.A), P2(a.B)};
        break;
    case 2:
        AngulosDaAresta(a, t0, t1, inverte);
        p = PontosDoArco(P2(a.A), a.Raio.ComoDouble(), t0, t1, tolerancia, maximo);
        break;
    case 3: {
        AngulosDaAresta(a, t0, t1, inverte);
        const TP3 centro{a.A.X.ComoDouble(), a.A.Y.ComoDouble(), 0};
        const TP3 eixo{a.B.X.ComoDouble(), a.B.Y.ComoDouble(), 0};
        p = Plano(PontosDaElipse(centro, eixo, a.Raio.ComoDouble(), {0, 0, 1}, t0, t1, tolerancia,
                                 maximo));
        break;
    }
    case 4:
        p = Plano(PontosDaSpline(a.Grau, Duplos(a.Nos), Duplos(a.Pesos), Espaco(a.Controle),
                                 Espaco(a.Ajuste), false, tolerancia, maximo));
        break;
    default:
        break;
    }
    if (inverte) std::reverse(p.begin(), p.end());
    return p;
}

TContornoDeHachura ContornoDePolilinha(const TCaminhoDeHachura& caminho, double tolerancia,
                                       int maximo) {
    std::vector<TVertice2D> v;
    v.reserve(caminho.Vertices.size());
    for (const TVerticeLeve& q : caminho.Vertices)
        v.push_back({{q.X.ComoDouble(), q.Y.ComoDouble()}, q.Bulge.ComoDouble(), 0, 0});
    TContornoDeHachura c;
    c.Pontos = TracaPolilinha(v, caminho.Fechado, tolerancia, maximo).Linha;
    c.Comprimento = Comprimento(c.Pontos);
    return c;
}

TContornoDeHachura ContornoDeArestas(const TCaminhoDeHachura& caminho, double tolerancia,
                                     int maximo) {
    TContornoDeHachura c;
    for (const TArestaDeHachura& a : caminho.Arestas) {
        std::vector<TP2> p = PontosDaAresta(a, tolerancia, maximo);
        if (p.empty()) continue;
        c.Comprimento += Comprimento(p);
        if (!c.Pontos.empty()) {
            const TP2& fim = c.Pontos.back();
            if (Distancia(fim, p.back()) < Distancia(fim, p.front()))
                std::reverse(p.begin(), p.end());
            if (Distancia(fim, p.front()) <= tolerancia) p.erase(p.begin());
        }
        c.Pontos.insert(c.Pontos.end(), p.begin(), p.end());
    }
    return c;
}

// Whether p lies inside the closed contour (odd rule).
bool Dentro(const TP2& p, const std::vector<TP2>& contorno) {
    bool dentro = false;
    for (std::size_t i = 0, j = contorno.size() - 1; i < contorno.size(); j = i++) {
        const TP2 &a = contorno[i], &b = contorno[j];
        if ((a[1] > p[1]) != (b[1] > p[1]) &&
            p[0] < (b[0] - a[0]) * (p[1] - a[1]) / (b[1] - a[1]) + a[0])
            dentro = !dentro;
    }
    return dentro;
}

} // namespace

std::vector<TContornoDeHachura> ContornosDaHachura(const THachura& h, double tolerancia,
                                                   int maximo) {
    std::vector<TContornoDeHachura> contornos;
    for (const TCaminhoDeHachura& caminho : h.Caminhos) {
        const bool polilinha = !caminho.Vertices.empty() || caminho.Arestas.empty();
        TContornoDeHachura c = polilinha ? ContornoDePolilinha(caminho, tolerancia, maximo)
                                         : ContornoDeArestas(caminho, tolerancia, maximo);
        if (c.Pontos.size() >= 2) contornos.push_back(std::move(c));
    }
    return contornos;
}

std::vector<std::vector<TP2>> ContornosPreenchidos(const std::vector<TContornoDeHachura>& todos,
                                                   int estilo) {
    std::vector<std::vector<TP2>> preenchidos;
    // Nesting is only looked at for the styles that need it, and for a bounded number of
    // contours; beyond it every contour counts, as in the normal style.
    const bool porNivel = (estilo == 1 || estilo == 2) && todos.size() <= 1000;
    for (const TContornoDeHachura& c : todos) {
        int nivel = 0;
        if (porNivel)
            for (const TContornoDeHachura& outro : todos)
                if (&outro != &c && outro.Pontos.size() >= 3 && Dentro(c.Pontos[0], outro.Pontos))
                    ++nivel;
        if (!porNivel || nivel <= (estilo == 1 ? 1 : 0)) preenchidos.push_back(c.Pontos);
    }
    return preenchidos;
}

std::optional<TTracosDoPadrao> TracosDoPadrao(const std::vector<std::vector<TP2>>& regiao,
                                              const std::vector<TLinhaDePadrao>& linhas,
                                              std::size_t limite) {
    TTracosDoPadrao tracos;
    std::size_t arestas = 0;
    for (const auto& c : regiao)
        arestas += c.size();
    std::vector<double> cortes;
    // Steps along the dashes, drawn or not: a pattern of tiny gaps, or dashes too short to
    // move a far-off coordinate, ends here.
    std::size_t passos = 0;
    for (const TLinhaDePadrao& l : linhas) {
        const double ang = l.Angulo.ComoDouble() * Pi / 180;
        const TP2 u{std::cos(ang), std::sin(ang)}, n{-u[1], u[0]};
        const TP2 base{l.BaseX.ComoDouble(), l.BaseY.ComoDouble()};
        const TP2 desl{l.DeslX.ComoDouble(), l.DeslY.ComoDouble()};
        const double passo = desl[0] * n[0] + desl[1] * n[1];  // between lines
        const double avanco = desl[0] * u[0] + desl[1] * u[1]; // of the dashes, line to line
        if (!(std::abs(passo) > 0) || !std::isfinite(passo) || !std::isfinite(avanco)) continue;
        double nMin = 1e308, nMax = -1e308;
        for (const auto& c : regiao)
            for (const TP2& p : c) {
                const double h = (p[0] - base[0]) * n[0] + (p[1] - base[1]) * n[1];
                nMin = std::min(nMin, h);
                nMax = std::max(nMax, h);
            }
        if (!(nMin <= nMax) || !std::isfinite(nMax - nMin)) continue;
        const double k0 = std::ceil(std::min(nMin / passo, nMax / passo));
        const double k1 = std::floor(std::max(nMin / passo, nMax / passo));
        // Every line meets every edge once at most: bound the work before doing it.
        if ((k1 - k0 + 1) > double(limite) || (k1 - k0 + 1) * double(arestas) > 50.0 * limite)
            return std::nullopt;
        double periodo = 0;
        for (const Real& t : l.Tracos)
            periodo += std::abs(t.ComoDouble());
        const bool continua = l.Tracos.empty() || !(periodo > 0) || !std::isfinite(periodo);
        for (double k = k0; k <= k1; ++k) {
            const TP2 q{base[0] + k * desl[0], base[1] + k * desl[1]};
            cortes.clear();
            for (const auto& c : regiao)
                for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
                    const double h0 = (c[j][0] - q[0]) * n[0] + (c[j][1] - q[1]) * n[1];
                    const double h1 = (c[i][0] - q[0]) * n[0] + (c[i][1] - q[1]) * n[1];
                    if ((h0 > 0) == (h1 > 0)) continue;
                    const double s0 = (c[j][0] - q[0]) * u[0] + (c[j][1] - q[1]) * u[1];
                    const double s1 = (c[i][0] - q[0]) * u[0] + (c[i][1] - q[1]) * u[1];
                    cortes.push_back(s0 + (s1 - s0) * h0 / (h0 - h1));
                }
            std::sort(cortes.begin(), cortes.end());
            const auto ponto = [&](double s) { return TP2{q[0] + s * u[0], q[1] + s * u[1]}; };
            for (std::size_t i = 0; i + 1 < cortes.size(); i += 2) {
                const double a = cortes[i], b = cortes[i + 1];
                if (continua) {
                    tracos.Segmentos.push_back(ponto(a));
                    tracos.Segmentos.push_back(ponto(b));
                    continue;
                }
                // The dashes start at the line's own origin, shifted along it line by line.
                const double origem = k * avanco;
                double s = origem + std::floor((a - origem) / periodo) * periodo;
                for (std::size_t t = 0; s <= b; t = (t + 1) % l.Tracos.size()) {
                    const double d = l.Tracos[t].ComoDouble(), fim = s + std::abs(d);
                    if (d > 0 && fim > a) {
                        tracos.Segmentos.push_back(ponto(std::max(s, a)));
                        tracos.Segmentos.push_back(ponto(std::min(fim, b)));
                    } else if (d == 0 && s >= a) {
                        tracos.Pontos.push_back(ponto(s));
                    }
                    if (tracos.Segmentos.size() / 2 + tracos.Pontos.size() > limite ||
                        ++passos > 20 * limite)
                        return std::nullopt;
                    s = fim;
                }
            }
            if (tracos.Segmentos.size() / 2 > limite) return std::nullopt;
        }
    }
    return tracos;
}
