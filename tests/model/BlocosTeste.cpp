// Block definitions of the BLOCKS section.
#include "Ajuda.h"
#include "UDXF.h"

#include <gtest/gtest.h>

namespace {

const std::string Linha = "0\nLINE\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n";
const std::string Circulo = "0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n5\n";

std::string Bloco(std::string_view nome, std::string_view corpo, std::string_view base = "0") {
    return "0\nBLOCK\n8\n0\n2\n" + std::string(nome) + "\n70\n0\n10\n" + std::string(base) +
           "\n20\n20\n30\n0\n3\n" + std::string(nome) + "\n" + std::string(corpo) +
           "0\nENDBLK\n8\n0\n";
}

std::string Blocos_(std::string_view corpo) {
    return "0\nSECTION\n2\nBLOCKS\n" + std::string(corpo) + "0\nENDSEC\n";
}

TEST(Blocos, ElementsGoToTheBlocksListsByKind) {
    std::string corpo = Linha + Circulo + Linha + "0\nINSERT\n2\nOUTRO\n10\n0\n20\n0\n30\n0\n" +
                        "0\nTEXT\n1\nx\n0\n3DFACE\n10\n0\n20\n0\n30\n0\n" +
                        "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n" +
                        "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n0\nSEQEND\n";
    ASSERT_EQ(Carrega(Blocos_(Bloco("CASA", corpo, "10")) + "0\nEOF\n"), std::nullopt);
    ASSERT_EQ(Blocos.Count(), 1);
    const TBloco& b = Blocos[0];
    EXPECT_EQ(b.Nome, "CASA");
    EXPECT_EQ(b.Camada, "0");
    EXPECT_EQ(b.LinhasBloco.Count(), 2);
    EXPECT_EQ(b.CirculosBloco.Count(), 1);
    EXPECT_EQ(b.FacesBloco.Count(), 1);
    EXPECT_EQ(b.ArcosBloco.Count(), 1);
    ASSERT_EQ(b.PolyLinesBloco.Count(), 1);
    EXPECT_EQ(b.PolyLinesBloco[0].Vertices.Count(), 1);
    EXPECT_EQ(static_cast<long double>(b.Base->X), 10);
    EXPECT_EQ(static_cast<long double>(b.Base->Y), 20);
    EXPECT_EQ(Linhas.Count(), 0); // nothing reaches the global lists
    EXPECT_EQ(Circulos.Count(), 0);
    EXPECT_EQ(Inserts.Count(), 0);                 // a nested insertion leaves no trace
    EXPECT_EQ(static_cast<long double>(XMax), 10); // the base point counts
    EXPECT_EQ(static_cast<long double>(YMax), 20);
}

TEST(Blocos, SameNameTwiceAndTheLaterOfTheTwoNameGroups) {
    ASSERT_EQ(Carrega(Blocos_(Bloco("A", Linha) + Bloco("A", Circulo) +
                              "0\nBLOCK\n2\n*D2\n3\n*D\n0\nENDBLK\n") +
                      "0\nEOF\n"),
              std::nullopt);
    ASSERT_EQ(Blocos.Count(), 3);
    EXPECT_EQ(Blocos[0].LinhasBloco.Count(), 1);
    EXPECT_EQ(Blocos[1].CirculosBloco.Count(), 1);
    EXPECT_EQ(Blocos[2].Nome, "*D");
    EXPECT_FALSE(Blocos[2].Base.has_value());
}

TEST(Blocos, EmptySectionAndAForeignRecordAtSectionLevel) {
    ASSERT_EQ(Carrega(Blocos_("") + "0\nEOF\n"), std::nullopt);
    EXPECT_EQ(Blocos.Count(), 0);

    // The first block stays; the rest of the section is read by the top-level loop, which
    // acts only on "SECTION" and "EOF", so the ENTITIES section after it is read normally.
    ASSERT_EQ(
        Carrega(Blocos_(Bloco("A", Linha) + "0\nLINE\n10\n1\n20\n1\n30\n1\n" + Bloco("B", Linha)) +
                SoEntidades(Linha)),
        std::nullopt);
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Blocos[0].Nome, "A");
    EXPECT_EQ(Linhas.Count(), 1);
}

TEST(Blocos, ABadNumberDropsTheBlockBeingRead) {
    EXPECT_EQ(Carrega(Blocos_(Bloco("A", Linha) + Bloco("B", "0\nCIRCLE\n40\nabc\n")) + "0\nEOF\n"),
              "Invalid numeric input");
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Blocos[0].Nome, "A");
}

TEST(Blocos, BasePointWithoutZ) {
    // Old and LibreCAD files give a base point as 10/20 only, right before the name group 3.
    ASSERT_EQ(
        Carrega(Blocos_("0\nBLOCK\n2\nA\n70\n0\n10\n1\n20\n2\n3\nA\n" + Linha + "0\nENDBLK\n") +
                "0\nEOF\n"),
        std::nullopt);
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Blocos[0].Nome, "A");
    EXPECT_EQ(static_cast<long double>(Blocos[0].Base->Z), 0);
    EXPECT_EQ(Blocos[0].LinhasBloco.Count(), 1);
}

} // namespace
