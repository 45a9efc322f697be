#pragma once

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
    // NaN passes through unchanged.
    static double Arredonda(long double v);
    static double Arredonda(double v);

    static constexpr long double Menor = 0x1p-128L;                // smallest magnitude
    static constexpr long double Maior = 0x1p127L - 0x1p87L;       // largest magnitude

  private:
    double valor_ = 0.0;
};
