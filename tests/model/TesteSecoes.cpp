// Sections, skipping, the LAYER table and the configuration block after 0/EOF.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

std::string Secao(std::string_view nome, std::string_view corpo) {
    return "0\nSECTION\n2\n" + std::string(nome) + "\n" + std::string(corpo) + "0\nENDSEC\n";
}

std::string Tabela(std::string_view nome, std::string_view entradas) {
    return "0\nTABLE\n2\n" + std::string(nome) + "\n70\n3\n" + std::string(entradas) +
           "0\nENDTAB\n";
}

TEST(Secoes, OnlyEofGivesAnEmptyModel) {
    Carrega(SoEntidades(LinhaDXF)); // something from before, which must go
    ASSERT_EQ(Carrega("0\nEOF\n"), std::nullopt);
    EXPECT_EQ(Linhas.Count(), 0);
    EXPECT_EQ(Camadas.Count(), 0);
    EXPECT_EQ(ExtremosLidos(), SemExtremos);
}

TEST(Secoes, SkippedWholeAndKeywordsCountWhateverTheirCodeAndOnlyWhenExact) {
    // "SECTION" under code 5 still opens a section; " SECTION" does not.
    std::string texto = Secao("HEADER", "9\n$ACADVER\n1\nAC1009\n" + LinhaDXF) +
                        Secao("CLASSES", "0\nCLASS\n1\nX\n0\nSECTION\n2\nENTITIES\n" + LinhaDXF) +
                        Secao("OBJECTS", LinhaDXF + "0\nENDTAB\n") + "5\nSECTION\n2\nENTITIES\n" +
                        LinhaDXF + "0\nENDSEC\n" + "0\n SECTION\n2\nENTITIES\n" + LinhaDXF +
                        "0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(Carrega(texto), std::nullopt);
    EXPECT_EQ(Linhas.Count(), 1);
}

TEST(Camadas, OnlyTheLayerTableIsKeptInFileOrderAndColoursStayOnTheLayer) {
    std::string tabelas = Tabela("LTYPE", "0\nLTYPE\n2\nCONTINUOUS\n70\n0\n") +
                          Tabela("LAYER", "0\nLAYER\n2\nL\n70\n0\n62\n1\n6\nCONTINUOUS\n"
                                          "0\nLAYER\n2\nB\n70\n0\n6\nCONTINUOUS\n"
                                          "0\nLAYER\n2\nC\n62\n-7\n") +
                          Tabela("STYLE", "0\nSTYLE\n2\nSTANDARD\n");
    ASSERT_EQ(Carrega(Secao("TABLES", tabelas) + SoEntidades(LinhaDXF)), std::nullopt);
    ASSERT_EQ(Camadas.Count(), 3);
    EXPECT_EQ(Camadas[0].Nome, "L");
    EXPECT_EQ(Em(Camadas[0].Cor), (Tripla{1, 0, 0}));
    EXPECT_FALSE(Camadas[1].Cor.has_value());
    EXPECT_EQ(Em(Camadas[2].Cor), (Tripla{1, 1, 0})); // switched off: yellow
    EXPECT_FALSE(Linhas[0].Cor.has_value());          // never taken from its layer "L"
}

// The entries before a foreign record stay; the rest of the table is skipped as plain groups
// and the section and file go on normally.
TEST(Camadas, EmptyTableAndAForeignEntry) {
    std::string tabelas = Tabela("LAYER", "") +
                          Tabela("LAYER", "0\nLAYER\n2\nA\n0\nSTYLE\n2\nS\n0\nLAYER\n2\nB\n") +
                          Tabela("LAYER", "0\nLAYER\n2\nC\n");
    ASSERT_EQ(Carrega(Secao("TABLES", tabelas) + SoEntidades(LinhaDXF)), std::nullopt);
    ASSERT_EQ(Camadas.Count(), 2);
    EXPECT_EQ(Camadas[0].Nome, "A");
    EXPECT_EQ(Camadas[1].Nome, "C");
    EXPECT_EQ(Linhas.Count(), 1);
}

class Config : public ::testing::Test {
  protected:
    void SetUp() override { Configuracao = TConfiguracao{}; }
    const TConfiguracao& c = Configuracao;
};

// Every key; an unknown key costs nothing; the keys a later block lacks, or a block before
// 0/EOF, leave the values as they were.
TEST_F(Config, AllKeysAndOnlyThoseOfTheBlockChange) {
    ASSERT_EQ(Carrega("0\nEOF\n999\nCONFIG\n1\nXINI\n40\n1\n1\nYINI\n40\n2\n1\nZINI\n40\n3\n"
                      "1\nVBAIXA\n40\n4\n1\nVMEDIA\n40\n5\n1\nCOR\n40\n6\n1\nVALTA\n40\n6\n"
                      "1\nALTURA\n70\n7\n1\nangulo\n70\n1\n1\nANGULO\n70\n8\n"),
              std::nullopt);
    EXPECT_EQ((std::array<long double, 6>{c.XIni, c.YIni, c.ZIni, c.VBaixa, c.VMedia, c.VAlta}),
              (std::array<long double, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ((std::array{c.Altura, c.Angulo}), (std::array{7, 8}));
    ASSERT_EQ(Carrega("0\nEOF\n999\nCONFIG\n1\nALTURA\n70\n3\n"), std::nullopt);
    ASSERT_EQ(Carrega("999\nCONFIG\n1\nXINI\n40\n7\n0\nEOF\n"), std::nullopt);
    EXPECT_EQ((std::array<long double, 3>{c.XIni, c.YIni, static_cast<long double>(c.Altura)}),
              (std::array<long double, 3>{1, 2, 3}));
}

// After 0/EOF the drawing is complete: nothing that follows can fail the load. A bad,
// too large or missing value ends the block and keeps what was set before it.
TEST_F(Config, NothingAfterEofFailsTheLoad) {
    ASSERT_EQ(Carrega(SoEntidades(LinhaDXF) +
                      "999\nCONFIG\n1\nXINI\n40\n1.5\n1\nALTURA\n70\n3.5\n1\nYINI\n40\n9\n"),
              std::nullopt);
    EXPECT_EQ((std::array<long double, 3>{c.XIni, c.YIni, static_cast<long double>(c.Altura)}),
              (std::array<long double, 3>{1.5L, 0, 0}));
    EXPECT_EQ(Linhas.Count(), 1);
    for (const char* resto : {"999\nCONFIG\n1\nYINI\n40\n1e39\n", "999\nCONFIG\n1\nYINI\n40\n",
                              "999\nCONFIG\n1\nYINI\n", "this is not\na group at all\n", "\n\n"})
        EXPECT_EQ(Carrega(std::string("0\nEOF\n") + resto), std::nullopt) << resto;
    EXPECT_EQ(static_cast<long double>(c.YIni), 0);
    EXPECT_EQ(Carrega("0\nEOF"), std::nullopt); // no line end after the last line
}

} // namespace
