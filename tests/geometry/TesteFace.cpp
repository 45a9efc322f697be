#include "UAux.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TPonto3D Ponto(Real x, Real y, Real z) {
    TPonto3D p;
    DefinePonto(p, x, y, z);
    return p;
}

const TPonto3D Origem = Ponto(0, 0, 0), EixoX = Ponto(1, 0, 0), EixoY = Ponto(0, 1, 0);

TEST(Intersecao, RetaDaSondaCruzaOPlanoZZero) {
    TPonto3D h;
    IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, -10), Origem, EixoX, EixoY, h);
    EXPECT_EQ(h.X, 4);
    EXPECT_EQ(h.Y, 3);
    EXPECT_NEAR(h.Z, 0, 1e-10); // t = 0.8 is not exact in a Real
}

TEST(Intersecao, PlanoAtrasDoPrimeiroPontoAindaDaOPonto) {
    TPonto3D h;
    IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, -10), Ponto(0, 0, 50), Ponto(1, 0, 50),
                        Ponto(0, 1, 50), h);
    EXPECT_EQ(h.X, 4);
    EXPECT_EQ(h.Y, 3);
    EXPECT_EQ(h.Z, 50);
}

TEST(Intersecao, PlanoInclinado) {
    // The plane x + z = 10 and the line along X through (0, 0, 0).
    TPonto3D h;
    IntersecaoRetaPlano(Origem, EixoX, Ponto(10, 0, 0), Ponto(0, 0, 10), Ponto(10, 5, 0), h);
    EXPECT_NEAR(h.X, 10, 1e-9);
    EXPECT_NEAR(h.Y, 0, 1e-9);
    EXPECT_NEAR(h.Z, 0, 1e-9);
}

TEST(Intersecao, RetaParalelaOuPlanoDegeneradoDaPontoIndefinidoSemFalhar) {
    TPonto3D h = Ponto(1, 1, 1);
    EXPECT_NO_THROW(IntersecaoRetaPlano(Ponto(0, 0, 5), Ponto(1, 0, 5), Origem, EixoX, EixoY, h));
    EXPECT_TRUE(std::isnan(static_cast<long double>(h.X)));
    EXPECT_FALSE(PontoDentroDaFace(h, Origem, EixoX, Ponto(1, 1, 0), EixoY));

    // Three collinear corners give a zero normal: 0 / 0.
    EXPECT_NO_THROW(
        IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, -10), Origem, EixoX, Ponto(2, 0, 0), h));
    EXPECT_TRUE(std::isnan(static_cast<long double>(h.Z)));
}

// The corners of a square of side 200 centred on (4, 3, 0).
const TPonto3D Q0 = Ponto(-96, -97, 0), Q1 = Ponto(104, -97, 0), Q2 = Ponto(104, 103, 0),
               Q3 = Ponto(-96, 103, 0);

TEST(DentroDaFace, QuatroAngulosRetosSomamExatamenteTrezentosESessenta) {
    EXPECT_TRUE(PontoDentroDaFace(Ponto(4, 3, 0), Q0, Q1, Q2, Q3));
    TPonto3D h;
    IntersecaoRetaPlano(Ponto(4, 3, 40), Ponto(4, 3, -10), Q0, Q1, Q2, h);
    EXPECT_TRUE(PontoDentroDaFace(h, Q0, Q1, Q2, Q3));
    EXPECT_TRUE(PontoDentroDaFace(Ponto(0.5L, 0.5L, 0), Origem, EixoX, Ponto(1, 1, 0), EixoY));
}

TEST(DentroDaFace, PontoForaDaFace) {
    EXPECT_FALSE(PontoDentroDaFace(Ponto(2, 0.5L, 0), Origem, EixoX, Ponto(1, 1, 0), EixoY));
    EXPECT_FALSE(PontoDentroDaFace(Ponto(105, 3, 0), Q0, Q1, Q2, Q3));
}

TEST(DentroDaFace, TrianguloComOQuartoCantoRepetido) {
    const TPonto3D c = Ponto(0, 4, 0);
    EXPECT_TRUE(PontoDentroDaFace(Ponto(1, 1, 0), Origem, Ponto(4, 0, 0), c, c));
    EXPECT_FALSE(PontoDentroDaFace(Ponto(3, 3, 0), Origem, Ponto(4, 0, 0), c, c));
}

TEST(DentroDaFace, PontoSobreUmCantoContaComoDentro) {
    EXPECT_TRUE(PontoDentroDaFace(Q2, Q0, Q1, Q2, Q3));
    EXPECT_TRUE(PontoDentroDaFace(Origem, Origem, EixoX, Ponto(1, 1, 0), EixoY));
}

TEST(DentroDaFace, NaNContaComoFora) {
    const Real nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(PontoDentroDaFace(Ponto(nan, 3, 0), Q0, Q1, Q2, Q3));
    EXPECT_FALSE(PontoDentroDaFace(Ponto(4, 3, 0), Q0, Ponto(104, nan, 0), Q2, Q3));
}

TEST(DentroDaFace, CossenoQueOArredondamentoLevaAlemDeMenosUm) {
    // A point on the diagonal edge V0-V1 of a square turned 45 degrees: the edge subtends
    // 180 degrees, and for this point the rounded cosine falls just below -1.
    const TPonto3D v0 = Origem, v1 = Ponto(1000, 1000, 0), v2 = Ponto(0, 2000, 0),
                   v3 = Ponto(-1000, 1000, 0);
    const TPonto3D p = Ponto(25.0L / 7, 25.0L / 7, 0);
    TPonto3D d0, d1;
    Diferenca(p, v0, d0);
    Diferenca(p, v1, d1);
    const Real cosseno =
        ProdutoEscalar(d0, d1) / (Comprimento(d0) * static_cast<long double>(Comprimento(d1)));
    ASSERT_LT(cosseno, -1); // the case this test is about

    EXPECT_TRUE(PontoDentroDaFace(p, v0, v1, v2, v3));
}
} // namespace
