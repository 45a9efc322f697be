// Number conversion, the model's real number (40 bits, ties to even), lists and names.
#include "ErroDXF.h"
#include "Nome.h"
#include "Numeros.h"
#include "Real.h"
#include "TList.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <ranges>
#include <vector>

namespace {

std::string MensagemDe(auto&& acao) {
    try {
        acao();
    } catch (const ErroDXF& e) {
        return e.what();
    }
    return "";
}

const std::string Invalido = "Invalid numeric input";

TEST(Numeros, InteirosSaoTokensInteirosDeTrintaEDoisBits) {
    const std::pair<std::string, std::int32_t> casos[] = {
        {"+7", 7},
        {"-7", -7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        // Longer than the 32 bytes a number field once had: converted whole, never cut.
        {std::string(40, '0') + "42", 42}};
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(ConverteInteiro(texto), valor) << texto;
    for (const char* ruim : {"2147483648", "-2147483649", "99999999999999999999", "1.0", "1e3",
                             "0x1A", "$1A", "+-1", "--1", "+", "-", "10a", "a10"})
        EXPECT_EQ(MensagemDe([&] { ConverteInteiro(ruim); }), Invalido) << ruim;
}

TEST(Numeros, ReaisEmNotacaoDecimalEForaDaFaixa) {
    const std::pair<std::string, long double> casos[] = {
        {"-.5", -0.5L},
        {"+2.", 2},
        {"1e3", 1000},
        {"1.25E-02", Real(0.0125L)},
        {std::string(70, '0') + "123.5", 123.5L}, // a long token is read whole
        {"1.7e38", Real(1.7e38L)},
        {"1e-39", 0},
        {"1e-5000", 0},
        // A double half-way between two Reals: the digits beyond it decide.
        {"1.0000000000009094947017729282379150390625", 1},
        {"1.000000000000909495569134666226318586268462240695953369140625", 1 + 0x1p-39L},
        {"1.000000000002728483237957046725341569981537759304046630859375", 1 + 0x1p-39L}};
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(ConverteReal(texto), valor) << texto;
    for (const char* ruim : {"inf", "-inf", "nan", "infinity", "0x1p3", "1,5", "1.5e", ".", "e5",
                             "+-1", "1.5.2", "12abc"})
        EXPECT_EQ(MensagemDe([&] { ConverteReal(ruim); }), Invalido) << ruim;
    for (const char* grande : {"1e39", "-1e400", "1e5000"})
        EXPECT_EQ(MensagemDe([&] { ConverteReal(grande); }), "Floating point overflow");
}

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
        {1 + meioUlp, 1},                       // tie, 1 is even
        {-(1 + 3 * meioUlp), -(1 + 0x1p-38L)},  // tie, the upper one is even
        {1 + meioUlp + 0x1p-62L, 1 + 0x1p-39L}, // only long double sees this
        {2 - 0x1p-40L, 2},                      // all forty bits set, then a tie: next binade
        {Real::Maior + 0x1p85L, Real::Maior},   // below the tie with 2^127: the largest Real
        {Real::Maior + 0x1p86L, std::nullopt},  // the tie goes up, beyond the range
        {HUGE_VALL, std::nullopt},
        {Real::Menor, Real::Menor},
        {0x1p-129L, 0}, // below the smallest
        {1e-4000L, 0},
        {Real::Menor * (1 - 0x1p-42L), Real::Menor}}; // rounding comes first
    for (const auto& [valor, esperado] : casos)
        EXPECT_EQ(
            Arredondado([](long double v) { return static_cast<long double>(Real(v)); }, valor),
            esperado)
            << static_cast<double>(valor);
}

