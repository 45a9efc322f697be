#include "Ponto.h"

#include <gtest/gtest.h>
#include <random>

namespace {

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

} // namespace
