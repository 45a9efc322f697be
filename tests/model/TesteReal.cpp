// The model's real number: 40 significant bits, ties to even, the limits of its range, and the
// inline roundings against the one done on the bits of the 80-bit value.
#include "ErroDXF.h"
#include "Real.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace {

// What a rounding gives, or nothing when it fails.
template <class Arredondamento>
auto Arredondado(Arredondamento arredonda, long double v) -> std::optional<decltype(arredonda(v))> {
    try {
        return arredonda(v);
    } catch (const ErroDXF&) {
        return std::nullopt;
    }
}

TEST(Real, QuarentaBitsEmpatesAoParEOsLimitesDaFaixa) {
    const long double meioUlp = 0x1p-40L; // half the spacing of Reals in [1, 2)
    const std::pair<long double, std::optional<long double>> casos[] = {
        {1 + 0x1p-39L, 1 + 0x1p-39L},           // representable: unchanged
        {1 + meioUlp, 1},                       // tie, 1 is even
        {1 + 3 * meioUlp, 1 + 0x1p-38L},        // tie, the upper one is even
        {1 + meioUlp + 0x1p-52L, 1 + 0x1p-39L}, // just above the tie
        {1 + meioUlp - 0x1p-52L, 1},            // just below the tie
        {1 + meioUlp + 0x1p-62L, 1 + 0x1p-39L}, // only long double sees this
        {-(1 + 3 * meioUlp), -(1 + 0x1p-38L)},  // symmetric in the sign
        {2 - 0x1p-40L, 2},                      // all forty bits set, then a tie: next binade
        {0x1p20L - 0x1p-21L, 0x1p20L},
        {2 - 0x1p-39L, 2 - 0x1p-39L}, // the largest Real below 2 stays
        {-Real::Maior, -Real::Maior},
        {Real::Maior + 0x1p85L, Real::Maior},  // below the tie with 2^127: the largest Real
        {Real::Maior + 0x1p86L, std::nullopt}, // the tie goes up, beyond the range
        {-1e39L, std::nullopt},
        {HUGE_VALL, std::nullopt},
        {Real::Menor, Real::Menor},
        {0x1p-129L, 0}, // below the smallest
        {-1e-300L, 0},
        {1e-4000L, 0},
        {Real::Menor * (1 - 0x1p-42L), Real::Menor}}; // rounding comes first
    const auto construido = [](long double v) { return static_cast<long double>(Real(v)); };
    const auto atribuido = [](long double v) {
        Real r;
        r = v;
        return static_cast<long double>(r);
    };
    for (const auto& [valor, esperado] : casos) {
        EXPECT_EQ(Arredondado(construido, valor), esperado) << static_cast<double>(valor);
        EXPECT_EQ(Arredondado(atribuido, valor), esperado) << static_cast<double>(valor);
    }
}

// Over the whole range and beyond it, and at or a hair beside the halfway points between
// Reals, where a long double first rounded to a double could go wrong.
TEST(Real, ArredondamentoEmLinhaIgualAoFeitoNosBits) {
    std::mt19937_64 sorteio(7);
    std::vector<long double> valores{0.0L,
                                     0x1p-128L,
                                     0x1p-129L,
                                     0x1p-128L - 0x1p-170L,
                                     0x1p-127L - 0x1p-169L,
                                     0x1p126L + 0x1p85L,
                                     0x1p127L - 0x1p87L,
                                     0x1p127L - 0x1p86L,
                                     0x1p127L,
                                     0x1p-1060L,
                                     HUGE_VALL,
                                     std::nanl("")};
    for (int i = 0; i < 50000; ++i) {
        const long double m = static_cast<long double>(sorteio() >> 1);
        valores.push_back(std::ldexp(m, static_cast<int>(sorteio() % 320) - 230));
        const long double v40 = std::ldexp(static_cast<long double>((sorteio() >> 25) | 1ULL << 38),
                                           static_cast<int>(sorteio() % 300) - 180);
        const long double meio = std::ldexp(1.0L, std::ilogb(v40) - 40);
        for (long double desvio : {0.0L, 0x1p-20L, -0x1p-20L, 0x1p-23L, -0x1p-24L})
            valores.push_back(v40 + meio + meio * desvio);
    }
    // Compared as bits: NaN passes through and the sign of a zero is kept.
    const auto estendido = [](long double v) {
        return std::bit_cast<std::uint64_t>(Real::Arredonda(v));
    };
    const auto exato = [](long double v) {
        return std::bit_cast<std::uint64_t>(Real::ArredondaExato(v));
    };
    const auto duplo = [](long double v) {
        return std::bit_cast<std::uint64_t>(Real::Arredonda(static_cast<double>(v)));
    };
    for (long double v : valores) {
        for (long double s : {v, -v}) {
            ASSERT_EQ(Arredondado(estendido, s), Arredondado(exato, s)) << static_cast<double>(s);
            const long double d = static_cast<double>(s);
            ASSERT_EQ(Arredondado(duplo, d), Arredondado(exato, d)) << static_cast<double>(d);
        }
    }
}

} // namespace
