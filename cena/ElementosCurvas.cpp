// The walk's curves: lines, arcs, circles, ellipses, splines, polylines and points.

#include "Percurso.h"

#include <cmath>
#include <functional>

namespace {

constexpr double Pi = 3.141592653589793238462643383279502884;

// The unit extrusion direction; +Z for a zero or broken one.
TP3 Direcao(const TPonto3D& extrusao) {
    return EixosOCS(P3(extrusao))[2];
}

// A length measured in the block's own units, in world units: scaled as the drawn curve was.
double NoMundo(double local, const std::vector<TP3>& desenhoLocal,
               const std::vector<TP3>& desenhoMundo) {
    const double l = ComprimentoDe(desenhoLocal);
    const double w = ComprimentoDe(desenhoMundo);
    return l > 0 ? local * (w / l) : w;
}

} // namespace

void TPercurso::Extrusao(const TContexto& c, const std::vector<TP3>& curva, const TP3& altura,
                         TRGB cor) {
    for (std::size_t i = 1; i < curva.size() && !emissor_.Parado(); ++i) {
        const TP3 a = c.M.Ponto(curva[i - 1]), b = c.M.Ponto(curva[i]);
        const TP3 a2 = c.M.Ponto(Soma3(curva[i - 1], altura));
        const TP3 b2 = c.M.Ponto(Soma3(curva[i], altura));
        const TP3 n = NormalDoTriangulo(a, b, b2);
        emissor_.Triangulo(a, b, b2, n, cor, false, false);
        emissor_.Triangulo(a, b2, a2, n, cor, false, false);
        emissor_.Segmento(a2, b2, cor, false);
    }
}

void TPercurso::Linha(const TLinha& l, const TContexto& c, const std::string& tipo) {
    TRGB cor;
    if (!Prepara(l, c, cor)) return;
    const TP3 a = l.P1 ? P3(*l.P1) : TP3{0, 0, 0}, b = l.P2 ? P3(*l.P2) : TP3{0, 0, 0};
    const TP3 wa = c.M.Ponto(a), wb = c.M.Ponto(b);
    if (!Finito3(wa) || !Finito3(wb)) return;
    emissor_.Segmento(wa, wb, cor, true);
    emissor_.Mede(tipo, Norma3(Menos3(wb, wa)), 0);
    const double e = l.Espessura.ComoDouble();
    if (e != 0) Extrusao(c, {a, b}, Vezes3(Direcao(l.Extrusao), e), cor);
}

void TPercurso::ArcoNoOCS(TRGB cor, const TContexto& c, const TP3& centro, double raio, double a0,
                          double a1, const TP3& extrusao, double espessura,
                          const std::string& tipo) {
    const std::vector<TP2> plano =
        PontosDoArco({centro[0], centro[1]}, raio, a0, a1, c.Tolerancia, opcoes_.MaximoDeSegmentos);
    if (plano.size() < 2) return;
    const auto eixos = EixosOCS(extrusao);
    std::vector<TP3> local;
    local.reserve(plano.size());
    for (const TP2& p : plano)
        local.push_back(DoOCS(eixos, {p[0], p[1], centro[2]}));
    const std::vector<TP3> w = NoMundo(c, local);
    if (!Finitos(w)) return;
    emissor_.Poligonal(w, cor, true);
    // The arc's own length (not its chords'), in world units.
    double varre = std::fmod(a1 - a0, 2 * Pi);
    if (varre <= 0) varre += 2 * Pi;
    if (a1 - a0 >= 2 * Pi) varre = 2 * Pi;
    emissor_.Mede(tipo, NoMundo(raio * varre, local, w), 0);
    if (espessura != 0) Extrusao(c, local, Vezes3(eixos[2], espessura), cor);
}

void TPercurso::Arco(const TArco& a, const TContexto& c) {
    TRGB cor;
    if (!Prepara(a, c, cor)) return;
    ArcoNoOCS(cor, c, a.Centro ? P3(*a.Centro) : TP3{0, 0, 0}, a.Raio.ComoDouble(),
              a.AngIni.ComoDouble() * Pi / 180, a.AngFim.ComoDouble() * Pi / 180, P3(a.Extrusao),
              a.Espessura.ComoDouble(), "ARC");
}

