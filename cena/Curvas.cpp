#include "Curvas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <queue>

namespace {

constexpr double DoisPi = 6.283185307179586476925286766559;
constexpr int GrauMaximo = 32;

bool Finito(const TP2& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]);
}
bool Finito(const TP3& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

TP3 Soma(const TP3& a, const TP3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
TP3 Menos(const TP3& a, const TP3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
TP3 Vezes(const TP3& a, double k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
double Escalar(const TP3& a, const TP3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
TP3 Vetorial(const TP3& a, const TP3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Length without overflow or underflow of the squares: huge and tiny vectors alike.
double Norma(const TP3& v) {
    const double m = std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
    if (!(m > 0) || !std::isfinite(m)) return m;
    const TP3 u = Vezes(v, 1 / m);
    return m * std::sqrt(Escalar(u, u));
}

// Makes v a unit vector; false (v unchanged) when it is zero or not finite.
bool Normaliza(TP3& v) {
    const double m = std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
    if (!(m > 0) || !std::isfinite(m) || !Finito(v)) return false;
    TP3 u = Vezes(v, 1 / m);
    u = Vezes(u, 1 / std::sqrt(Escalar(u, u)));
    if (!Finito(u)) return false;
    v = u;
    return true;
}

// Distance of p from the segment a-b.
double DistanciaAoSegmento(const TP3& p, const TP3& a, const TP3& b) {
    const TP3 ab = Menos(b, a), ap = Menos(p, a);
    const double l2 = Escalar(ab, ab);
    double t = l2 > 0 ? Escalar(ap, ab) / l2 : 0;
    t = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, 1.0);
    return Norma(Menos(ap, Vezes(ab, t)));
}

// An arc's sweep brought into (0, 2 pi]: a negative one runs the other way round to the same
// end, more than a turn is a whole turn. 0 stays 0 (nothing to draw).
double Varredura(double v) {
    if (!std::isfinite(v) || v == 0) return 0;
    if (v > DoisPi) return DoisPi;
    if (v < 0) {
        v = std::fmod(v, DoisPi) + DoisPi;
        if (!(v > 0)) v = DoisPi;
    }
    return v;
}

// ---------------------------------------------------------------------------------------------
// NURBS evaluation and sampling.

struct TNurbs {
    int Grau = 1;
    std::vector<double> Nos;
    std::vector<std::array<double, 4>> Pw; // control points times weight, and the weight
};

// The knot span [Nos[k], Nos[k+1]) of u, never an empty one.
int Vao(const TNurbs& c, double u) {
    const int n = static_cast<int>(c.Pw.size());
    int k =
        static_cast<int>(std::upper_bound(c.Nos.begin(), c.Nos.begin() + n, u) - c.Nos.begin()) - 1;
    k = std::clamp(k, c.Grau, n - 1);
    while (k > c.Grau && !(c.Nos[k] < c.Nos[k + 1]))
        --k;
    return k;
}

// The curve's point at u by de Boor's algorithm on the homogeneous points.
TP3 Avalia(const TNurbs& c, double u, std::vector<std::array<double, 4>>& d) {
    const int p = c.Grau, k = Vao(c, u);
    d.assign(c.Pw.begin() + (k - p), c.Pw.begin() + (k + 1));
    for (int r = 1; r <= p; ++r)
        for (int j = p; j >= r; --j) {
            const int i = j + k - p;
            const double den = c.Nos[i + p - r + 1] - c.Nos[i];
            const double a = den > 0 ? (u - c.Nos[i]) / den : 0;
            for (int e = 0; e < 4; ++e)
                d[j][e] = (1 - a) * d[j - 1][e] + a * d[j][e];
        }
    const double w = d[p][3];
    return {d[p][0] / w, d[p][1] / w, d[p][2] / w};
}

// Samples the curve over its domain: a few points per knot span, then the interval whose
// middle strays most from its chord is halved, until none strays more than the tolerance or
// `maximo` points are reached. Non-finite points are left out.
std::vector<TP3> Amostra(const TNurbs& c, double tolerancia, int maximo) {
    const int p = c.Grau, n = static_cast<int>(c.Pw.size());
    const int teto = std::max(2, maximo);
    const double u0 = c.Nos[p], u1 = c.Nos[n];
    std::vector<std::array<double, 4>> d;

    // The starting parameters: every span's ends and (above degree 1) three points inside it.
    std::vector<double> us;
    const int porVao = p == 1 ? 1 : 4;
    long long vaos = 0;
    for (int k = p; k < n; ++k)
        if (c.Nos[k] < c.Nos[k + 1]) ++vaos;
    if (vaos * porVao + 1 <= teto) {
        for (int k = p; k < n; ++k) {
            if (!(c.Nos[k] < c.Nos[k + 1])) continue;
            for (int j = 0; j < porVao; ++j)
                us.push_back(c.Nos[k] + (c.Nos[k + 1] - c.Nos[k]) * j / porVao);
        }
    } else {
        for (int j = 0; j < teto - 1; ++j)
            us.push_back(u0 + (u1 - u0) * j / (teto - 1));
    }
    us.push_back(u1);

    struct TIntervalo {
        double Ua, Ub;
        TP3 Pa, Pb, Pm;
        double Erro;
        bool operator<(const TIntervalo& o) const { return Erro < o.Erro; }
    };
    auto intervalo = [&](double ua, double ub, const TP3& pa, const TP3& pb) {
        TIntervalo i{ua, ub, pa, pb, Avalia(c, (ua + ub) / 2, d), 0};
        const double e = DistanciaAoSegmento(i.Pm, pa, pb);
        i.Erro = std::isnan(e) ? 0 : e;
        return i;
    };

    std::vector<TP3> ps;
    ps.reserve(us.size());
    for (double u : us)
        ps.push_back(Avalia(c, u, d));
    std::priority_queue<TIntervalo> fila;
    for (size_t i = 0; i + 1 < us.size(); ++i)
        fila.push(intervalo(us[i], us[i + 1], ps[i], ps[i + 1]));

    std::vector<TIntervalo> prontos;
    size_t pontos = us.size();
    const bool refina = std::isfinite(tolerancia) && tolerancia > 0;
    while (refina && !fila.empty() && pontos < static_cast<size_t>(teto)) {
        TIntervalo i = fila.top();
        if (!(i.Erro > tolerancia)) break;
        fila.pop();
        const double um = (i.Ua + i.Ub) / 2;
        if (!(i.Ua < um && um < i.Ub)) { // no room left between the parameters
            i.Erro = 0;
            prontos.push_back(i);
            continue;
        }
        fila.push(intervalo(i.Ua, um, i.Pa, i.Pm));
        fila.push(intervalo(um, i.Ub, i.Pm, i.Pb));
        ++pontos;
    }
    while (!fila.empty()) {
        prontos.push_back(fila.top());
        fila.pop();
    }
    std::sort(prontos.begin(), prontos.end(),
              [](const TIntervalo& a, const TIntervalo& b) { return a.Ua < b.Ua; });

    std::vector<TP3> saida;
    saida.reserve(prontos.size() + 1);
    for (const TIntervalo& i : prontos)
        if (Finito(i.Pa)) saida.push_back(i.Pa);
    if (!prontos.empty() && Finito(prontos.back().Pb)) saida.push_back(prontos.back().Pb);
    if (saida.size() < 2) saida.clear();
    return saida;
}

// Solves a tridiagonal system a[i] x[i-1] + b[i] x[i] + c[i] x[i+1] = r[i] (diagonally
// dominant here, so without pivoting). With `ciclico`, a[0] and c[m-1] join the ends
// (Sherman-Morrison on the open system).
std::vector<TP3> Tridiagonal(std::vector<double> a, std::vector<double> b, std::vector<double> c,
                             std::vector<TP3> r, bool ciclico) {
    const size_t m = b.size();
    auto resolve = [m](const std::vector<double>& a, std::vector<double> b,
                       const std::vector<double>& c, std::vector<TP3> r) {
        for (size_t i = 1; i < m; ++i) {
            const double f = a[i] / b[i - 1];
            b[i] -= f * c[i - 1];
            r[i] = Menos(r[i], Vezes(r[i - 1], f));
        }
        std::vector<TP3> x(m);
        x[m - 1] = Vezes(r[m - 1], 1 / b[m - 1]);
        for (size_t i = m - 1; i-- > 0;)
            x[i] = Vezes(Menos(r[i], Vezes(x[i + 1], c[i])), 1 / b[i]);
        return x;
    };
    if (!ciclico) return resolve(a, b, c, r);
    // A = B + u v^T with u = (g, 0.., cm-1... ): the usual choice gamma = -b[0].
    const double g = -b[0], alfa = a[0], beta = c[m - 1];
    b[0] -= g;
    b[m - 1] -= alfa * beta / g;
    const std::vector<TP3> x = resolve(a, b, c, r);
    std::vector<TP3> uu(m, TP3{0, 0, 0});
    uu[0] = {g, g, g};
    uu[m - 1] = {beta, beta, beta};
    const std::vector<TP3> z = resolve(a, b, c, uu);
    const TP3 vx = Soma(x[0], Vezes(x[m - 1], alfa / g));
    const TP3 vz = Soma(z[0], Vezes(z[m - 1], alfa / g));
    std::vector<TP3> s(m);
    for (size_t i = 0; i < m; ++i)
        for (int e = 0; e < 3; ++e)
            s[i][e] = x[i][e] - z[i][e] * vx[e] / (1 + vz[e]);
    return s;
}

// The unit tangents at the two ends of an open curve through q (three points or more),
// estimated from five chords as CAD programs do for fit points without stored tangents
// (Akima's weighting, with the chords continued beyond the ends). False when they are not
// defined (zero or not finite).
bool TangentesDasPontas(const std::vector<TP3>& q, double escala, TP3& t0, TP3& t1) {
    const size_t n = q.size();
    // d(j) = q[j] - q[j-1] for j = 1 .. n-1, scaled; continued linearly beyond both ends.
    auto d = [&](long j) -> TP3 {
        auto corda = [&](long i) { return Vezes(Menos(q[i], q[i - 1]), escala); };
        const long ultimo = static_cast<long>(n) - 1;
        if (j >= 1 && j <= ultimo) return corda(j);
        if (j == 0) return Menos(Vezes(corda(1), 2), corda(2));
        if (j == -1) return Menos(Vezes(Menos(Vezes(corda(1), 2), corda(2)), 2), corda(1));
        const TP3 dn = Menos(Vezes(corda(ultimo), 2), corda(ultimo - 1));
        return j == ultimo + 1 ? dn : Menos(Vezes(dn, 2), corda(ultimo));
    };
    auto tangente = [&](long k) {
        const double v1 = Norma(Vetorial(d(k - 1), d(k))), v2 = Norma(Vetorial(d(k + 1), d(k + 2)));
        const double a = v1 + v2 > 0 ? v1 / (v1 + v2) : 0.5;
        return Soma(Vezes(d(k), 1 - a), Vezes(d(k + 1), a));
    };
    t0 = tangente(0);
    t1 = tangente(static_cast<long>(n) - 1);
    return Normaliza(t0) && Normaliza(t1);
}

// The C2 cubic through the points, parameterised by chord length, as a NURBS of degree 3 (one
// Bezier piece per pair of points). Open: the end tangents estimated from the points (three
// or more), or natural ends (no bending there) where they cannot be. Closed: periodic, back
// to the first point. Empty when it cannot be made finite.
TNurbs CubicaPelosPontos(std::vector<TP3> q, bool fechada) {
    TNurbs c;
    const size_t k = q.size();
    const size_t trechos = fechada ? k : k - 1;
    if (fechada) q.push_back(q[0]);
    std::vector<double> h(trechos);
    std::vector<TP3> dir(trechos); // unit chord directions
    for (size_t i = 0; i < trechos; ++i) {
        dir[i] = Menos(q[i + 1], q[i]);
        h[i] = Norma(dir[i]);
        if (!(h[i] > 0) || !std::isfinite(h[i]) || !Normaliza(dir[i])) return c;
    }
    TP3 t0{}, t1{};
    const double maiorCorda = *std::max_element(h.begin(), h.end());
    const bool pontas = !fechada && k >= 3 && TangentesDasPontas(q, 1 / maiorCorda, t0, t1);
    // Tangents D at the points: h[i] D[i-1] + 2 (h[i-1] + h[i]) D[i] + h[i-1] D[i+1]
    // = 3 (h[i] dir[i-1] + h[i-1] dir[i]) inside; D scaled to the unit parameter per chord.
    const size_t m = k;
    std::vector<double> a(m), b(m), cc(m);
    std::vector<TP3> r(m);
    for (size_t i = 0; i < m; ++i) {
        const bool inicio = !fechada && i == 0, fim = !fechada && i == m - 1;
        if (inicio && pontas) {
            a[i] = 0, b[i] = 1, cc[i] = 0, r[i] = t0;
        } else if (fim && pontas) {
            a[i] = 0, b[i] = 1, cc[i] = 0, r[i] = t1;
        } else if (inicio) {
            a[i] = 0, b[i] = 2, cc[i] = 1, r[i] = Vezes(dir[0], 3);
        } else if (fim) {
            a[i] = 1, b[i] = 2, cc[i] = 0, r[i] = Vezes(dir[trechos - 1], 3);
        } else {
            const size_t ant = (i + trechos - 1) % trechos, pos = i % trechos;
            // Normalised by the two chords' sum so that huge and tiny drawings stay finite.
            const double s = h[ant] + h[pos];
            const double ha = h[ant] / s, hp = h[pos] / s;
            a[i] = hp, b[i] = 2, cc[i] = ha;
            r[i] = Vezes(Soma(Vezes(dir[ant], hp), Vezes(dir[pos], ha)), 3);
        }
    }
    // The unknowns are the unit tangents' directions times the length per unit parameter;
    // with parameter = chord length they are unit-ish, and each piece's Bezier handles are
    // tangent * h / 3.
    const std::vector<TP3> D = Tridiagonal(a, b, cc, r, fechada);

    c.Grau = 3;
    c.Nos.assign(4, 0.0);
    double u = 0;
    c.Pw.push_back({q[0][0], q[0][1], q[0][2], 1});
    for (size_t i = 0; i < trechos; ++i) {
        const TP3 d0 = D[i], d1 = D[(i + 1) % m];
        const TP3 p1 = Soma(q[i], Vezes(d0, h[i] / 3));
        const TP3 p2 = Menos(q[i + 1], Vezes(d1, h[i] / 3));
        c.Pw.push_back({p1[0], p1[1], p1[2], 1});
        c.Pw.push_back({p2[0], p2[1], p2[2], 1});
        c.Pw.push_back({q[i + 1][0], q[i + 1][1], q[i + 1][2], 1});
        u += h[i];
        const int mult = i + 1 == trechos ? 4 : 3;
        for (int j = 0; j < mult; ++j)
            c.Nos.push_back(u);
    }
    for (const auto& p : c.Pw)
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]) ||
            !std::isfinite(u)) {
            c.Pw.clear();
            break;
        }
    return c;
}

} // namespace

std::array<TP3, 3> EixosOCS(const TP3& extrusao) {
    TP3 n = extrusao;
    if (!Normaliza(n)) n = {0, 0, 1};
    const double limite = 1.0 / 64;
    TP3 ax = std::fabs(n[0]) < limite && std::fabs(n[1]) < limite ? Vetorial({0, 1, 0}, n)
                                                                  : Vetorial({0, 0, 1}, n);
    Normaliza(ax); // never zero: one of the rules' products always has length >= 1/64
    TP3 ay = Vetorial(n, ax);
    Normaliza(ay);
    return {ax, ay, n};
}

TP3 DoOCS(const std::array<TP3, 3>& eixos, const TP3& p) {
    return Soma(Soma(Vezes(eixos[0], p[0]), Vezes(eixos[1], p[1])), Vezes(eixos[2], p[2]));
}

int SegmentosDoArco(double raio, double angulo, double tolerancia, int maximo) {
    const int teto = std::max(1, maximo);
    double a = std::fabs(angulo);
    if (!std::isfinite(a)) a = DoisPi;
    // The small allowance keeps a whole turn, computed with rounding, at 16 and not 17.
    double n = std::ceil(16 * a / DoisPi - 1e-9);
    if (std::isfinite(raio) && raio > 0 && std::isfinite(tolerancia) && tolerancia > 0 &&
        tolerancia < 2 * raio) {
        // A chord over the angle s strays r (1 - cos(s/2)) = 2 r sin^2(s/4) from the arc.
        const double passo = 4 * std::asin(std::sqrt(tolerancia / (2 * raio)));
        n = passo > 0 ? std::max(n, std::ceil(a / passo - 1e-9)) : teto;
    }
    if (!(n >= 1)) n = 1;
    return n >= teto ? teto : static_cast<int>(n);
}

std::vector<TP2> PontosDoArco(const TP2& centro, double raio, double a0, double a1,
                              double tolerancia, int maximo) {
    if (!Finito(centro) || !std::isfinite(raio) || !(raio > 0) || !std::isfinite(a0) ||
        !std::isfinite(a1))
        return {};
    const double varre = Varredura(a1 - a0);
    if (!(varre > 0)) return {};
    a0 = std::fmod(a0, DoisPi); // keeps the angles' precision for huge starts
    const int n = SegmentosDoArco(raio, varre, tolerancia, maximo);
    std::vector<TP2> ps;
    ps.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + (i == n ? varre : varre * i / n);
        const TP2 p{centro[0] + raio * std::cos(a), centro[1] + raio * std::sin(a)};
        if (!Finito(p)) return {};
        ps.push_back(p);
    }
    return ps;
}

