#include "ErroDXF.h"
#include "Numeros.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

std::string_view SemBrancos(std::string_view texto) {
    while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= 32)
        texto.remove_prefix(1);
    while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= 32)
        texto.remove_suffix(1);
    return texto;
}

// from_chars takes no '+': drop one that a digit or '.' follows.
std::string_view SemMais(std::string_view texto) {
    if (texto.size() > 1 && texto.front() == '+' && texto[1] != '-' && texto[1] != '+')
        texto.remove_prefix(1);
    return texto;
}

} // namespace

std::optional<std::int64_t> InteiroLeniente(std::string_view texto) {
    texto = SemMais(SemBrancos(texto));
    std::int64_t v = 0;
    const char* fim = texto.data() + texto.size();
    const auto [onde, erro] = std::from_chars(texto.data(), fim, v);
    if (erro != std::errc{} || onde != fim) return std::nullopt;
    return v;
}

std::optional<Real> RealLeniente(std::string_view texto) {
    texto = SemMais(SemBrancos(texto));
    double d = 0;
    const char* fim = texto.data() + texto.size();
    const auto [onde, erro] = std::from_chars(texto.data(), fim, d);
    if (onde != fim || erro == std::errc::invalid_argument) return std::nullopt;
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    // Out of the double's range (too small: 0; too large: beyond the Real's too), or exactly
    // half-way between two Reals: the strict conversion rounds such a value as the other
    // groups are rounded.
    if (erro == std::errc::result_out_of_range || (bits & 0x1FFF) == 0x1000) {
        try {
            return ConverteReal(texto);
        } catch (const ErroDXF&) {
            return std::nullopt;
        }
    }
    if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(Real::Maior)) return std::nullopt;
    return Real(d);
}
