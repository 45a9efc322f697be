// The probe's arithmetic: normals, transforms, crossings and the reach bound.

#include "Alcance.h"
#include "UAux.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

TPonto3D Ponto(Real x, Real y, Real z) {
    TPonto3D p;
    DefinePonto(p, x, y, z);
    return p;
}

using Tripla = std::array<long double, 3>;
Tripla Em(const TPonto3D& p) {
    return {p.X, p.Y, p.Z};
}

// The normal sent to OpenGL equals the one computed with every intermediate held in a Real.
TEST(Vetores, VetorNormalIgualAoCalculoEmReais) {
    std::mt19937_64 sorteio(11);
    std::uniform_real_distribution<double> u(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        TPonto3D p[3], a, b;
        for (auto& c : p)
            c = Ponto(u(sorteio), u(sorteio) / 3, u(sorteio) / 7);
        Diferenca(p[0], p[1], a);
        Diferenca(p[0], p[2], b);
        const Real x = a.Z * b.Y - a.Y * b.Z, y = a.X * b.Z - a.Z * b.X, z = a.Y * b.X - a.X * b.Y;
        ASSERT_EQ(VetorNormalDaFace(p[0], p[1], p[2]),
                  (std::array{x.ComoDouble(), y.ComoDouble(), z.ComoDouble()}))
            << i;
    }
}

// A turn of 90 degrees about Z in column order (x -> y, y -> -x), a move, and w = 2x + 1 that
// is not divided by.
TEST(Transformacao, ColunasETranslacaoSemDivisao) {
    TPonto3D p = Ponto(1, 2, 3);
    TransformaPonto({0, 1, 0, 2, -1, 0, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1}, p);
    EXPECT_EQ(Em(p), (Tripla{8, 21, 33}));
}

const TPonto3D Origem = Ponto(0, 0, 0), EixoX = Ponto(1, 0, 0), EixoY = Ponto(0, 1, 0),
               Diagonal = Ponto(1, 1, 0);
// The corners of a square of side 200 centred on (4, 3, 0).
const TPonto3D Q0 = Ponto(-96, -97, 0), Q1 = Ponto(104, -97, 0), Q2 = Ponto(104, 103, 0),
               Q3 = Ponto(-96, 103, 0);

// The unbounded line: the plane may lie behind the first point. A line parallel to the plane,
// or three collinear corners (a zero normal, 0 / 0), give a point that is in no face.
TEST(Intersecao, RetaIlimitadaPlanoInclinadoEParalelaOuDegeneradoSemFalhar) {
    TPonto3D h;
    IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, 30), Ponto(0, 0, 50), Ponto(1, 0, 50),
                        Ponto(0, 1, 50), h);
    EXPECT_EQ(Em(h), (Tripla{4, 3, 50}));
    IntersecaoRetaPlano(Origem, EixoX, Ponto(10, 0, 0), Ponto(0, 0, 10), Ponto(10, 5, 0), h);
    EXPECT_EQ(Em(h), (Tripla{10, 0, 0})); // x + z = 10
    IntersecaoRetaPlano(Ponto(0, 0, 5), Ponto(1, 0, 5), Origem, EixoX, EixoY, h);
    EXPECT_TRUE(std::isnan(static_cast<long double>(h.X)));
    EXPECT_FALSE(PontoDentroDaFace(h, Origem, EixoX, Diagonal, EixoY));
    IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, -10), Origem, EixoX, Ponto(2, 0, 0), h);
    EXPECT_TRUE(std::isnan(static_cast<long double>(h.Z)));
}

TEST(DentroDaFace, DentroForaTrianguloCantoArestaENaN) {
    const Real nan = std::numeric_limits<double>::quiet_NaN();
    const TPonto3D c = Ponto(0, 4, 0), b = Ponto(4, 0, 0);
    // A square turned 45 degrees, and a point on its edge from (0, 0) to (1000, 1000) for
    // which the rounded cosine of the 180 degrees the edge subtends falls below -1.
    const TPonto3D g0 = Origem, g1 = Ponto(1000, 1000, 0), g2 = Ponto(0, 2000, 0),
                   g3 = Ponto(-1000, 1000, 0);
    struct Caso {
        TPonto3D p, v0, v1, v2, v3;
        bool dentro;
    } casos[] = {
        {Ponto(4, 3, 0), Q0, Q1, Q2, Q3, true}, // four right angles sum to exactly 360
        {Ponto(2, 0.5L, 0), Origem, EixoX, Diagonal, EixoY, false}, // right of the unit square
        {Ponto(1, 1, 0), Origem, b, c, c, true}, // a triangle: the fourth corner repeated
        {Ponto(3, 3, 0), Origem, b, c, c, false},
        {Q2, Q0, Q1, Q2, Q3, true}, // on a corner
        // crossed over: below every corner, yet inside
        {Ponto(0, -0.01L, 0), EixoX, Ponto(-1, 0, 0), Ponto(1, 0.1L, 0), Ponto(-1, 0.1L, 0), true},
        {Ponto(25.0L / 7, 25.0L / 7, 0), g0, g1, g2, g3, true},
        {Ponto(nan, 3, 0), Q0, Q1, Q2, Q3, false},
        {Ponto(4, 3, 0), Q0, Ponto(104, nan, 0), Q2, Q3, false},
    };
    for (const auto& k : casos)
        EXPECT_EQ(PontoDentroDaFace(k.p, k.v0, k.v1, k.v2, k.v3), k.dentro) << &k - casos;
}

TList<TFace3D> Faces(std::initializer_list<TPonto3D> cantos) {
    TFace3D face;
    for (const auto& c : cantos)
        face.Pontos.Add(c);
    TList<TFace3D> faces;
    faces.Add(face);
    return faces;
}

// A line of no length, or a matrix that is not finite, keeps the faces in; a line 6.1 from a
// square of half-diagonal 1.4 is passed over. About 10^7 from the origin a float's step is 1:
// the corners of a face 0.02 wide round to a face 1 wide, which the probe crosses well outside
// the faces' own reach.
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
    TPonto3D v[4], h; // the probe's own steps on the tiny face
    for (int k = 0; k < 4; ++k)
        TransformaPonto(identidade, v[k] = minusculas[0].Pontos[k]);
    IntersecaoRetaPlano(Sg, Eg, v[0], v[1], v[2], h);
    ASSERT_TRUE(PontoDentroDaFace(h, v[0], v[1], v[2], v[3]));
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
