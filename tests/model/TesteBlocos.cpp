// Block definitions of the BLOCKS section.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

const std::string Circulo = "0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n5\n";

std::string Bloco(std::string_view nome, std::string_view corpo, std::string_view base = "0") {
    return "0\nBLOCK\n8\n0\n2\n" + std::string(nome) + "\n70\n0\n10\n" + std::string(base) +
           "\n20\n20\n30\n0\n3\n" + std::string(nome) + "\n" + std::string(corpo) +
           "0\nENDBLK\n8\n0\n";
}

std::optional<std::string> CarregaBlocos(std::string_view corpo, std::string_view depois = "") {
    return Carrega("0\nSECTION\n2\nBLOCKS\n" + std::string(corpo) + "0\nENDSEC\n" +
                   std::string(depois.empty() ? "0\nEOF\n" : depois));
}

TEST(Blocos, ElementsGoToTheBlocksListsByKind) {
    std::string corpo =
        LinhaDXF + Circulo + LinhaDXF + "0\nINSERT\n2\nOUTRO\n10\n0\n20\n0\n30\n0\n" +
        "0\nTEXT\n1\nx\n0\n3DFACE\n10\n0\n20\n0\n30\n0\n" + "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n" +
        "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n0\nSEQEND\n";
    ASSERT_EQ(CarregaBlocos(Bloco("CASA", corpo, "-10")), std::nullopt);
    ASSERT_EQ(Blocos.Count(), 1);
    const TBloco& b = Blocos[0];
    EXPECT_EQ(b.Camada, "0");
    EXPECT_EQ((std::array{b.LinhasBloco.Count(), b.CirculosBloco.Count(), b.FacesBloco.Count(),
                          b.ArcosBloco.Count(), b.PolyLinesBloco.Count()}),
              (std::array{2, 1, 1, 1, 1}));
    EXPECT_EQ(b.PolyLinesBloco[0].Vertices.Count(), 1);
    EXPECT_EQ(Em(b.Base), (Tripla{-10, 20, 0}));
    // Nothing reaches the global lists, a nested insertion leaves no trace, the base counts.
    EXPECT_EQ(Linhas.Count() + Circulos.Count() + Inserts.Count(), 0);
    EXPECT_EQ(ExtremosLidos()[0], -10);
}

TEST(Blocos, SameNameTwiceTheLaterNameGroupAndABasePointWithoutZ) {
    // Old and LibreCAD files give a base point as 10/20 only, right before the name group 3.
    ASSERT_EQ(CarregaBlocos(Bloco("A", LinhaDXF) + Bloco("A", Circulo) +
                            "0\nBLOCK\n2\n*D2\n3\n*D\n0\nENDBLK\n" +
                            "0\nBLOCK\n2\nZ\n70\n0\n10\n1\n20\n2\n3\nZ\n" + LinhaDXF +
                            "0\nENDBLK\n"),
              std::nullopt);
    ASSERT_EQ(Blocos.Count(), 4);
    EXPECT_EQ((std::array{Blocos[0].LinhasBloco.Count(), Blocos[1].CirculosBloco.Count(),
                          Blocos[3].LinhasBloco.Count()}),
              (std::array{1, 1, 1}));
    EXPECT_EQ(Blocos[2].Nome, "*D");
    EXPECT_FALSE(Blocos[2].Base.has_value());
    EXPECT_EQ(Em(Blocos[3].Base), (Tripla{1, 2, 0}));
}

TEST(Blocos, EmptySectionAForeignRecordAndABadNumber) {
    ASSERT_EQ(CarregaBlocos(""), std::nullopt);
    EXPECT_EQ(Blocos.Count(), 0);
    // The first block stays; the rest of the section is read by the top-level loop, which
    // acts only on "SECTION" and "EOF", so the ENTITIES section after it is read normally.
    ASSERT_EQ(CarregaBlocos(Bloco("A", LinhaDXF) + "0\nLINE\n10\n1\n20\n1\n30\n1\n" +
                                Bloco("B", LinhaDXF),
                            SoEntidades(LinhaDXF)),
              std::nullopt);
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Linhas.Count(), 1);
    // A bad number drops the block being read.
    EXPECT_EQ(CarregaBlocos(Bloco("A", LinhaDXF) + Bloco("B", "0\nCIRCLE\n40\nabc\n")),
              "Invalid numeric input");
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Blocos[0].Nome, "A");
}

} // namespace
