#include "Ponto.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

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

} // namespace