std::vector<TP3> PontosDaElipse(const TP3& centro, const TP3& eixoMaior, double razao,
                                const TP3& normal, double t0, double t1, double tolerancia,
                                int maximo) {
    if (!Finito(centro) || !Finito(eixoMaior) || !std::isfinite(razao) || !std::isfinite(t0) ||
        !std::isfinite(t1))
        return {};
    TP3 nz = normal;
    if (!Normaliza(nz)) nz = {0, 0, 1};
    const double a = Norma(eixoMaior);
    TP3 dirMenor = Vetorial(nz, eixoMaior);
    if (!(a > 0) || !std::isfinite(a) || !Normaliza(dirMenor)) return {};
    const TP3 menor = Vezes(dirMenor, razao * a);
    const double varre = Varredura(t1 - t0);
    if (!(varre > 0)) return {};
    t0 = std::fmod(t0, DoisPi);
    // A step dt strays at most max(a, b) dt^2 / 8 from the curve, as on a circle of the larger
    // axis.
    const int n = SegmentosDoArco(std::max(a, std::fabs(razao) * a), varre, tolerancia, maximo);
    std::vector<TP3> ps;
    ps.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = t0 + (i == n ? varre : varre * i / n);
        const TP3 p = Soma(centro, Soma(Vezes(eixoMaior, std::cos(t)), Vezes(menor, std::sin(t))));
        if (!Finito(p)) return {};
        ps.push_back(p);
    }
    return ps;
}

