#include "Ponto.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TEST(Vetores, OperacoesComOResultadoSobreUmOperando) {
    EXPECT_EQ(Comprimento(Ponto(0, -12, 5)), 13);
    EXPECT_EQ(ProdutoEscalar(Ponto(1, 2, 3), Ponto(4, -5, 6)), 12);
    TPonto3D a = Ponto(5, 7, 9), c = Ponto(1, 1, 1);
    Diferenca(a, Ponto(1, 2, 3), a);
    EXPECT_EQ(Em(a), (Tripla{4, 5, 6}));
    Diferenca(a, c, c);
    EXPECT_EQ(Em(c), (Tripla{3, 4, 5}));
    // (A - C) x (A - B): (0, 12, 0) for (0, 0, 0), (4, 0, 0), (0, 0, 3), away from a viewer
    // who sees the corners counter-clockwise.
    a = Ponto(0, 0, 0);
    NormalDaFace(a, Ponto(1, 2, 3), Ponto(4, 5, 7), a);
    EXPECT_EQ(Em(a), (Tripla{1, -5, 3}));
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

TEST(Transformacao, ColunasTranslacaoSemDivisaoEPrecisaoSimples) {
    struct Caso {
        MatrizGL m;
        TPonto3D p;
        Tripla esperado;
    } casos[] = {
        {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
         Ponto(1.0L / 3, -2, 0.1L),
         {1.0f / 3, -2, 0.1f}},
        // w = 2x + 1: a projective matrix, translated but not divided by w
        {{1, 0, 0, 2, 0, 1, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1}, Ponto(1, 2, 3), {11, 22, 33}},
        // a turn of 90 degrees about Z in column order: x -> y, y -> -x
        {{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, Ponto(1, 2, 3), {-2, 1, 3}},
    };
    for (auto& c : casos) {
        TransformaPonto(c.m, c.p);
        EXPECT_EQ(Em(c.p), c.esperado) << &c - casos;
    }
}

} // namespace
