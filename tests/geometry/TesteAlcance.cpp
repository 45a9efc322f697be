#include "Alcance.h"
#include "CantosDaSonda.h"
#include "Ponto.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TList<TFace3D> Faces(std::initializer_list<TPonto3D> cantos) {
    TFace3D face;
    for (const auto& c : cantos)
        face.Pontos.Add(c);
    TList<TFace3D> faces;
    faces.Add(face);
    return faces;
}

// Whether the probe's own steps, given these faces placed by M, mark a crossing of line S E.
bool SondaMarcaAlgo(const TList<TFace3D>& faces, const MatrizGL& m, const TPonto3D& S,
                    const TPonto3D& E) {
    TPonto3D direcao, v[4], normal, cruzamento;
    Diferenca(E, S, direcao);
    for (const TFace3D& face : faces) {
        for (int k = 0; k < 4; ++k)
            TransformaPonto(m, v[k] = CantoDaSonda(face, k));
        NormalDaFace(v[0], v[1], v[2], normal);
        if (ProdutoEscalar(direcao, normal) == 0) continue;
        IntersecaoRetaPlano(S, E, v[0], v[1], v[2], cruzamento);
        if (PontoDentroDaFace(cruzamento, v[0], v[1], v[2], v[3])) return true;
    }
    return false;
}

// A line of no length, or a matrix that is not finite, keeps the faces in; a line 6.1 from a
// square of half-diagonal 1.4 is passed over. About 10^7 from
// the origin a float's step is 1: the corners of a face 0.02 wide round to a face 1 wide, which
// the probe crosses well outside the faces' own reach.
TEST(Alcance, SoLinhaLongeDasFacesPassaPorCima) {
    const TAlcance quadrado = AlcanceDasFaces(
        Faces({Ponto(-1, -1, 0), Ponto(1, -1, 0), Ponto(1, 1, 0), Ponto(-1, 1, 0)}));
    const double g = 1e7;
    const auto minusculas = Faces({Ponto(g + 0.49, g + 0.49, 0), Ponto(g + 0.51, g + 0.49, 0),
                                   Ponto(g + 0.51, g + 0.51, 0), Ponto(g + 0.49, g + 0.51, 0)});
    const MatrizGL identidade{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    MatrizGL longe = identidade, indefinida = identidade;
    longe[12] = 100;
    indefinida[13] = std::numeric_limits<float>::quiet_NaN();
    const TPonto3D S = Ponto(0.5, 0.5, 40), E = Ponto(0.5, 0.5, -10);
    const TPonto3D Sg = Ponto(g + 0.9, g + 0.9, 40), Eg = Ponto(g + 0.9, g + 0.9, -10);
    ASSERT_TRUE(SondaMarcaAlgo(minusculas, identidade, Sg, Eg));
    struct Caso {
        TAlcance alcance;
        MatrizGL m;
        TPonto3D s, e;
        bool alcanca;
    } casos[] = {
        {quadrado, identidade, S, E, true},
        {quadrado, longe, S, E, false},
        {quadrado, longe, S, S, true},
        {quadrado, indefinida, S, E, true},
        {quadrado, identidade, Ponto(-6, -1, 40), Ponto(-6, -1, -10), false},
        {AlcanceDasFaces(minusculas), identidade, Sg, Eg, true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LinhaPodeAlcancar(c.s, c.e, c.m, c.alcance), c.alcanca) << &c - casos;
}

} // namespace