std::vector<TP3> PontosDaSpline(int grau, const std::vector<double>& nos,
                                const std::vector<double>& pesos, const std::vector<TP3>& controle,
                                const std::vector<TP3>& ajuste, bool fechada, double tolerancia,
                                int maximo) {
    const bool controleBom =
        controle.size() >= 2 &&
        std::all_of(controle.begin(), controle.end(), [](const TP3& p) { return Finito(p); });
    if (controleBom) {
        TNurbs c;
        const int n = static_cast<int>(std::min<size_t>(controle.size(), 1 << 28));
        // Degrees above CAD programs' limit (AutoCAD stops at 26) only cost time: each point
        // takes degree^2 steps.
        c.Grau = std::clamp(grau, 1, std::min(n - 1, GrauMaximo));
        const size_t m = static_cast<size_t>(n) + c.Grau + 1;
        bool nosBons = nos.size() == m && std::isfinite(nos.front()) && std::isfinite(nos.back()) &&
                       std::isfinite(nos.back() - nos.front()) && nos[c.Grau] < nos[n];
        for (size_t i = 1; nosBons && i < m; ++i)
            nosBons = nos[i - 1] <= nos[i];
        if (nosBons) {
            c.Nos = nos;
        } else { // uniform and clamped: the curve starts and ends at its end control points
            c.Nos.assign(m, 0.0);
            for (size_t i = c.Grau + 1; i < m; ++i)
                c.Nos[i] = std::min<double>(static_cast<double>(i - c.Grau), n - c.Grau);
        }
        double maior = 0;
        bool pesosBons = pesos.size() == controle.size();
        for (size_t i = 0; pesosBons && i < pesos.size(); ++i) {
            pesosBons = std::isfinite(pesos[i]) && pesos[i] > 0;
            maior = std::max(maior, pesos[i]);
        }
        // Weights scaled to at most 1 so that weight times point cannot overflow.
        for (size_t i = 0; pesosBons && i < pesos.size(); ++i)
            pesosBons = pesos[i] / maior > 0;
        c.Pw.resize(n);
        for (int i = 0; i < n; ++i) {
            const double w = pesosBons ? pesos[i] / maior : 1;
            c.Pw[i] = {controle[i][0] * w, controle[i][1] * w, controle[i][2] * w, w};
        }
        return Amostra(c, tolerancia, maximo);
    }

    // Through the fit points: the finite ones, repeats in a row left out.
    std::vector<TP3> q;
    for (const TP3& p : ajuste)
        if (Finito(p) && (q.empty() || p != q.back())) q.push_back(p);
    // A closed curve's points may end with the first again: it is closed once.
    if (fechada && q.size() > 1 && q.back() == q.front()) q.pop_back();
    if (q.size() < 2) return {};
    if (q.size() < 3) fechada = false;
    if (fechada || q.size() > 2) {
        const TNurbs c = CubicaPelosPontos(q, fechada);
        if (!c.Pw.empty()) {
            std::vector<TP3> ps = Amostra(c, tolerancia, maximo);
            if (!ps.empty()) return ps;
        }
    }
    // Two points, or a curve that would not stay finite: the straight lines through them.
    if (fechada) q.push_back(q.front());
    if (q.size() > static_cast<size_t>(std::max(2, maximo))) q.resize(std::max(2, maximo));
    return q;
}