// Over the whole range, and at or a hair beside the halfway points between Reals.
TEST(Real, ArredondamentoEmLinhaIgualAoFeitoNosBits) {
    std::mt19937_64 sorteio(7);
    // 2^127 - 2^86 rounds beyond the range: the top binade must not take the inline path.
    std::vector<long double> valores{0.0L, 0x1p-127L - 0x1p-169L, 0x1p127L - 0x1p86L, HUGE_VALL,
                                     std::nanl("")};
    for (int i = 0; i < 50000; ++i) {
        const long double m = static_cast<long double>(sorteio() >> 1);
        valores.push_back(std::ldexp(m, static_cast<int>(sorteio() % 320) - 230));
        const long double v40 = std::ldexp(static_cast<long double>((sorteio() >> 25) | 1ULL << 38),
                                           static_cast<int>(sorteio() % 300) - 180);
        const long double meio = std::ldexp(1.0L, std::ilogb(v40) - 40);
        for (long double desvio : {0.0L, 0x1p-20L, -0x1p-24L})
            valores.push_back(v40 + meio + meio * desvio);
    }
    // Compared as bits: NaN passes through and the sign of a zero is kept.
    const auto bits = [](auto arredonda) {
        return [=](long double v) { return std::bit_cast<std::uint64_t>(arredonda(v)); };
    };
    const auto estendido = bits([](long double v) { return Real::Arredonda(v); });
    const auto exato = bits([](long double v) { return Real::ArredondaExato(v); });
    const auto duplo = bits([](long double v) { return Real::Arredonda(static_cast<double>(v)); });
    for (long double v : valores) {
        for (long double s : {v, -v}) {
            ASSERT_EQ(Arredondado(estendido, s), Arredondado(exato, s)) << static_cast<double>(s);
            const long double d = static_cast<double>(s);
            ASSERT_EQ(Arredondado(duplo, d), Arredondado(exato, d)) << static_cast<double>(d);
        }
    }
}

TEST(TList, GuardaOrdemELugarEntreBlocosECopiasSaoProfundas) {
    // Long enough to fill the first part and several blocks, and end inside one.
    constexpr int Muitos = 3 * static_cast<int>(TList<int>::Bloco) + 123;
    TList<int> lista;
    for (int i = 0; i < Muitos; ++i)
        lista.Add(i);
    const TList<int>& constante = lista;
    EXPECT_EQ(constante.end() - constante.begin(), Muitos);
    EXPECT_TRUE(std::equal(constante.begin(), constante.end(), std::views::iota(0).begin()));

    TList<int> copia = lista;
    copia[4500] = -1;
    EXPECT_EQ(*std::min_element(copia.begin(), copia.end()), -1);
    EXPECT_EQ(lista[4500], 4500);

    TListCurta<int, 4> curta;
    for (int i = 0; i < 7; ++i)
        curta.Add(10 * i);
    TListCurta<int, 4> outra = curta;
    outra[1] = outra[5] = -1;
    EXPECT_EQ((std::array{curta.Count(), curta[1], curta[5]}), (std::array{7, 10, 50}));
    curta = TListCurta<int, 4>(std::move(outra));
    EXPECT_EQ((std::array{curta[1], curta[5], curta[6]}), (std::array{-1, -1, 60}));
}

TEST(TNome, TextosIguaisGuardadosUmaVezESoltosComOUltimoDono) {
    const std::size_t antes = TNome::EmUso();
    {
        std::string texto = "PAREDES";
        TNome a = texto, b = std::string_view("PAREDES"), c = "PORTAS", d = a;
        texto = "mudou"; // the name keeps its own copy
        EXPECT_TRUE(a == b && !(a == c) && a.Texto() == std::string("PAREDES"));
        EXPECT_EQ(TNome::EmUso(), antes + 2);
        a = "PORTAS";
        b = std::move(d);
        EXPECT_TRUE(a == c && b == "PAREDES" && d.empty());
        b = TNome();
        EXPECT_EQ(TNome::EmUso(), antes + 1); // no one holds PAREDES any more
    }
    EXPECT_EQ(TNome::EmUso(), antes);
    EXPECT_TRUE(TNome("").empty());
}

} // namespace
