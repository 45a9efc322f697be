// Number conversion, line ends and the reading of lines of any length.
#include "Ajuda.h"
#include "Arquivo.h"
#include "ErroDXF.h"
#include "Leitores.h"
#include "Numeros.h"
#include "UDXF.h"

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

long double R(std::string_view token) {
    return ConverteReal(token);
}

TEST(Numeros, IntegersAreWholeTokensWithinThirtyTwoBits) {
    EXPECT_EQ(ConverteInteiro("10"), 10);
    EXPECT_EQ(ConverteInteiro("+7"), 7);
    EXPECT_EQ(ConverteInteiro("-7"), -7);
    EXPECT_EQ(ConverteInteiro("2147483647"), 2147483647);
    EXPECT_EQ(ConverteInteiro("-2147483648"), -2147483647 - 1);
    // Longer than the 32 bytes a number field once had: converted whole, never cut.
    EXPECT_EQ(ConverteInteiro(std::string(40, '0') + "42"), 42);
    for (const char* ruim : {"2147483648", "-2147483649", "99999999999999999999", "1.0", "1e3",
                             "0x1A", "$1A", "+-1", "--1", "+", "-", "10a", "a10"})
        EXPECT_EQ(MensagemDe([&] { ConverteInteiro(ruim); }), "Invalid numeric input") << ruim;
}

TEST(Numeros, RealsInDecimalNotation) {
    EXPECT_EQ(R("1.5"), 1.5L);
    EXPECT_EQ(R("-.5"), -0.5L);
    EXPECT_EQ(R("+2."), 2.0L);
    EXPECT_EQ(R("1e3"), 1000.0L);
    EXPECT_EQ(R("1.25E-02"), static_cast<long double>(Real(0.0125L)));
    EXPECT_EQ(R("7"), 7.0L);
    EXPECT_EQ(R(std::string(70, '0') + "123.5"), 123.5L); // a long token is read whole
    for (const char* ruim : {"inf", "-inf", "nan", "infinity", "0x1p3", "1,5", "1.5e", ".", "e5",
                             "+-1", "1.5.2", "12abc"})
        EXPECT_EQ(MensagemDe([&] { ConverteReal(ruim); }), "Invalid numeric input") << ruim;
}

TEST(Numeros, RealsBeyondTheRange) {
    EXPECT_EQ(MensagemDe([] { ConverteReal("1e39"); }), "Floating point overflow");
    EXPECT_EQ(MensagemDe([] { ConverteReal("-1e400"); }), "Floating point overflow");
    EXPECT_EQ(MensagemDe([] { ConverteReal("1e5000"); }), "Floating point overflow");
    EXPECT_EQ(R("1.7e38"), static_cast<long double>(Real(1.7e38L)));
    EXPECT_EQ(R("1e-39"), 0); // below the smallest Real
    EXPECT_EQ(R("1e-400"), 0);
    EXPECT_EQ(R("1e-5000"), 0);
}

// Where the nearest double is exactly half-way between two Reals, the digits beyond the
// double decide, as they do when the text is read into 80-bit extended first.
TEST(Numeros, TiesOfTheDoubleAreDecidedByTheFullText) {
    EXPECT_EQ(R("1.0000000000009094947017729282379150390625"), 1.0L); // 1 + 2^-40: a true tie
    EXPECT_EQ(R("1.000000000000909495569134666226318586268462240695953369140625"),
              1 + 0x1p-39L); // 1 + 2^-40 + 2^-60: above the tie
    EXPECT_EQ(R("1.000000000002728483237957046725341569981537759304046630859375"),
              1 + 0x1p-39L); // 1 + 3 * 2^-40 - 2^-60: below the tie
}

class Primitivas : public ::testing::Test {
  protected:
    // A reader over `texto`, read one piece of `pedaco` bytes at a time.
    LeitorDXF& Leitor(std::string_view texto, std::size_t pedaco = Entrada::TamanhoLeitura) {
        arquivo_.emplace(texto);
        aberto_.emplace(arquivo_->Nome());
        leitor_.emplace(aberto_->Descritor(), pedaco);
        return *leitor_;
    }
    std::optional<ArquivoTemporario> arquivo_;
    std::optional<ArquivoAberto> aberto_;
    std::optional<LeitorDXF> leitor_;
};

TEST_F(Primitivas, CrCrLfAndLoneLfEachEndOneLine) {
    auto& l = Leitor("A\rB\r\nC\nD\n\rE");
    std::string s;
    for (const char* esperado : {"A", "B", "C", "D", "", "E"}) {
        l.LeTexto(s);
        EXPECT_EQ(s, esperado);
    }
    EXPECT_TRUE(l.NoFim());
    l.LeTexto(s); // a text at the end of the file reads as empty
    EXPECT_EQ(s, "");
}

