#include "ErroDXF.h"
#include "Real.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// The same value stored from long double and from double must round alike.
void EsperaArredondado(long double valor, long double esperado) {
    EXPECT_EQ(static_cast<long double>(Real(valor)), esperado) << static_cast<double>(valor);
    double d = static_cast<double>(valor);
    if (static_cast<long double>(d) == valor) {
        EXPECT_EQ(static_cast<long double>(Real(d)), esperado) << d;
    }
}

TEST(Real, KeepsFortyBitsAndRoundsTiesToEven) {
    const long double meioUlp = 0x1p-40L;                    // half the spacing of Reals in [1, 2)
    EsperaArredondado(1 + 0x1p-39L, 1 + 0x1p-39L);           // representable: unchanged
    EsperaArredondado(1 + meioUlp, 1);                       // tie, 1 is even
    EsperaArredondado(1 + 3 * meioUlp, 1 + 0x1p-38L);        // tie, the upper one is even
    EsperaArredondado(1 + meioUlp + 0x1p-52L, 1 + 0x1p-39L); // just above the tie
    EsperaArredondado(1 + meioUlp - 0x1p-52L, 1);            // just below the tie
    EsperaArredondado(1 + meioUlp + 0x1p-62L, 1 + 0x1p-39L); // only long double sees this
    EsperaArredondado(-(1 + 3 * meioUlp), -(1 + 0x1p-38L));  // symmetric in the sign
}

TEST(Real, CarriesIntoTheNextBinade) {
    EsperaArredondado(2 - 0x1p-40L, 2); // all forty bits set, then a tie: rounds up to 2
    EsperaArredondado(0x1p20L - 0x1p-21L, 0x1p20L);
    EsperaArredondado(2 - 0x1p-39L, 2 - 0x1p-39L); // the largest Real below 2 stays
}

TEST(Real, RangeLimits) {
    EXPECT_EQ(static_cast<long double>(Real(Real::Maior)), Real::Maior);
    EXPECT_EQ(static_cast<long double>(Real(-Real::Maior)), -Real::Maior);
    // Below the tie with 2^127 it rounds down to the largest Real; the tie itself goes up.
    EXPECT_EQ(static_cast<long double>(Real(Real::Maior + 0x1p85L)), Real::Maior);
    EXPECT_THROW(Real(Real::Maior + 0x1p86L), ErroDXF);
    try {
        Real r(1e39);
        FAIL();
    } catch (const ErroDXF& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_THROW(Real(-1e39L), ErroDXF);
    EXPECT_THROW(Real::Arredonda(HUGE_VAL), ErroDXF);

    EXPECT_EQ(static_cast<long double>(Real(Real::Menor)), Real::Menor);
    EXPECT_EQ(static_cast<long double>(Real(0x1p-129L)), 0); // below the smallest
    EXPECT_EQ(static_cast<long double>(Real(-1e-300)), 0);
    EXPECT_EQ(static_cast<long double>(Real(1e-4000L)), 0);
    // Rounding comes first: a value a hair below the smallest rounds up to it.
    EXPECT_EQ(static_cast<long double>(Real(Real::Menor * (1 - 0x1p-42L))), Real::Menor);
}

TEST(Real, AssignmentRoundsAndArithmeticRunsInExtended) {
    Real r;
    r = 1 + 0x1p-40L;
    EXPECT_EQ(static_cast<long double>(r), 1);
    // Four quarter turns add up to a full turn exactly.
    Real quarto = 90;
    Real soma = quarto + quarto + quarto + quarto;
    EXPECT_EQ(static_cast<long double>(soma), 360);
    Real terco = 1.0L / 3;
    EXPECT_NE(static_cast<long double>(terco), 1.0L / 3);
    EXPECT_NEAR(static_cast<double>(terco), 1.0 / 3, 1e-12);
}

TEST(Real, DoubleAndExtendedStoresAgree) {
    std::mt19937_64 gerador(7);
    std::uniform_real_distribution<double> mantissa(1, 2);
    std::uniform_int_distribution<int> expoente(-120, 120);
    for (int i = 0; i < 200000; ++i) {
        double d = std::ldexp(mantissa(gerador), expoente(gerador));
        ASSERT_EQ(Real::Arredonda(d), Real::Arredonda(static_cast<long double>(d))) << d;
    }
}

} // namespace
