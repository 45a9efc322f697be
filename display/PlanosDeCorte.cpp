#include "PlanosDeCorte.h"

#include "MatrizEmpilhada.h"
#include "Modelo.h"
#include "OrigemLocal.h"
#include "PosicionaInsercao.h"
#include "UExibe.h"

#include <GL/gl.h>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <unordered_map>

namespace {

const double MaiorLonge = std::sqrt(static_cast<double>(FLT_MAX));

using Vetor = std::array<double, 3>;

// depth(p) = l[0] x + l[1] y + l[2] z + l[3].
using LinhaDeProfundidade = std::array<double, 4>;

// A point's clip-space w is its depth in front of the eye (the perspective's last row is
// (0, 0, -1, 0), after the camera's turn): the last row of projection * modelview.
LinhaDeProfundidade LinhaDaMatrizAtual() {
    std::array<double, 16> p{}, m{};
    glGetDoublev(GL_PROJECTION_MATRIX, p.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    LinhaDeProfundidade l{};
    for (int coluna = 0; coluna < 4; ++coluna)
        for (int k = 0; k < 4; ++k)
            l[coluna] += p[4 * k + 3] * m[4 * coluna + k];
    return l;
}

struct TCaixa {
    Vetor min{HUGE_VAL, HUGE_VAL, HUGE_VAL}, max{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};

    bool Vazia() const { return !(min[0] <= max[0] && min[1] <= max[1] && min[2] <= max[2]); }
    void Inclui(const Vetor& p) {
        for (int i = 0; i < 3; ++i) {
            min[i] = std::min(min[i], p[i]);
            max[i] = std::max(max[i], p[i]);
        }
    }
    void Inclui(const TPonto3D& p) {
        Inclui(Vetor{p.X.ComoDouble(), p.Y.ComoDouble(), p.Z.ComoDouble()});
    }
    void Inclui(const TCaixa& c) {
        if (c.Vazia()) return;
        Inclui(c.min);
        Inclui(c.max);
    }
};

// The depths a box spans, its coordinates taken relative to `origem`.
std::pair<double, double> Faixa(const TCaixa& c, const LinhaDeProfundidade& l,
                                const TOrigemLocal& origem) {
    double centro = l[3], meio = 0;
    for (int i = 0; i < 3; ++i) {
        centro += l[i] * ((c.min[i] + c.max[i]) / 2 - origem[i]);
        meio += std::fabs(l[i]) * (c.max[i] - c.min[i]) / 2;
    }
    return {centro - meio, centro + meio};
}

// The lists of the top level or of a block: what the paint draws of either.
struct TListas {
    const TList<TFace3D>& faces;
    const TList<TLinha>& linhas;
    const TList<TArco>& arcos;
    const TList<TCirculo>& circulos;
    const TList<TPolyLine>& polylines;
};

// Calls `f` with the box of every element the lists hold: a face's corners, a line's ends,
// the square around an arc's or circle's whole turn, a polyline's vertices (the plain
// polylines too, so whatever way they are drawn, they are held).
template <class F> void ParaCadaCaixa(const TListas& l, F&& f) {
    for (const TFace3D& face : l.faces) {
        if (face.Pontos.Count() < 3) continue; // not drawn
        TCaixa c;
        for (const TPonto3D& p : face.Pontos)
            c.Inclui(p);
        f(c);
    }
    for (const TLinha& linha : l.linhas) {
        if (!linha.P1 || !linha.P2) continue;
        TCaixa c;
        c.Inclui(*linha.P1);
        c.Inclui(*linha.P2);
        f(c);
    }
    const auto curva = [&](const std::optional<TPonto3D>& centro, double raio) {
        if (!centro) return;
        const double r = std::fabs(raio), x = centro->X, y = centro->Y, z = centro->Z;
        TCaixa c;
        c.Inclui(Vetor{x - r, y - r, z});
        c.Inclui(Vetor{x + r, y + r, z});
        f(c);
    };
    for (const TArco& arco : l.arcos)
        curva(arco.Centro, arco.Raio);
    for (const TCirculo& circulo : l.circulos)
        curva(circulo.Centro, circulo.Raio);
    for (const TPolyLine& polyline : l.polylines) {
        TCaixa c;
        for (const TVertice& v : polyline.Vertices)
            if (v.Ponto) c.Inclui(*v.Ponto);
        if (!c.Vazia()) f(c);
    }
}

// The lists within `caixa`: as one box while it lies wholly on one side of the eye's
// plane, element by element where it crosses it.
void IncluiListas(TFaixaDeProfundidade& faixa, const TListas& listas, const TCaixa& caixa,
                  const LinhaDeProfundidade& l, const TOrigemLocal& origem) {
    if (caixa.Vazia()) return;
    const auto [menor, maior] = Faixa(caixa, l, origem);
    if (menor > 0 || maior <= 0) {
        faixa.Inclui(menor, maior);
        return;
    }
    ParaCadaCaixa(listas, [&](const TCaixa& c) {
        const auto [menorDoElemento, maiorDoElemento] = Faixa(c, l, origem);
        faixa.Inclui(menorDoElemento, maiorDoElemento);
    });
}

TListas ListasDoBloco(const TBloco& b) {
    return {b.Elementos.Faces3D, b.Elementos.Linhas, b.Elementos.Arcos, b.Elementos.Circulos,
            b.Elementos.PolyLines};
}

} // namespace

void TFaixaDeProfundidade::Inclui(double menor, double maior) {
    if (!(maior > 0)) return; // behind the eye, or not a number
    MaisLonge = std::max(MaisLonge, maior);
    MaisPerto = std::min(MaisPerto, menor > 0 ? menor : 0.0);
}

TFaixaDeProfundidade FaixaDoDesenho(const std::array<double, 3>& minimo,
                                    const std::array<double, 3>& maximo) {
    TFaixaDeProfundidade faixa;
    const LinhaDeProfundidade l = LinhaDaMatrizAtual();
    const TOrigemLocal origem = OrigemLocal();
    TCaixa extremos;
    if (minimo[0] <= maximo[0]) {
        extremos.Inclui(minimo);
        extremos.Inclui(maximo);
    }
    IncluiListas(faixa, {Faces3D, Linhas, Arcos, Circulos, PolyLines}, extremos, l, origem);

    std::unordered_map<const TBloco*, TCaixa> caixas; // each inserted block's, found once
    for (const TInsert& insercao : Inserts) {
        const TBloco* bloco = ProcuraBloco(insercao.NomeBloco);
        if (!bloco) continue; // not drawn
        auto caixa = caixas.find(bloco);
        if (caixa == caixas.end()) {
            TCaixa todas;
            ParaCadaCaixa(ListasDoBloco(*bloco), [&](const TCaixa& c) { todas.Inclui(c); });
            caixa = caixas.emplace(bloco, todas).first;
        }
        if (caixa->second.Vazia()) continue;
        LinhaDeProfundidade li{};
        {
            const MatrizEmpilhada matriz;
            PosicionaInsercao(insercao);
            li = LinhaDaMatrizAtual();
        }
        IncluiListas(faixa, ListasDoBloco(*bloco), caixa->second, li, TOrigemLocal{});
    }
    return faixa;
}

TFaixaDeProfundidade FaixaDaCaixa(const std::array<double, 3>& minimo,
                                  const std::array<double, 3>& maximo) {
    TFaixaDeProfundidade faixa;
    TCaixa caixa;
    caixa.Inclui(minimo);
    caixa.Inclui(maximo);
    const auto [menor, maior] = Faixa(caixa, LinhaDaMatrizAtual(), TOrigemLocal{});
    faixa.Inclui(menor, maior);
    return faixa;
}

TPlanos PlanosParaFaixa(const TFaixaDeProfundidade& faixa, const TPlanos& guardados) {
    if (!(faixa.MaisLonge > 0)) return guardados; // nothing in front of the eye
    if (faixa.MaisPerto >= guardados.Perto && faixa.MaisLonge <= guardados.Longe) return guardados;
    constexpr double margem = 0.01;
    const double longe = faixa.MaisLonge * (1 + margem);
    const double perto = std::max(faixa.MaisPerto * (1 - margem), longe / RazaoLongePerto);
    // OpenGL's clipping multiplies depths with one another in single precision: beyond the
    // square root of the largest float the planes could give infinities.
    if (!(longe <= MaiorLonge)) return guardados;
    const TPlanos planos{static_cast<float>(perto), static_cast<float>(longe)};
    if (!(planos.Perto > 0) || !(planos.Longe > planos.Perto)) return guardados;
    return planos;
}
