#include "UAux.h"
#include "ValorReal.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace {

// What storing into a Real keeps, or nothing when the store fails.
std::optional<std::uint64_t> PeloReal(long double v) {
    try {
        return std::bit_cast<std::uint64_t>(Real(v).ComoDouble());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::uint64_t> PeloValorReal(long double v) {
    try {
        return std::bit_cast<std::uint64_t>(ValorReal(v));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

TEST(ValorReal, IgualAoArredondamentoDoReal) {
    std::mt19937_64 sorteio(7);
    std::vector<long double> valores = {0.0L,
                                        -0.0L,
                                        0x1p-128L,
                                        0x1p-129L,
                                        0x1p-128L - 0x1p-170L,
                                        0x1p127L - 0x1p87L,
                                        0x1p127L - 0x1p86L,
                                        0x1p127L,
                                        std::nanl("")};
    for (int i = 0; i < 200000; ++i) {
        // 64-bit mantissas over the whole range and beyond it.
        const long double m = static_cast<long double>(sorteio() >> 1);
        valores.push_back(std::ldexp(m, static_cast<int>(sorteio() % 320) - 230));
        // Exactly halfway between two 40-bit values, and a hair to either side of it.
        const long double v40 = std::ldexp(static_cast<long double>((sorteio() >> 25) | 1ULL << 38),
                                           static_cast<int>(sorteio() % 300) - 180);
        const long double meio = std::ldexp(1.0L, std::ilogb(v40) - 40);
        for (long double desvio : {0.0L, 0x1p-20L, -0x1p-20L, 0x1p-23L, -0x1p-24L})
            valores.push_back(v40 + meio + meio * desvio);
    }
    for (long double v : valores) {
        EXPECT_EQ(PeloValorReal(v), PeloReal(v)) << static_cast<double>(v);
        EXPECT_EQ(PeloValorReal(-v), PeloReal(-v)) << static_cast<double>(-v);
    }
}

TEST(ValorReal, VetorNormalIgualAoCalculoEmReais) {
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
