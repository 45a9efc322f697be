#include "Tesselacao.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

namespace {

// What the callbacks build: the triangles, and the vertices GLU keeps pointers to (the input
// copied, and those its combine step makes where contours cross).
struct TEstado {
    std::vector<TPonto2> Triangulos;
    std::deque<std::array<GLdouble, 3>> Vertices; // a deque never moves what it holds
};

void GLAPIENTRY Vertice(void* dados, void* estado) {
    const auto* v = static_cast<const GLdouble*>(dados);
    static_cast<TEstado*>(estado)->Triangulos.push_back({v[0], v[1]});
}

void GLAPIENTRY Combina(GLdouble coordenadas[3], void* [4], GLfloat[4], void** saida,
                        void* estado) {
    auto& vertices = static_cast<TEstado*>(estado)->Vertices;
    vertices.push_back({coordenadas[0], coordenadas[1], 0});
    *saida = vertices.back().data();
}

// With an edge-flag callback set, GLU gives separate triangles only (no fans or strips).
void GLAPIENTRY Aresta(GLboolean, void*) {}
void GLAPIENTRY Erro(GLenum, void*) {} // a contour GLU cannot take leaves what it made so far

struct TLiberaTess {
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

} // namespace

std::vector<TPonto2> Tessela(const std::vector<std::vector<TPonto2>>& contornos,
                             TRegraDeEnrolamento regra, std::size_t maximoDeVertices) {
    std::size_t total = 0;
    for (const auto& c : contornos)
        total += c.size();
    TEstado estado;
    if (total == 0 || total > maximoDeVertices) return {};
    std::unique_ptr<GLUtesselator, TLiberaTess> tess(gluNewTess());
    if (!tess) return {};
    using Chamada = void(GLAPIENTRY*)();
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, reinterpret_cast<Chamada>(Vertice));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, reinterpret_cast<Chamada>(Combina));
    gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Chamada>(Aresta));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, reinterpret_cast<Chamada>(Erro));
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE,
                    regra == TRegraDeEnrolamento::Impar ? GLU_TESS_WINDING_ODD
                                                        : GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess.get(), 0, 0, 1);
    gluTessBeginPolygon(tess.get(), &estado);
    for (const auto& contorno : contornos) {
        if (contorno.size() < 3) continue;
        gluTessBeginContour(tess.get());
        for (const TPonto2& p : contorno) {
            if (!std::isfinite(p[0]) || !std::isfinite(p[1])) continue;
            estado.Vertices.push_back({p[0], p[1], 0});
            gluTessVertex(tess.get(), estado.Vertices.back().data(), estado.Vertices.back().data());
        }
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
    // Each triangle counter-clockwise; those of no area left out.
    std::vector<TPonto2>& t = estado.Triangulos;
    std::size_t fim = 0;
    for (std::size_t i = 0; i + 2 < t.size(); i += 3) {
        TPonto2 a = t[i], b = t[i + 1], c = t[i + 2];
        const double area = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        if (area == 0) continue;
        if (area < 0) std::swap(b, c);
        t[fim++] = a;
        t[fim++] = b;
        t[fim++] = c;
    }
    t.resize(fim);
    return std::move(t);
}
