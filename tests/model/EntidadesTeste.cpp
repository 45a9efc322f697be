// The element readers of the ENTITIES section, with their odd cases.
#include "Ajuda.h"
#include "UDXF.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void EsperaPonto(const std::optional<TPonto3D>& p, long double x, long double y, long double z) {
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(static_cast<long double>(p->X), x);
    EXPECT_EQ(static_cast<long double>(p->Y), y);
    EXPECT_EQ(static_cast<long double>(p->Z), z);
}

void EsperaCor(const std::optional<TCor>& c, long double r, long double g, long double b) {
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(static_cast<long double>(c->R), r);
    EXPECT_EQ(static_cast<long double>(c->G), g);
    EXPECT_EQ(static_cast<long double>(c->B), b);
}

const char* const LinhaCompleta =
    "0\nLINE\n8\n0\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n62\n1\n";

TEST(Linha, AllGroups) {
    ASSERT_EQ(Carrega(SoEntidades(LinhaCompleta)), std::nullopt);
    ASSERT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(Linhas[0].Camada, "0");
    EsperaPonto(Linhas[0].P1, 1, 2, 3);
    EsperaPonto(Linhas[0].P2, 4, 5, 6);
    EsperaCor(Linhas[0].Cor, 1, 0, 0);
}

TEST(Linha, WithoutColourOrPointsAndWithARepeatedPoint) {
    ASSERT_EQ(Carrega(SoEntidades("0\nLINE\n10\n1\n20\n2\n30\n3\n10\n7\n20\n8\n30\n9\n"
                                  "0\nLINE\n8\nX\n")),
              std::nullopt);
    ASSERT_EQ(Linhas.Count(), 2);
    EXPECT_FALSE(Linhas[0].Cor.has_value());
    EsperaPonto(Linhas[0].P1, 7, 8, 9); // the second group 10 replaces the first
    EXPECT_FALSE(Linhas[0].P2.has_value());
    EXPECT_FALSE(Linhas[1].P1.has_value());
}

TEST(Ponto, MissingYOrZGroupsAreZeroAndTheNextGroupIsStillRead) {
    ASSERT_EQ(Carrega(SoEntidades(
                  // 2D line (no 30, 31): both points, Z = 0
                  "0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n"
                  // groups interleaved: each point gets its X only, the rest is skipped
                  "0\nLINE\n10\n1\n11\n2\n20\n3\n21\n4\n30\n5\n31\n6\n"
                  // circle without 30: the radius after it is kept
                  "0\nCIRCLE\n10\n5\n20\n6\n40\n2.5\n"
                  // Z without Y; then X alone before the record ends
                  "0\nARC\n10\n1\n30\n9\n0\nLINE\n11\n8\n")),
              std::nullopt);
    ASSERT_EQ(Linhas.Count(), 3);
    EsperaPonto(Linhas[0].P1, 1, 2, 0);
    EsperaPonto(Linhas[0].P2, 3, 4, 0);
    EsperaPonto(Linhas[1].P1, 1, 0, 0);
    EsperaPonto(Linhas[1].P2, 2, 0, 0);
    EsperaPonto(Linhas[2].P2, 8, 0, 0);
    ASSERT_EQ(Circulos.Count(), 1);
    EsperaPonto(Circulos[0].Centro, 5, 6, 0);
    EXPECT_EQ(static_cast<long double>(Circulos[0].Raio), 2.5L);
    EsperaPonto(Arcos[0].Centro, 1, 0, 9);
}