namespace {

// A straight strip's corners: left and right of its start and of its end.
struct TFaixa {
    TP2 E0, E1, D0, D1;
};

// Where the lines through a0-a1 and b0-b1 cross; none when they are within about 1.8 degrees
// of parallel (the joint then keeps both strips' own ends).
std::optional<TP2> Cruzamento(const TP2& a0, const TP2& a1, const TP2& b0, const TP2& b1) {
    const TP2 da{a1[0] - a0[0], a1[1] - a0[1]}, db{b1[0] - b0[0], b1[1] - b0[1]};
    const double cruz = da[0] * db[1] - da[1] * db[0];
    const double escalar = da[0] * db[0] + da[1] * db[1];
    if (!(std::fabs(std::atan2(cruz, escalar)) >= 0.031415)) return std::nullopt;
    const double t = ((b0[0] - a0[0]) * db[1] - (b0[1] - a0[1]) * db[0]) / cruz;
    const TP2 p{a0[0] + da[0] * t, a0[1] + da[1] * t};
    return Finito(p) ? std::optional(p) : std::nullopt;
}

// The mitred joint of strip `a` running into strip `b`: each side's edges meet where their
// lines cross, as CAD programs join wide polyline segments.
void Junta(std::optional<TFaixa>& a, std::optional<TFaixa>& b) {
    if (!a || !b) return;
    const auto esquerda = Cruzamento(a->E0, a->E1, b->E0, b->E1);
    const auto direita = Cruzamento(a->D0, a->D1, b->D0, b->D1);
    if (esquerda) a->E1 = b->E0 = *esquerda;
    if (direita) a->D1 = b->D0 = *direita;
}

double AreaDaFaixa(const TFaixa& f) {
    // The quadrilateral E0, E1, D1, D0 by the shoelace rule.
    const TP2 q[4] = {f.E0, f.E1, f.D1, f.D0};
    double dobro = 0;
    for (int i = 0; i < 4; ++i)
        dobro += q[i][0] * q[(i + 1) % 4][1] - q[(i + 1) % 4][0] * q[i][1];
    return std::fabs(dobro) / 2;
}

} // namespace

