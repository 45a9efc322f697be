#include "GlifosGL.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum TAtributo : GLuint { Glifo = 0, Origem = 1, EixoU = 2, EixoV = 3, Cor = 4 };

// A glyph unit (x, y) placed by its instance's origin and axes.
const char* const FonteDosGlifos = R"(#version 120
attribute vec2 Glifo;
attribute vec3 Origem, EixoU, EixoV;
attribute vec3 Cor;
void main() {
    vec4 p = vec4(Origem + Glifo.x * EixoU + Glifo.y * EixoV, 1.0);
    gl_Position = gl_ModelViewProjectionMatrix * p;
    gl_ClipVertex = gl_ModelViewMatrix * p;
    gl_FrontColor = vec4(Cor, 1.0);
    gl_BackColor = gl_FrontColor;
}
)";

// How many pixels one world unit spans at the nearest point of `caixa` in front of the
// camera (at the near plane when the box reaches the camera).
double PixelsPorUnidade(const TCaixaCena& caixa) {
    GLdouble mv[16], pr[16];
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    const double escala = std::hypot(mv[0], mv[1], mv[2]) * pr[5] * vp[3] / 2;
    if (pr[11] == 0) return std::abs(escala); // a parallel projection
    double perto = std::numeric_limits<double>::max();
    for (int i = 0; i < 8; ++i) {
        const double x = (i & 1 ? caixa.Max : caixa.Min)[0], y = (i & 2 ? caixa.Max : caixa.Min)[1],
                     z = (i & 4 ? caixa.Max : caixa.Min)[2];
        perto = std::min(perto, -(mv[2] * x + mv[6] * y + mv[10] * z + mv[14]));
    }
    const double plano = pr[14] / (pr[10] - 1); // the near plane's distance
    const double d = std::max(perto, plano > 0 ? plano : 1e-30);
    return std::abs(escala / d);
}

bool Visivel(std::uint8_t classe, double pixelsPorUnidade) {
    return std::ldexp(1.0, int(classe) - 63) * pixelsPorUnidade >= 1;
}

} // namespace

TGlifosGL::TGlifosGL(const TCena& cena) {
    const std::size_t n = std::min(cena.Instancias.size(), cena.GlifoDaInstancia.size());
    if (n == 0) return;
    // In height class order, then by layer and glyph: one key each (class 8 bits, layer 16,
    // glyph 16, index 24: a scene holds at most 10 million glyphs) sorts fastest.
    const auto camada = [&](std::size_t i) -> std::uint64_t {
        return i < cena.CamadaDasInstancias.size() ? cena.CamadaDasInstancias[i] : 0;
    };
    std::vector<std::uint64_t> chaves(std::min<std::size_t>(n, std::size_t{1} << 24));
    for (std::size_t i = 0; i < chaves.size(); ++i)
        chaves[i] = std::uint64_t(cena.Instancias[i].Classe) << 56 | camada(i) << 40 |
                    std::uint64_t(std::min<std::uint32_t>(cena.GlifoDaInstancia[i], 0xFFFF)) << 24 |
                    std::uint64_t(i);
    std::sort(chaves.begin(), chaves.end());
    std::vector<std::size_t> ordem(chaves.size());
    for (std::size_t i = 0; i < chaves.size(); ++i)
        ordem[i] = static_cast<std::size_t>(chaves[i] & 0xFFFFFF);
    std::vector<GLint> primeiro(cena.Glifos.size());
    std::vector<float> vertices;
    for (std::size_t g = 0; g < cena.Glifos.size(); ++g) {
        primeiro[g] = static_cast<GLint>(vertices.size() / 2);
        for (const auto& p : cena.Glifos[g])
            vertices.insert(vertices.end(), {p[0], p[1]});
    }
    const auto verticesDe = [&](std::uint32_t g) {
        return g < cena.Glifos.size() ? static_cast<GLsizei>(cena.Glifos[g].size()) : 0;
    };

    if (VersaoAoMenos(3, 3))
        programa_ = CompilaPrograma(FonteDosGlifos, {{Glifo, "Glifo"},
                                                     {Origem, "Origem"},
                                                     {EixoU, "EixoU"},
                                                     {EixoV, "EixoV"},
                                                     {Cor, "Cor"}});
    if (programa_) {
        std::vector<TInstanciaDeGlifo> ordenadas;
        ordenadas.reserve(n);
        for (std::size_t i : ordem) {
            const TInstanciaDeGlifo& inst = cena.Instancias[i];
            const std::uint32_t g = cena.GlifoDaInstancia[i];
            if (verticesDe(g) == 0) continue;
            const auto c = static_cast<std::uint16_t>(camada(i));
            if (grupos_.empty() || grupos_.back().Classe != inst.Classe ||
                grupos_.back().Camada != c || grupos_.back().Primeiro != primeiro[g])
                grupos_.push_back(
                    {inst.Classe, c, primeiro[g], verticesDe(g), ordenadas.size(), 0});
            ++grupos_.back().Instancias;
            ordenadas.push_back(inst);
        }
        GLint anterior = 0;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &anterior);
        glGenBuffers(1, &glifos_);
        glBindBuffer(GL_ARRAY_BUFFER, glifos_);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(),
                     GL_STATIC_DRAW);
        glGenBuffers(1, &instancias_);
        glBindBuffer(GL_ARRAY_BUFFER, instancias_);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(ordenadas.size() * sizeof(TInstanciaDeGlifo)),
                     ordenadas.data(), GL_STATIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(anterior));
        if (glGetError() == GL_NO_ERROR) return;
        // Refused (out of memory): drawn from memory instead.
        glDeleteBuffers(1, &glifos_);
        glDeleteBuffers(1, &instancias_);
        glDeleteProgram(programa_);
        glifos_ = instancias_ = programa_ = 0;
        grupos_.clear();
    }
    for (std::size_t i : ordem) {
        const TInstanciaDeGlifo& inst = cena.Instancias[i];
        const std::uint32_t g = cena.GlifoDaInstancia[i];
        if (g >= cena.Glifos.size()) continue;
        for (const auto& p : cena.Glifos[g]) {
            TVerticeCena v{};
            v.X = inst.O[0] + p[0] * inst.U[0] + p[1] * inst.V[0];
            v.Y = inst.O[1] + p[0] * inst.U[1] + p[1] * inst.V[1];
            v.Z = inst.O[2] + p[0] * inst.U[2] + p[1] * inst.V[2];
            v.R = inst.R;
            v.G = inst.G;
            v.B = inst.B;
            expandidos_.push_back(v);
            classes_.push_back(inst.Classe);
            camadas_.push_back(static_cast<std::uint16_t>(camada(i)));
        }
    }
}