TEST(Face3D, CornersInFileOrder) {
    ASSERT_EQ(Carrega(SoEntidades("0\n3DFACE\n8\nF\n13\n4\n23\n4\n33\n4\n10\n1\n20\n1\n30\n1\n"
                                  "11\n2\n21\n2\n31\n2\n12\n3\n22\n3\n32\n3\n"
                                  "0\n3DFACE\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n")),
              std::nullopt);
    ASSERT_EQ(Faces3D.Count(), 2);
    ASSERT_EQ(Faces3D[0].Pontos.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(static_cast<long double>(Faces3D[0].Pontos[i].X), i == 0 ? 4 : i);
    EXPECT_EQ(Faces3D[1].Pontos.Count(), 2); // the count is not checked
}

TEST(Face3D, RepeatedCornerGroupsAreAllKeptAndLayerNamesAreShared) {
    std::string corpo;
    for (int face = 0; face < 3; ++face) {
        corpo += "0\n3DFACE\n8\nTERRENO\n";
        for (int canto = 0; canto < 6; ++canto) {
            const std::string c = std::to_string(10 + canto % 4), v = std::to_string(canto);
            corpo += c + "\n" + v + "\n2" + c.substr(1) + "\n0\n3" + c.substr(1) + "\n0\n";
        }
    }
    ASSERT_EQ(Carrega(SoEntidades("")), std::nullopt);
    const std::size_t antes = TNome::EmUso();
    ASSERT_EQ(Carrega(SoEntidades(corpo)), std::nullopt);
    ASSERT_EQ(Faces3D.Count(), 3);
    ASSERT_EQ(Faces3D[2].Pontos.Count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(static_cast<long double>(Faces3D[2].Pontos[i].X), i);
    EXPECT_EQ(Faces3D[0].Camada, "TERRENO");
    EXPECT_EQ(Faces3D[0].Camada, Faces3D[2].Camada);
    EXPECT_EQ(TNome::EmUso(), antes + 1);
    // The next load lets the old drawing's names go.
    ASSERT_EQ(Carrega(SoEntidades("")), std::nullopt);
    EXPECT_EQ(TNome::EmUso(), antes);
}

TEST(Arco, KeepsRadiusAndAnglesAsWritten) {
    ASSERT_EQ(Carrega(SoEntidades("0\nARC\n10\n1\n20\n2\n30\n3\n40\n100\n50\n30\n51\n270.5\n62\n"
                                  "30\n")),
              std::nullopt);
    ASSERT_EQ(Arcos.Count(), 1);
    EXPECT_EQ(static_cast<long double>(Arcos[0].Raio), 100);
    EXPECT_EQ(static_cast<long double>(Arcos[0].AngIni), 30);
    EXPECT_EQ(static_cast<long double>(Arcos[0].AngFim), 270.5L);
    EsperaCor(Arcos[0].Cor, 1, 0.5L, 0);
    EXPECT_EQ(static_cast<long double>(XMax), 1); // the radius does not widen the extents
}

TEST(Entidades, UnknownKindsAndKeywordsThatDoNotMatchExactlyAreSkipped) {
    ASSERT_EQ(Carrega(SoEntidades(std::string(LinhaCompleta) +
                                  "0\nTEXT\n10\n0\n20\n0\n30\n0\n1\nLINE\n"
                                  "0\nPOINT\n10\n0\n20\n0\n30\n0\n0\nSOLID\n10\n0\n"
                                  "0\n LINE\n10\n0\n0\nline\n10\n0\n0\nLINE \n10\n0\n" +
                                  LinhaCompleta)),
              std::nullopt);
    EXPECT_EQ(Linhas.Count(), 2);
}

TEST(Insert, DefaultsAndGroups) {
    ASSERT_EQ(Carrega(SoEntidades("0\nINSERT\n2\nB\n10\n1\n20\n2\n30\n3\n"
                                  "0\nINSERT\n2\nB\n10\n0\n20\n0\n30\n0\n11\n5\n21\n6\n31\n7\n"
                                  "41\n2\n42\n3\n43\n4\n50\n30\n70\n2\n71\n3\n44\n10\n45\n-20\n"
                                  "0\nINSERT\n50\n45\n210\n1\n220\n0\n230\n0\n"
                                  "0\nINSERT\n210\n0.5\n")),
              std::nullopt);
    ASSERT_EQ(Inserts.Count(), 4);
    const TInsert& simples = Inserts[0];
    EXPECT_EQ(simples.NomeBloco, "B");
    EsperaPonto(simples.Ponto, 1, 2, 3);
    EXPECT_FALSE(simples.Extrusao.has_value());
    EXPECT_EQ(static_cast<long double>(simples.EscalaX), 1);
    EXPECT_EQ(static_cast<long double>(simples.EscalaZ), 1);

    const TInsert& completo = Inserts[1];
    EsperaPonto(completo.Ponto, 5, 6, 7); // a later point group replaces the earlier one
    EXPECT_EQ(static_cast<long double>(completo.EscalaY), 3);
    EXPECT_EQ(static_cast<long double>(completo.Rotacao), 30);
    EsperaPonto(completo.Extrusao, 0, 0, 1); // created about Z by the rotation
    EXPECT_EQ(completo.NumColunas, 2);
    EXPECT_EQ(completo.NumLinhas, 3);
    EXPECT_EQ(completo.EspColunas, 10);
    EXPECT_EQ(completo.EspLinhas, -20);

    EsperaPonto(Inserts[2].Extrusao, 1, 0, 0);
    EsperaPonto(Inserts[3].Extrusao, 0.5L, 0, 0);
    // The extrusion groups are not points: they leave the extents alone.
    EXPECT_EQ(static_cast<long double>(XMax), 5);
}

TEST(Insert, SpacingWithADecimalPointEndsTheLoad) {
    EXPECT_EQ(Carrega(SoEntidades(std::string(LinhaCompleta) + "0\nINSERT\n2\nB\n44\n2.5\n")),
              "Invalid numeric input");
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(Inserts.Count(), 0); // the element being read is not appended
}

TEST(PolyLine, VerticesThenSeqendThenTheNextElement) {
    ASSERT_EQ(Carrega(SoEntidades("0\nPOLYLINE\n8\nP\n66\n1\n10\n0\n20\n0\n30\n5\n70\n8\n"
                                  "0\nVERTEX\n10\n1\n20\n1\n30\n1\n70\n32\n"
                                  "0\nVERTEX\n8\nV\n62\n3\n10\n2\n20\n2\n30\n2\n42\n0.5\n"
                                  "0\nVERTEX\n10\n3\n20\n3\n30\n3\n"
                                  "0\nSEQEND\n8\nP\n" +
                                  std::string(LinhaCompleta))),
              std::nullopt);
    ASSERT_EQ(PolyLines.Count(), 1);
    const TPolyLine& p = PolyLines[0];
    EXPECT_EQ(p.Camada, "P");
    EXPECT_EQ(p.VerticesSeguem, 1);
    EXPECT_EQ(p.Flags, 8);
    EXPECT_EQ(static_cast<long double>(p.Elevacao), 5);
    ASSERT_EQ(p.Vertices.Count(), 3);
    EXPECT_EQ(p.Faces.Count(), 0);
    EXPECT_EQ(p.Vertices[1].Camada, "V");
    EsperaCor(p.Vertices[1].Cor, 0, 1, 0);
    EsperaPonto(p.Vertices[2].Ponto, 3, 3, 3);
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(static_cast<long double>(ZMax), 6); // the header point (0, 0, 5) counted too
    EXPECT_EQ(static_cast<long double>(ZMin), 1);
}

TEST(PolyLine, PolyfaceMeshSplitsVerticesAndFaces) {
    std::string texto = "0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n70\n64\n71\n4\n72\n2\n";
    for (int i = 0; i < 4; ++i)
        texto += "0\nVERTEX\n10\n" + std::to_string(i) + "\n20\n0\n30\n0\n70\n192\n";
    texto += "0\nVERTEX\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n"
             "0\nVERTEX\n10\n0\n20\n0\n30\n-1\n70\n128\n71\n1\n72\n-3\n73\n4\n74\n2\n"
             "0\nSEQEND\n";
    ASSERT_EQ(Carrega(SoEntidades(texto)), std::nullopt);
    const TPolyLine& p = PolyLines[0];
    EXPECT_EQ(p.Flags, 64);
    EXPECT_EQ(p.ContM, 4);
    EXPECT_EQ(p.ContN, 2);
    ASSERT_EQ(p.Vertices.Count(), 4);
    ASSERT_EQ(p.Faces.Count(), 2);
    EXPECT_EQ(p.Faces[0].V3, 3);
    EXPECT_EQ(p.Faces[0].V4, 0);
    EXPECT_EQ(p.Faces[1].V2, -3);
    EXPECT_EQ(p.Faces[1].V4, 2);
    EXPECT_EQ(static_cast<long double>(ZMin), -1); // a face record's point still counts
}

// A polyline followed directly by another element: that element's name ends the polyline
// and its groups are read out of step, as the format's reading rules give: here the LINE's
// "1.5" is read as a group code.
TEST(PolyLine, ForeignRecordEndsItAndTheRestIsReadOutOfStep) {
    EXPECT_EQ(Carrega(SoEntidades("0\nPOLYLINE\n70\n1\n0\nLINE\n10\n1.5\n20\n2.5\n30\n0\n")),
              "Invalid numeric input");
    ASSERT_EQ(PolyLines.Count(), 1);
    EXPECT_EQ(PolyLines[0].Flags, 1);
    EXPECT_EQ(PolyLines[0].Vertices.Count(), 0);
    EXPECT_EQ(Linhas.Count(), 0);
}

TEST(Elemento, ABadNumberLeavesTheElementsBefore) {
    EXPECT_EQ(Carrega(SoEntidades(std::string(LinhaCompleta) + "0\nLINE\n10\n1,5\n")),
              "Invalid numeric input");
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(Carrega(SoEntidades(std::string(LinhaCompleta) + "0\nLINE\n10\n1e39\n")),
              "Floating point overflow");
    EXPECT_EQ(Linhas.Count(), 1);
}

} // namespace
