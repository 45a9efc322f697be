// Number conversion, line ends and the reading of lines of any length.
#include "Ajuda.h"
#include "Arquivo.h"
#include "ErroDXF.h"
#include "Numeros.h"

#include <gtest/gtest.h>

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
        // Where the nearest double lies half-way between two Reals, the digits beyond it
        // decide: 1 + 2^-40 is a true tie; then 2^-60 above it, and 2^-60 below 1 + 3 * 2^-40.
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

// What the reader gives for each step over `texto`: I integer, R real, P pair, T text, S skip
// a text, F whether at the end; an error gives its message. Long texts give their length and
// the place of their first blank.
std::vector<std::string> Le(std::string_view texto, std::string_view passos) {
    ArquivoTemporario arquivo(texto);
    ArquivoAberto aberto(arquivo.Nome());
    LeitorDXF l(aberto.Descritor(), Entrada::TamanhoLeitura);
    std::int32_t codigo = 0;
    std::string s;
    Real r;
    const auto passo = [&](char p) -> std::string {
        if (p == 'I') return l.LeInteiro(codigo), std::to_string(codigo);
        if (p == 'R') return l.LeReal(r), std::to_string(r.ComoDouble());
        if (p == 'P') return l.LePar(codigo, s), std::to_string(codigo) + " " + s;
        if (p == 'S') return l.PulaTexto(), "";
        if (p == 'F') return l.NoFim() ? "end" : "";
        l.LeTexto(s);
        if (s.size() < 1000) return s;
        return std::to_string(s.size()) + " " + std::to_string(s.find_first_not_of('x'));
    };
    std::vector<std::string> lido;
    for (char p : passos) {
        std::string saida, erro = MensagemDe([&] { saida = passo(p); });
        lido.push_back(erro.empty() ? saida : erro);
    }
    return lido;
}

TEST(Leitor, FinsDeLinhaBrancosCtrlZETokensDeQualquerTamanho) {
    std::string longa(3'000'000, 'x');
    longa[1'500'000] = ' ';
    const std::string fimInesperado = "Unexpected end of file: the file is incomplete";
    using V = std::vector<std::string>;
    const std::tuple<std::string, std::string, V> casos[] = {
        // CR, CR LF and a lone LF each end one line; texts keep their blanks; a text at the
        // end of the file reads as empty
        {"A\rB\r\n C \nD\n\rE", "TTTTTTFT", {"A", "B", " C ", "D", "", "E", "end", ""}},
        // numbers skip blanks and empty lines and ignore the text after the token
        {"  10\r\n\r\n\r\n 2.5 metres\r\n-3\tx\r\nLINE\r\n", "IRP", {"10", "2.500000", "-3 LINE"}},
        {"5\r\nAB\x1A"
         "CD\r\n7\r\n",
         "PFI",
         {"5 AB", "end", fimInesperado}}, // Ctrl-Z ends it
        {std::string(Entrada::MaxToken + 1, '1') + "\r\n", "I", {Invalido}},
        // a skipped line is never kept; a text is kept whole; lines cross every boundary
        {"999\r\n" + longa + "\r\n2\r\n" + longa + "\r\n" + std::string(300, '0') + "12\r\n",
         "ISITI",
         {"999", "", "2", "3000000 1500000", "12"}}};
    for (const auto& [texto, passos, esperado] : casos)
        EXPECT_EQ(Le(texto, passos), esperado) << passos;
}

} // namespace