TEST_F(Primitivas, NumbersSkipBlanksAndEmptyLinesAndIgnoreTextAfterTheToken) {
    auto& l = Leitor("  10\r\n\r\n\r\n 2.5 metres\r\n-3\tx\r\nLINE\r\n");
    std::int32_t codigo;
    Real valor;
    std::string texto;
    l.LeInteiro(codigo);
    l.LeReal(valor);
    EXPECT_EQ(codigo, 10);
    EXPECT_EQ(static_cast<long double>(valor), 2.5L);
    l.LePar(codigo, texto);
    EXPECT_EQ(codigo, -3);
    EXPECT_EQ(texto, "LINE");
}

TEST_F(Primitivas, TextsKeepTheirBlanks) {
    auto& l = Leitor(" LINE \r\nline\r\n");
    std::string s;
    l.LeTexto(s);
    EXPECT_EQ(s, " LINE ");
    l.LeTexto(s);
    EXPECT_EQ(s, "line");
}

TEST_F(Primitivas, CtrlZEndsTheInput) {
    auto& l = Leitor("5\r\nAB\x1A"
                     "CD\r\n7\r\n");
    std::int32_t codigo;
    std::string s;
    l.LePar(codigo, s);
    EXPECT_EQ(s, "AB");
    EXPECT_TRUE(l.NoFim());
    EXPECT_EQ(MensagemDe([&] { l.LeInteiro(codigo); }),
              "Unexpected end of file: the file is incomplete");
}

TEST_F(Primitivas, LinesOfAnyLengthCrossingEveryBoundary) {
    std::string longa(3'000'000, 'x');
    longa[1'500'000] = ' ';
    auto& l =
        Leitor("999\r\n" + longa + "\r\n2\r\n" + longa + "\r\n" + std::string(300, '0') + "12\r\n");
    std::int32_t codigo;
    std::string nome;
    l.LeInteiro(codigo);
    l.PulaTexto(); // skipped, never kept
    l.LeInteiro(codigo);
    l.LeTexto(nome); // kept whole (a keyword read, LePar, keeps only its start)
    EXPECT_EQ(codigo, 2);
    EXPECT_EQ(nome, longa);
    l.LeInteiro(codigo);
    EXPECT_EQ(codigo, 12);
}

TEST_F(Primitivas, TokenTooLongIsRejected) {
    auto& l = Leitor(std::string(Entrada::MaxToken + 1, '1') + "\r\n");
    std::int32_t codigo;
    EXPECT_EQ(MensagemDe([&] { l.LeInteiro(codigo); }), "Invalid numeric input");
}

// The same file read in pieces of every small size gives the same model: line ends, tokens
// and the CR of a CR LF pair may fall on any piece boundary.
TEST(LeituraEmPedacos, ModelDoesNotDependOnWherePiecesEnd) {
    for (std::string_view fim : {"\r\n", "\n", "\r"}) {
        std::string texto = ComFimDeLinha(SoEntidades("0\nLINE\n8\nCAMADA LONGA\n10\n1.25\n20\n"
                                                      "-2.5e1\n30\n3\n11\n4\n21\n5\n31\n6\n62\n"
                                                      "1\n0\nCIRCLE\n10\n7\n20\n8\n40\n9.75\n"),
                                          fim);
        ArquivoTemporario arquivo(texto);
        for (std::size_t pedaco : {1, 2, 3, 5, 7, 64}) {
            SCOPED_TRACE(pedaco);
            CarregaDXF(arquivo.Nome(), pedaco);
            ASSERT_EQ(Linhas.Count(), 1);
            EXPECT_EQ(Linhas[0].Camada, "CAMADA LONGA");
            EXPECT_EQ(static_cast<long double>(Linhas[0].P1->Y), -25);
            EXPECT_EQ(static_cast<long double>(Linhas[0].P2->Z), 6);
            ASSERT_EQ(Circulos.Count(), 1);
            EXPECT_EQ(static_cast<long double>(Circulos[0].Raio), 9.75L);
        }
    }
}

TEST(FinsDeLinha, LfOnlyAndCrOnlyFilesLoadLikeCrLfFiles) {
    std::string corpo = "0\nLINE\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n";
    for (std::string_view fim : {"\r\n", "\n", "\r"}) {
        ASSERT_EQ(Carrega(SoEntidades(corpo), fim), std::nullopt);
        ASSERT_EQ(Linhas.Count(), 1);
        EXPECT_EQ(static_cast<long double>(Linhas[0].P2->Z), 6);
    }
}

} // namespace