void TPercurso::Circulo(const TCirculo& a, const TContexto& c) {
    TRGB cor;
    if (!Prepara(a, c, cor)) return;
    ArcoNoOCS(cor, c, a.Centro ? P3(*a.Centro) : TP3{0, 0, 0}, a.Raio.ComoDouble(), 0, 2 * Pi,
              P3(a.Extrusao), a.Espessura.ComoDouble(), "CIRCLE");
}

void TPercurso::Elipse(const TElipse& e, const TContexto& c) {
    TRGB cor;
    if (!Prepara(e, c, cor)) return;
    auto pontos = [&](double tolerancia) {
        return PontosDaElipse(P3(e.Centro), P3(e.EixoMaior), e.Razao.ComoDouble(), P3(e.Extrusao),
                              e.ParamIni.ComoDouble(), e.ParamFim.ComoDouble(), tolerancia,
                              opcoes_.MaximoDeSegmentos);
    };
    Curva(cor, c, pontos, "ELLIPSE");
}

void TPercurso::Spline(const TSpline& s, const TContexto& c) {
    TRGB cor;
    if (!Prepara(s, c, cor)) return;
    auto duplos = [](const std::vector<Real>& v) {
        std::vector<double> d;
        d.reserve(v.size());
        for (const Real& x : v)
            d.push_back(x.ComoDouble());
        return d;
    };
    auto pontos3 = [](const std::vector<TPonto3D>& v) {
        std::vector<TP3> d;
        d.reserve(v.size());
        for (const TPonto3D& p : v)
            d.push_back(P3(p));
        return d;
    };
    const std::vector<double> nos = duplos(s.Nos), pesos = duplos(s.Pesos);
    const std::vector<TP3> controle = pontos3(s.Controle), ajuste = pontos3(s.Ajuste);
    auto pontos = [&](double tolerancia) {
        return PontosDaSpline(s.Grau, nos, pesos, controle, ajuste, (s.Flags & 1) != 0, tolerancia,
                              opcoes_.MaximoDeSegmentos);
    };
    Curva(cor, c, pontos, "SPLINE");
}

void TPercurso::Curva(TRGB cor, const TContexto& c,
                      const std::function<std::vector<TP3>(double)>& pontos,
                      const std::string& tipo) {
    const std::vector<TP3> local = pontos(c.Tolerancia);
    const std::vector<TP3> w = NoMundo(c, local);
    if (w.size() < 2 || !Finitos(w)) return;
    emissor_.Poligonal(w, cor, true);
    // A curve small beside the drawing is drawn with few chords, which fall short of its
    // length: it is measured on a cut fine for its own size.
    double comprimento = ComprimentoDe(w);
    const double proprio = ComprimentoDe(local);
    if (proprio > 0 && c.Tolerancia > proprio * 1e-4) {
        const std::vector<TP3> fino = NoMundo(c, pontos(proprio * 1e-5));
        if (fino.size() >= 2 && Finitos(fino)) comprimento = ComprimentoDe(fino);
    }
    emissor_.Mede(tipo, comprimento, 0);
}

void TPercurso::Polilinha2D(TRGB cor, const TContexto& c, const std::vector<TVertice2D>& v,
                            bool fechada, double elevacao, const TP3& extrusao, double espessura,
                            const std::string& tipo) {
    const TTracado2D t = TracaPolilinha(v, fechada, c.Tolerancia, opcoes_.MaximoDeSegmentos);
    if (t.Linha.size() < 2 && t.Triangulos.empty()) return;
    const auto eixos = EixosOCS(extrusao);
    auto noPlano = [&](const std::vector<TP2>& ps) {
        std::vector<TP3> r;
        r.reserve(ps.size());
        for (const TP2& p : ps)
            r.push_back(DoOCS(eixos, {p[0], p[1], elevacao}));
        return r;
    };
    const std::vector<TP3> linha = noPlano(t.Linha), tris = noPlano(t.Triangulos);
    const std::vector<TP3> wLinha = NoMundo(c, linha), wTris = NoMundo(c, tris);
    if (!Finitos(wLinha) || !Finitos(wTris)) return;
    emissor_.Poligonal(wLinha, cor, true);
    double areaLocal = 0, areaMundo = 0;
    for (std::size_t i = 0; i + 2 < wTris.size() && !emissor_.Parado(); i += 3) {
        const TP3 &a = wTris[i], &b = wTris[i + 1], &d = wTris[i + 2];
        emissor_.Triangulo(a, b, d, NormalDoTriangulo(a, b, d), cor, true, false);
        areaLocal += AreaDoTriangulo(tris[i], tris[i + 1], tris[i + 2]);
        areaMundo += AreaDoTriangulo(a, b, d);
    }
    const double area = areaLocal > 0 ? t.Area * (areaMundo / areaLocal) : 0;
    emissor_.Mede(tipo, NoMundo(t.Comprimento, linha, wLinha), area);
    if (espessura != 0) Extrusao(c, linha, Vezes3(eixos[2], espessura), cor);
}