TGlifosGL::~TGlifosGL() {
    if (glifos_) glDeleteBuffers(1, &glifos_);
    if (instancias_) glDeleteBuffers(1, &instancias_);
    if (programa_) glDeleteProgram(programa_);
}

int TGlifosGL::Chamadas() const {
    return programa_ ? static_cast<int>(grupos_.size()) : expandidos_.empty() ? 0 : 1;
}

void TGlifosGL::Desenha(const TCaixaCena& caixa, const std::vector<bool>& ocultas) const {
    const double escala = PixelsPorUnidade(caixa);
    const auto oculta = [&](std::uint16_t c) { return c < ocultas.size() && ocultas[c]; };
    if (!programa_) {
        // From memory, the visible classes only (the vertices are in class order), in runs
        // of one layer.
        const auto fim = std::find_if(classes_.begin(), classes_.end(),
                                      [&](std::uint8_t c) { return Visivel(c, escala); });
        for (std::size_t inicio = std::size_t(fim - classes_.begin()), ate = inicio;
             inicio < expandidos_.size(); inicio = ate) {
            while (ate < expandidos_.size() && camadas_[ate] == camadas_[inicio])
                ++ate;
            if (oculta(camadas_[inicio])) continue;
            glVertexPointer(3, GL_FLOAT, sizeof(TVerticeCena), &expandidos_[inicio].X);
            glColorPointer(3, GL_UNSIGNED_BYTE, sizeof(TVerticeCena), &expandidos_[inicio].R);
            glDrawArrays(GL_TRIANGLES, 0, GLsizei(ate - inicio));
        }
        return;
    }
    GLint anteriorBuffer = 0, anteriorPrograma = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &anteriorBuffer);
    glGetIntegerv(GL_CURRENT_PROGRAM, &anteriorPrograma);
    glUseProgram(programa_);
    for (GLuint a : {Glifo, Origem, EixoU, EixoV, Cor})
        glEnableVertexAttribArray(a);
    for (GLuint a : {Origem, EixoU, EixoV, Cor})
        glVertexAttribDivisor(a, 1);
    glBindBuffer(GL_ARRAY_BUFFER, glifos_);
    glVertexAttribPointer(Glifo, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, instancias_);
    constexpr GLsizei passo = sizeof(TInstanciaDeGlifo);
    for (const TGrupo& g : grupos_) {
        if (!Visivel(g.Classe, escala) || oculta(g.Camada)) continue;
        const auto em = [&](std::size_t campo) {
            return reinterpret_cast<const void*>(g.Instancia * sizeof(TInstanciaDeGlifo) + campo);
        };
        glVertexAttribPointer(Origem, 3, GL_FLOAT, GL_FALSE, passo,
                              em(offsetof(TInstanciaDeGlifo, O)));
        glVertexAttribPointer(EixoU, 3, GL_FLOAT, GL_FALSE, passo,
                              em(offsetof(TInstanciaDeGlifo, U)));
        glVertexAttribPointer(EixoV, 3, GL_FLOAT, GL_FALSE, passo,
                              em(offsetof(TInstanciaDeGlifo, V)));
        glVertexAttribPointer(Cor, 3, GL_UNSIGNED_BYTE, GL_TRUE, passo,
                              em(offsetof(TInstanciaDeGlifo, R)));
        glDrawArraysInstanced(GL_TRIANGLES, g.Primeiro, g.Vertices, g.Instancias);
    }
    for (GLuint a : {Origem, EixoU, EixoV, Cor})
        glVertexAttribDivisor(a, 0);
    for (GLuint a : {Glifo, Origem, EixoU, EixoV, Cor})
        glDisableVertexAttribArray(a);
    glUseProgram(static_cast<GLuint>(anteriorPrograma));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(anteriorBuffer));
}