TTracado2D TracaPolilinha(const std::vector<TVertice2D>& vertices, bool fechada, double tolerancia,
                          int maximo) {
    TTracado2D t;
    std::vector<TVertice2D> v;
    v.reserve(vertices.size());
    auto largura = [](double w) { return std::isfinite(w) && w > 0 ? w : 0.0; };
    for (const TVertice2D& x : vertices) {
        if (!Finito(x.P)) continue;
        v.push_back({x.P, std::isfinite(x.Bulge) ? x.Bulge : 0, largura(x.LarguraIni),
                     largura(x.LarguraFim)});
    }
    const size_t k = v.size();
    if (k < 2) return t;
    const size_t nseg = fechada ? k : k - 1;

    // Each segment: straight, or an arc with its centre, radius, start angle and signed sweep.
    struct TSegmento {
        TP2 A, B;
        double W0, W1;
        bool Arco = false;
        TP2 C{};
        double R = 0, Ang0 = 0, Varre = 0;
        double Comprimento = 0;
        int N = 1, Minimo = 1;
    };
    std::vector<TSegmento> segs;
    segs.reserve(nseg);
    long long total = 0, minimos = 0;
    for (size_t i = 0; i < nseg; ++i) {
        const TVertice2D& va = v[i];
        const TP2 b = v[(i + 1) % k].P;
        TSegmento s{va.P, b, va.LarguraIni, va.LarguraFim};
        const double dx = b[0] - va.P[0], dy = b[1] - va.P[1];
        const double corda = std::hypot(dx, dy);
        if (!std::isfinite(corda)) continue;
        s.Comprimento = corda;
        if (corda > 0 && std::fabs(va.Bulge) > 1e-12) {
            // bulge = tan(sweep / 4); the centre sits (1/b - b) / 2 half chords to the left.
            const double bu = va.Bulge;
            const double varre = 4 * std::atan(bu);
            const double raio = corda / 4 * (1 / std::fabs(bu) + std::fabs(bu));
            const double f = (1 / bu - bu) / 4;
            const TP2 c{(va.P[0] + b[0]) / 2 - dy * f, (va.P[1] + b[1]) / 2 + dx * f};
            if (std::isfinite(raio) && Finito(c)) {
                s.Arco = true;
                s.C = c;
                s.R = raio;
                s.Ang0 = std::atan2(va.P[1] - c[1], va.P[0] - c[0]);
                s.Varre = varre;
                s.Comprimento = raio * std::fabs(varre);
                s.N = SegmentosDoArco(raio, std::fabs(varre), tolerancia, maximo);
                s.Minimo = SegmentosDoArco(raio, std::fabs(varre), 0, maximo);
            }
        }
        if (!(s.W0 > 0 || s.W1 > 0))
            t.Comprimento += s.Comprimento;
        else if (s.Arco)
            t.Area += s.Comprimento * (s.W0 + s.W1) / 2; // straight strips are measured drawn
        total += s.N;
        minimos += s.Minimo;
        segs.push_back(s);
    }

    // The whole trace within max(maximo, 16 per segment) pieces: arcs give up their share
    // above the angle's minimum in proportion.
    const long long limite = std::max<long long>(maximo, 16LL * static_cast<long long>(nseg));
    if (total > limite) {
        const double f =
            static_cast<double>(limite - minimos) / static_cast<double>(total - minimos);
        for (TSegmento& s : segs)
            s.N = s.Minimo + static_cast<int>(std::floor((s.N - s.Minimo) * f));
    }

    auto ponto = [](const TSegmento& s, int j) -> std::pair<TP2, TP2> {
        // The point at piece j and the unit direction across the segment there.
        const double f = static_cast<double>(j) / s.N;
        if (!s.Arco) {
            const double dx = s.B[0] - s.A[0], dy = s.B[1] - s.A[1];
            const double l = std::hypot(dx, dy);
            const TP2 across = l > 0 ? TP2{-dy / l, dx / l} : TP2{0, 0};
            const TP2 p = j == s.N ? s.B : TP2{s.A[0] + dx * f, s.A[1] + dy * f};
            return {p, across};
        }
        const double a = s.Ang0 + s.Varre * f;
        const TP2 radial{std::cos(a), std::sin(a)};
        const TP2 p = j == 0     ? s.A
                      : j == s.N ? s.B
                                 : TP2{s.C[0] + s.R * radial[0], s.C[1] + s.R * radial[1]};
        return {p, radial};
    };

    // A wide straight segment's strip, its corners moved to the mitres where it meets another.
    std::vector<std::optional<TFaixa>> faixas(segs.size());
    for (size_t i = 0; i < segs.size(); ++i) {
        const TSegmento& s = segs[i];
        if (s.Arco || s.Comprimento == 0 || !(s.W0 > 0 || s.W1 > 0)) continue;
        const TP2 across = ponto(s, 0).second;
        auto lado = [&](const TP2& p, double w, double sentido) {
            return TP2{p[0] + across[0] * w * sentido / 2, p[1] + across[1] * w * sentido / 2};
        };
        faixas[i] = TFaixa{lado(s.A, s.W0, 1), lado(s.B, s.W1, 1), lado(s.A, s.W0, -1),
                           lado(s.B, s.W1, -1)};
    }
    for (size_t i = 0; i + 1 < segs.size(); ++i)
        Junta(faixas[i], faixas[i + 1]);
    // A path that ends where it starts (closed, or its last vertex on its first) joins there
    // too; a closing segment of no length is passed over.
    size_t ultimo = segs.size() - 1;
    if (ultimo > 0 && segs[ultimo].Comprimento == 0) --ultimo;
    const TP2 a = v.front().P, z = v.back().P;
    if ((fechada || (a[0] == z[0] && a[1] == z[1])) && ultimo > 1)
        Junta(faixas[ultimo], faixas.front());

    t.Linha.push_back(v[0].P);
    for (size_t i = 0; i < segs.size(); ++i) {
        const TSegmento& s = segs[i];
        if (s.Comprimento == 0) continue;
        for (int j = 1; j <= s.N; ++j)
            t.Linha.push_back(ponto(s, j).first);
        if (!(s.W0 > 0 || s.W1 > 0)) continue;
        if (const auto& f = faixas[i]) {
            t.Triangulos.insert(t.Triangulos.end(), {f->E0, f->D0, f->E1, f->E1, f->D0, f->D1});
            t.Area += AreaDaFaixa(*f);
            continue;
        }
        auto bordas = [&](int j) {
            const auto [p, across] = ponto(s, j);
            const double w = (s.W0 + (s.W1 - s.W0) * j / s.N) / 2;
            return std::pair<TP2, TP2>{TP2{p[0] + across[0] * w, p[1] + across[1] * w},
                                       TP2{p[0] - across[0] * w, p[1] - across[1] * w}};
        };
        auto anterior = bordas(0);
        for (int j = 1; j <= s.N; ++j) {
            const auto atual = bordas(j);
            t.Triangulos.insert(t.Triangulos.end(), {anterior.first, anterior.second, atual.first,
                                                     atual.first, anterior.second, atual.second});
            anterior = atual;
        }
    }
    if (t.Linha.size() < 2) t.Linha.clear();
    auto finitos = [](const std::vector<TP2>& ps) {
        return std::all_of(ps.begin(), ps.end(), [](const TP2& p) { return Finito(p); });
    };
    if (!finitos(t.Linha)) t.Linha.clear();
    if (!finitos(t.Triangulos)) t.Triangulos.clear();
    if (!std::isfinite(t.Comprimento)) t.Comprimento = 0;
    if (!std::isfinite(t.Area)) t.Area = 0;
    return t;
}
