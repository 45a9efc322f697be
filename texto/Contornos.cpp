#include "Contornos.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

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

// What GLU's callbacks fill while one glyph is tessellated.
struct TTesselagem {
    std::deque<std::array<GLdouble, 3>> Vertices; // stable addresses, handed to GLU
    std::vector<std::array<float, 2>> Triangulos;
    double Escala = 1;
};

void GLAPIENTRY Inicio(GLenum, void*) {}
void GLAPIENTRY Fim(void*) {}
void GLAPIENTRY Erro(GLenum, void*) {}
// Having this callback makes GLU hand out separate triangles only, never fans or strips.
void GLAPIENTRY Aresta(GLboolean, void*) {}

void GLAPIENTRY Vertice(void* vertice, void* dados) {
    auto& t = *static_cast<TTesselagem*>(dados);
    const auto* v = static_cast<const GLdouble*>(vertice);
    t.Triangulos.push_back(
        {static_cast<float>(v[0] * t.Escala), static_cast<float>(v[1] * t.Escala)});
}

void GLAPIENTRY Combina(GLdouble coordenadas[3], void* [4], GLfloat[4], void** saida, void* dados) {
    auto& t = *static_cast<TTesselagem*>(dados);
    t.Vertices.push_back({coordenadas[0], coordenadas[1], 0});
    *saida = t.Vertices.back().data();
}

template <class F> _GLUfuncptr Callback(F* f) {
    return reinterpret_cast<_GLUfuncptr>(f);
}

struct TApagaTess {
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

// Keeps the triangles with area, each turned counter-clockwise.
void Orienta(std::vector<std::array<float, 2>>& tri) {
    std::size_t fim = 0;
    for (std::size_t i = 0; i + 2 < tri.size(); i += 3) {
        auto a = tri[i], b = tri[i + 1], c = tri[i + 2];
        const double area = (double(b[0]) - a[0]) * (double(c[1]) - a[1]) -
                            (double(b[1]) - a[1]) * (double(c[0]) - a[0]);
        if (area == 0) continue;
        if (area < 0) std::swap(b, c);
        tri[fim++] = a;
        tri[fim++] = b;
        tri[fim++] = c;
    }
    tri.resize(fim);
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
    if (contornos.empty()) return {};
    std::unique_ptr<GLUtesselator, TApagaTess> tess(gluNewTess());
    if (!tess) return {};
    TTesselagem t;
    t.Escala = escala;
    GLUtesselator* g = tess.get();
    gluTessCallback(g, GLU_TESS_BEGIN_DATA, Callback(Inicio));
    gluTessCallback(g, GLU_TESS_END_DATA, Callback(Fim));
    gluTessCallback(g, GLU_TESS_ERROR_DATA, Callback(Erro));
    gluTessCallback(g, GLU_TESS_EDGE_FLAG_DATA, Callback(Aresta));
    gluTessCallback(g, GLU_TESS_VERTEX_DATA, Callback(Vertice));
    gluTessCallback(g, GLU_TESS_COMBINE_DATA, Callback(Combina));
    gluTessProperty(g, GLU_TESS_WINDING_RULE,
                    parImpar ? GLU_TESS_WINDING_ODD : GLU_TESS_WINDING_NONZERO);
    gluTessNormal(g, 0, 0, 1);
    gluTessBeginPolygon(g, &t);
    for (const auto& c : contornos) {
        gluTessBeginContour(g);
        for (const auto& p : c) {
            t.Vertices.push_back({p[0], p[1], 0});
            gluTessVertex(g, t.Vertices.back().data(), t.Vertices.back().data());
        }
        gluTessEndContour(g);
    }
    gluTessEndPolygon(g);
    t.Triangulos.resize(t.Triangulos.size() / 3 * 3);
    Orienta(t.Triangulos);
    return std::move(t.Triangulos);
}
