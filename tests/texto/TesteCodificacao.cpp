// A text's bytes as code points: the file's encoding and the codes all text kinds share.

#include "Codificacao.h"

#include <gtest/gtest.h>

namespace {

std::u32string D(std::string_view bytes, TCodificacao c = TCodificacao::ANSI_1252) {
    return DecodificaTexto(bytes, c);
}

TEST(Codificacao, DoCabecalho) {
    EXPECT_EQ(CodificacaoDoArquivo("ANSI_1251", "AC1015"), TCodificacao::ANSI_1251);
    EXPECT_EQ(CodificacaoDoArquivo("ansi_1250", ""), TCodificacao::ANSI_1250);
    EXPECT_EQ(CodificacaoDoArquivo("ANSI_1251", "AC1021"), TCodificacao::UTF8);
    EXPECT_EQ(CodificacaoDoArquivo("", "AC1032"), TCodificacao::UTF8);
    EXPECT_EQ(CodificacaoDoArquivo("", ""), TCodificacao::ANSI_1252);
    EXPECT_EQ(CodificacaoDoArquivo("nonsense", "AC1009"), TCodificacao::ANSI_1252);
}

TEST(Codificacao, PaginasDoWindows) {
    EXPECT_EQ(D("Cora\xE7\xE3o"), U"Coração");
    EXPECT_EQ(D("\x80"), U"€"); // 1252's own, not Latin-1's
    EXPECT_EQ(D("\xC4\xE0", TCodificacao::ANSI_1251), U"Да");
    EXPECT_EQ(D("\xB9", TCodificacao::ANSI_1250), U"ą");
    EXPECT_EQ(D("\x82\xA0", TCodificacao::ANSI_932), U"あ");
    // A byte the page leaves undefined is still read, as Latin-1.
    EXPECT_EQ(D("a\x81"
                "b"),
              U"a\u0081b");
}

TEST(Codificacao, Utf8ComBytesInvalidosEmLatin1) {
    EXPECT_EQ(D("Cora\xC3\xA7\xC3\xA3o \xE2\x8C\x80", TCodificacao::UTF8), U"Coração ⌀");
    EXPECT_EQ(D("caf\xE9!", TCodificacao::UTF8), U"café!");
    EXPECT_EQ(D("\xC0\xAF\xED\xA0\x80", TCodificacao::UTF8), U"\u00C0\u00AF\u00ED\u00A0\u0080");
    EXPECT_EQ(D("\xE2\x8C", TCodificacao::UTF8), U"\u00E2\u008C");
    EXPECT_EQ(D("\xE0\x80\xAF", TCodificacao::UTF8), U"\u00E0\u0080\u00AF"); // overlong
}

TEST(Codificacao, CodigosUMaisEMMais) {
    EXPECT_EQ(D("\\U+00B0C \\U+2300"), U"°C ⌀");
    EXPECT_EQ(D("\\U+00G1"), U"\\U+00G1");
    EXPECT_EQ(D("\\M+182A0x"), U"あx");
    EXPECT_EQ(D("\\M+9FFFFy"), U"\\M+9FFFFy");
    // An escaped backslash is no code; MTEXT's codes are left as they are.
    EXPECT_EQ(D("\\\\U+0041 \\P\\H2x;"), U"\\\\U+0041 \\P\\H2x;");
}

TEST(Codificacao, CodigosPorcento) {
    EXPECT_EQ(D("%%c50 %%C %%d %%p0.1 100%%%"), U"⌀50 ⌀ ° ±0.1 100%");
    EXPECT_EQ(D("%%176 %%065"), U"° A");
    EXPECT_EQ(D("%%uTitle%%u %%o%%k"), U"Title ");
    EXPECT_EQ(D("%%x %%1 50%"), U"%%x %%1 50%");
}

TEST(Codificacao, Circunflexos) {
    EXPECT_EQ(D("a^Ib^Jc^Md^ e"), U"a\tb\ncd^e");
    EXPECT_EQ(D("x^"), U"x^");
}

} // namespace
