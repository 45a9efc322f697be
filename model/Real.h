#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// The model's real number: the values a 6-byte real (40 significant bits, magnitudes from
// 2^-128 to just under 2^127) can hold. Arithmetic runs in long double (80-bit extended);
// every store rounds to the nearest such value, ties to even. A magnitude below the
// smallest becomes 0, one above the largest fails with "Floating point overflow".
// Every 40-bit value is exact in a double, which is what is kept.
class Real {
  public:
    constexpr Real() = default;
    Real(long double v) : valor_(Arredonda(v)) {}
    Real(double v) : valor_(Arredonda(v)) {}
    Real(int v) : valor_(Arredonda(static_cast<double>(v))) {}

    Real& operator=(long double v) {
        valor_ = Arredonda(v);
        return *this;
    }

    operator long double() const { return valor_; }
    double ComoDouble() const { return valor_; }
    float ComoFloat() const { return static_cast<float>(valor_); }

    // Rounds v to the nearest Real; throws ErroDXF("Floating point overflow") past the range.
    // NaN passes through unchanged. Inline for the common case: the reader rounds every
    // number it reads, the drawing nine values for every face it draws.
    static double Arredonda(long double v);
    static double Arredonda(double v);

    // The same rounding done on the bits of the 80-bit value, for every case: what the
    // inline paths fall back on, and the reference they are tested against.
    static double ArredondaExato(long double v);

    static constexpr long double Menor = 0x1p-128L;          // smallest magnitude
    static constexpr long double Maior = 0x1p127L - 0x1p87L; // largest magnitude

  private:
    // A double keeps 53 bits: a Real drops the lowest 13.
    static constexpr std::uint64_t Baixos = (std::uint64_t{1} << 13) - 1;
    static constexpr std::uint64_t Meio = std::uint64_t{1} << 12;

    // The binades from 2^-127 up to the one below 2^126 round to values inside the range,
    // whichever way they go: the double's biased exponent from 1023 - 127 to 1023 + 125,
    // told by one unsigned comparison.
    static bool DentroDaFaixa(std::uint64_t bits) {
        return ((bits >> 52) & 0x7FF) - (1023 - 127) <= 252;
    }

    // A zero of either sign, common in the drawing's differences of coordinates: it stays
    // as it is (also for a long double too small to be anything but 0 as a double).
    static bool Zero(std::uint64_t bits) { return (bits << 1) == 0; }

    // Round to nearest, ties to even, in the bits: adding just under half of the dropped
    // part, plus the last kept bit, carries exactly when rounding goes up; a carry out of
    // the mantissa moves into the exponent, the next binade, as it should.
    static double Arredonda40(std::uint64_t bits) {
        return std::bit_cast<double>((bits + (Meio - 1) + ((bits >> 13) & 1)) & ~Baixos);
    }

    double valor_ = 0.0;
};

inline double Real::Arredonda(long double v) {
    // hi is v rounded to 53 bits. Unless hi lies exactly halfway between two Reals, v and
    // hi lie on the same side of every such halfway point (each is a double itself), so
    // they round to the same Real.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(static_cast<double>(v));
    if (!DentroDaFaixa(bits) || (bits & Baixos) == Meio) [[unlikely]]
        return Zero(bits) ? std::bit_cast<double>(bits) : ArredondaExato(v);
    return Arredonda40(bits);
}

inline double Real::Arredonda(double v) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    if (!DentroDaFaixa(bits)) [[unlikely]]
        return Zero(bits) ? v : ArredondaExato(v); // a double is exact in long double
    return Arredonda40(bits);
}
