#include "UAux.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The face drawing's normal, computed without building points, against the same normal
// computed with every intermediate stored in a Real.
TEST(VetorNormal, IgualAoCalculoEmReais) {
    std::mt19937_64 sorteio(11);
    std::uniform_real_distribution<double> coordenada(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        TPonto3D p[3];
        for (auto& c : p)
            DefinePonto(c, coordenada(sorteio), coordenada(sorteio) / 3, 0.1L * i);
        // The normal with every intermediate held in a Real.
        TPonto3D u, v;
        Diferenca(p[0], p[1], u);
        Diferenca(p[0], p[2], v);
        const Real x = u.Z * v.Y - u.Y * v.Z, y = u.X * v.Z - u.Z * v.X, z = u.Y * v.X - u.X * v.Y;

        const auto n = VetorNormalDaFace(p[0], p[1], p[2]);
        ASSERT_EQ(n[0], x.ComoDouble());
        ASSERT_EQ(n[1], y.ComoDouble());
        ASSERT_EQ(n[2], z.ComoDouble());
    }
}

} // namespace
