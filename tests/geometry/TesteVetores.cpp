#include "UAux.h"

#include <gtest/gtest.h>

namespace {

TPonto3D Ponto(Real x, Real y, Real z) {
    TPonto3D p;
    DefinePonto(p, x, y, z);
    return p;
}

void EsperaPonto(const TPonto3D& p, long double x, long double y, long double z) {
    EXPECT_EQ(p.X, x);
    EXPECT_EQ(p.Y, y);
    EXPECT_EQ(p.Z, z);
}

TEST(Vetores, ComprimentoDeVetoresConhecidos) {
    EXPECT_EQ(Comprimento(Ponto(0, 0, 0)), 0);
    EXPECT_EQ(Comprimento(Ponto(3, 4, 0)), 5);
    EXPECT_EQ(Comprimento(Ponto(0, -12, 5)), 13);
}

TEST(Vetores, ProdutoEscalarDePerpendicularesEhZeroExato) {
    EXPECT_EQ(ProdutoEscalar(Ponto(0, 0, -50), Ponto(0, 1, 0)), 0);
    EXPECT_EQ(ProdutoEscalar(Ponto(1, 2, 3), Ponto(4, -5, 6)), 12);
}

TEST(Vetores, DiferencaPodeEscreverSobreUmDosOperandos) {
    TPonto3D a = Ponto(5, 7, 9), b = Ponto(1, 2, 3);
    Diferenca(a, b, a);
    EsperaPonto(a, 4, 5, 6);
    TPonto3D c = Ponto(1, 1, 1);
    Diferenca(a, c, c);
    EsperaPonto(c, 3, 4, 5);
}

TEST(Vetores, NormalDaFaceApontaParaLongeDeQuemVeOsCantosEmSentidoAntiHorario) {
    TPonto3D n;
    NormalDaFace(Ponto(0, 0, 0), Ponto(1, 0, 0), Ponto(0, 1, 0), n);
    EsperaPonto(n, 0, 0, -1);

    // The length is twice the triangle's area.
    NormalDaFace(Ponto(0, 0, 0), Ponto(4, 0, 0), Ponto(0, 0, 3), n);
    EsperaPonto(n, 0, 12, 0);

    NormalDaFace(Ponto(0, 0, 0), Ponto(1, 1, 1), Ponto(2, 2, 2), n);
    EsperaPonto(n, 0, 0, 0);
}

TEST(Vetores, NormalDaFacePodeEscreverSobreUmCanto) {
    TPonto3D a = Ponto(0, 0, 0);
    NormalDaFace(a, Ponto(1, 0, 0), Ponto(0, 1, 0), a);
    EsperaPonto(a, 0, 0, -1);
}

TEST(Transformacao, IdentidadeSoArredondaParaPrecisaoSimples) {
    const MatrizGL identidade{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    TPonto3D p = Ponto(1.0L / 3, -2, 0.1L);
    TransformaPonto(identidade, p);
    EXPECT_EQ(p.X, 1.0f / 3);
    EXPECT_EQ(p.Y, -2);
    EXPECT_EQ(p.Z, 0.1f);
}

TEST(Transformacao, UltimaColunaTransladaELinhaDeBaixoNaoDivide) {
    MatrizGL m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1};
    TPonto3D p = Ponto(1, 2, 3);
    TransformaPonto(m, p);
    EsperaPonto(p, 11, 22, 33);

    m[3] = 2; // w = 2x + 1: a projective matrix, not divided by w
    p = Ponto(1, 2, 3);
    TransformaPonto(m, p);
    EsperaPonto(p, 11, 22, 33);
}

TEST(Transformacao, MatrizEmOrdemDeColunas) {
    // A turn of 90 degrees about Z, as OpenGL stores it: x -> y, y -> -x.
    const MatrizGL giro{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    TPonto3D p = Ponto(1, 2, 3);
    TransformaPonto(giro, p);
    EsperaPonto(p, -2, 1, 3);
}

} // namespace