void TPercurso::PolyLine(const TPolyLine& p, const TContexto& c) {
    TRGB cor;
    if (!Prepara(p, c, cor)) return;
    if (p.Flags & 64) return MalhaDeFaces(p, c, cor);
    if (p.Flags & 16) return MalhaPoligonal(p, c, cor);
    if (p.Flags & 8) return Polilinha3D(p, c, cor);
    // A spline-fit polyline is drawn through its fitted vertices, not its frame.
    const bool ajustada = p.Flags & 4;
    std::vector<TVertice2D> v;
    v.reserve(static_cast<std::size_t>(p.Vertices.Count()));
    for (const TVertice& x : p.Vertices) {
        if (ajustada && (x.FlagsVertice & 16)) continue;
        const TP3 q = x.Ponto ? P3(*x.Ponto) : TP3{0, 0, 0};
        // A vertex without widths takes the polyline's default ones.
        const double w0 =
            x.LarguraIni.ComoDouble() != 0 ? x.LarguraIni.ComoDouble() : p.LarguraIni.ComoDouble();
        const double w1 =
            x.LarguraFim.ComoDouble() != 0 ? x.LarguraFim.ComoDouble() : p.LarguraFim.ComoDouble();
        v.push_back({{q[0], q[1]}, x.Bulge.ComoDouble(), w0, w1});
    }
    Polilinha2D(cor, c, v, (p.Flags & 1) != 0, p.Elevacao.ComoDouble(), P3(p.Extrusao),
                p.Espessura.ComoDouble(), "POLYLINE2D");
}

void TPercurso::Polilinha3D(const TPolyLine& p, const TContexto& c, TRGB cor) {
    const bool ajustada = p.Flags & 4;
    std::vector<TP3> local;
    local.reserve(static_cast<std::size_t>(p.Vertices.Count()) + 1);
    for (const TVertice& x : p.Vertices)
        if (!(ajustada && (x.FlagsVertice & 16)))
            local.push_back(x.Ponto ? P3(*x.Ponto) : TP3{0, 0, 0});
    if (local.size() < 2) return;
    if (p.Flags & 1) local.push_back(local.front());
    const std::vector<TP3> w = NoMundo(c, local);
    if (!Finitos(w)) return;
    emissor_.Poligonal(w, cor, true);
    emissor_.Mede("POLYLINE3D", ComprimentoDe(w), 0);
}

void TPercurso::PolyLineLeve(const TPolyLineLeve& p, const TContexto& c) {
    TRGB cor;
    if (!Prepara(p, c, cor)) return;
    // A constant width, when there is one, is every segment's (as AutoCAD draws it).
    const double constante = p.LarguraConstante.ComoDouble();
    std::vector<TVertice2D> v;
    v.reserve(p.Vertices.size());
    for (const TVerticeLeve& x : p.Vertices)
        v.push_back({{x.X.ComoDouble(), x.Y.ComoDouble()},
                     x.Bulge.ComoDouble(),
                     constante != 0 ? constante : x.LarguraIni.ComoDouble(),
                     constante != 0 ? constante : x.LarguraFim.ComoDouble()});
    Polilinha2D(cor, c, v, (p.Flags & 1) != 0, p.Elevacao.ComoDouble(), P3(p.Extrusao),
                p.Espessura.ComoDouble(), "LWPOLYLINE");
}

void TPercurso::PontoDXF(const TPontoDXF& p, const TContexto& c) {
    TRGB cor;
    if (!Prepara(p, c, cor)) return;
    const TP3 local = P3(p.Ponto);
    const TP3 w = c.M.Ponto(local);
    if (!Finito3(w)) return;
    emissor_.Ponto(w, cor, true);
    emissor_.Mede("POINT", 0, 0);
    const double e = p.Espessura.ComoDouble();
    if (e != 0)
        emissor_.Segmento(w, c.M.Ponto(Soma3(local, Vezes3(Direcao(p.Extrusao), e))), cor, false);
}
