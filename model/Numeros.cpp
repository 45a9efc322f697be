#include "Numeros.h"

#include "ErroDXF.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <system_error>

namespace {

[[noreturn]] void Invalido() {
    throw ErroDXF("Invalid numeric input");
}

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// Drops a leading '+' (which from_chars does not take) and checks that a digit, or for a
// real a '.', follows the sign: this keeps out "inf", "nan", hexadecimal forms and "+-1".
std::string_view SemMais(std::string_view token, bool real) {
    std::size_t i = 0;
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    else if (!token.empty() && token.front() == '-')
        i = 1;
    if (i >= token.size() || !(Digito(token[i]) || (real && token[i] == '.'))) Invalido();
    return token;
}

// The 80-bit reading of a token, independent of the process's locale.
long double LeEstendido(std::string_view token) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string texto(token);
    char* fim = nullptr;
    long double v = strtold_l(texto.c_str(), &fim, c);
    if (fim != texto.c_str() + texto.size()) Invalido();
    return v;
}

} // namespace

std::int32_t ConverteInteiro(std::string_view token) {
    token = SemMais(token, false);
    bool negativo = token.front() == '-';
    if (negativo) token.remove_prefix(1);
    constexpr std::int64_t limite = std::int64_t{1} << 31;
    std::int64_t v = 0;
    for (char c : token) {
        if (!Digito(c)) Invalido();
        v = v * 10 + (c - '0');
        if (v > limite) Invalido();
    }
    if (!negativo && v == limite) Invalido();
    return static_cast<std::int32_t>(negativo ? -v : v);
}

Real ConverteReal(std::string_view token) {
    token = SemMais(token, true);
    double d = 0;
    auto [fim, erro] = std::from_chars(token.data(), token.data() + token.size(), d);
    if (erro == std::errc::invalid_argument || fim != token.data() + token.size()) Invalido();
    if (erro == std::errc::result_out_of_range) return Real(LeEstendido(token));

    // The double rounds to the same Real as the 80-bit reading, except when it lies exactly
    // half-way between two Reals: then the 80-bit reading decides the side.
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    if ((bits & 0x1FFF) == 0x1000) return Real(LeEstendido(token));
    return Real(d);
}
