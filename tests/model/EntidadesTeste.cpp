// The element readers of the ENTITIES section, with their odd cases.
#include "Ajuda.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// LinhaDXF with colour 1 (red).
const std::string LinhaVermelha = LinhaDXF + "62\n1\n";

std::optional<std::string> CarregaEntidades(std::string_view corpo) {
    return Carrega(SoEntidades(corpo));
}

TEST(Linha, AllGroupsAndARepeatedPoint) {
    ASSERT_EQ(CarregaEntidades(LinhaVermelha + "0\nLINE\n10\n1\n20\n2\n30\n3\n10\n7\n20\n8\n30\n9\n"
                                               "0\nLINE\n8\nX\n"),
              std::nullopt);
    ASSERT_EQ(Linhas.Count(), 3);
    EXPECT_EQ(Linhas[0].Camada, "L");
    EXPECT_EQ(Em(Linhas[0].P1), (Tripla{1, 2, 3}));
    EXPECT_EQ(Em(Linhas[0].P2), (Tripla{4, 5, 6}));
    EXPECT_EQ(Em(Linhas[0].Cor), (Tripla{1, 0, 0}));
    EXPECT_FALSE(Linhas[1].Cor.has_value());
    EXPECT_EQ(Em(Linhas[1].P1), (Tripla{7, 8, 9})); // the second group 10 replaces the first
    EXPECT_FALSE(Linhas[1].P2.has_value());
    EXPECT_FALSE(Linhas[2].P1.has_value());
}

TEST(Ponto, MissingYOrZGroupsAreZeroAndTheNextGroupIsStillRead) {
    ASSERT_EQ(CarregaEntidades(
                  // 2D line (no 30, 31): both points, Z = 0
                  "0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n"
                  // groups interleaved: each point gets its X only, the rest is skipped
                  "0\nLINE\n10\n1\n11\n2\n20\n3\n21\n4\n30\n5\n31\n6\n"
                  // circle without 30: the radius after it is kept
                  "0\nCIRCLE\n10\n5\n20\n6\n40\n2.5\n"
                  // Z without Y; then X alone before the record ends
                  "0\nARC\n10\n1\n30\n9\n0\nLINE\n11\n8\n"),
              std::nullopt);
    ASSERT_EQ(Linhas.Count(), 3);
    EXPECT_EQ(Em(Linhas[0].P1), (Tripla{1, 2, 0}));
    EXPECT_EQ(Em(Linhas[0].P2), (Tripla{3, 4, 0}));
    EXPECT_EQ(Em(Linhas[1].P1), (Tripla{1, 0, 0}));
    EXPECT_EQ(Em(Linhas[1].P2), (Tripla{2, 0, 0}));
    EXPECT_EQ(Em(Linhas[2].P2), (Tripla{8, 0, 0}));
    EXPECT_EQ(Em(Circulos[0].Centro), (Tripla{5, 6, 0}));
    EXPECT_EQ(static_cast<long double>(Circulos[0].Raio), 2.5L);
    EXPECT_EQ(Em(Arcos[0].Centro), (Tripla{1, 0, 9}));
}

TEST(Face3D, CornersInFileOrderRepeatedCornersKeptAndLayerNamesShared) {
    std::string corpo = "0\n3DFACE\n8\nTERRENO\n13\n4\n23\n4\n33\n4\n10\n0\n20\n1\n30\n1\n"
                        "11\n1\n21\n2\n31\n2\n12\n2\n22\n3\n32\n3\n"
                        "0\n3DFACE\n8\nTERRENO\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n";
    for (int face = 0; face < 2; ++face) {
        corpo += "0\n3DFACE\n8\nTERRENO\n";
        for (int canto = 0; canto < 6; ++canto) {
            const std::string c = std::to_string(10 + canto % 4), v = std::to_string(canto);
            corpo += c + "\n" + v + "\n2" + c.substr(1) + "\n0\n3" + c.substr(1) + "\n0\n";
        }
    }
    ASSERT_EQ(CarregaEntidades(""), std::nullopt);
    const std::size_t antes = TNome::EmUso();
    ASSERT_EQ(CarregaEntidades(corpo), std::nullopt);
    ASSERT_EQ(Faces3D.Count(), 4);
    const int cantos[] = {4, 2, 6, 6}; // the count of corners is not checked
    for (int f = 0; f < 4; ++f) {
        ASSERT_EQ(Faces3D[f].Pontos.Count(), cantos[f]) << f;
        for (int i = 1; i < Faces3D[f].Pontos.Count(); ++i)
            EXPECT_EQ(static_cast<long double>(Faces3D[f].Pontos[i].X), i - (f == 0)) << f;
    }
    EXPECT_EQ(static_cast<long double>(Faces3D[0].Pontos[0].X), 4);
    EXPECT_EQ(Faces3D[2].Camada, "TERRENO");
    EXPECT_EQ(TNome::EmUso(), antes + 1);
    ASSERT_EQ(CarregaEntidades(""), std::nullopt); // the next load lets the old names go
    EXPECT_EQ(TNome::EmUso(), antes);
}

TEST(Arco, KeepsRadiusAndAnglesAsWrittenAndAKnownKindOnly) {
    ASSERT_EQ(CarregaEntidades("0\nARC\n10\n1\n20\n2\n30\n3\n40\n100\n50\n30\n51\n270.5\n62\n30\n"
                               "0\nTEXT\n10\n0\n20\n0\n30\n0\n1\nLINE\n"
                               "0\nPOINT\n10\n0\n20\n0\n30\n0\n0\nSOLID\n10\n0\n"
                               "0\n LINE\n10\n0\n0\nline\n10\n0\n0\nLINE \n10\n0\n" +
                               LinhaDXF),
              std::nullopt);
    ASSERT_EQ(Arcos.Count(), 1);
    EXPECT_EQ(static_cast<long double>(Arcos[0].Raio), 100);
    EXPECT_EQ(static_cast<long double>(Arcos[0].AngIni), 30);
    EXPECT_EQ(static_cast<long double>(Arcos[0].AngFim), 270.5L);
    EXPECT_EQ(Em(Arcos[0].Cor), (Tripla{1, 0.5L, 0}));
    EXPECT_EQ(static_cast<long double>(XMax), 4); // the radius does not widen the extents
    EXPECT_EQ(Linhas.Count(), 1);                 // unknown kinds and inexact keywords are skipped
}

TEST(Insert, DefaultsAndGroups) {
    ASSERT_EQ(CarregaEntidades("0\nINSERT\n2\nB\n10\n1\n20\n2\n30\n3\n"
                               "0\nINSERT\n2\nB\n10\n0\n20\n0\n30\n0\n11\n5\n21\n6\n31\n7\n"
                               "41\n2\n42\n3\n43\n4\n50\n30\n70\n2\n71\n3\n44\n10\n45\n-20\n"
                               "0\nINSERT\n50\n45\n210\n1\n220\n0\n230\n0\n"
                               "0\nINSERT\n210\n0.5\n"),
              std::nullopt);
    ASSERT_EQ(Inserts.Count(), 4);
    const TInsert &simples = Inserts[0], &completo = Inserts[1];
    EXPECT_EQ(simples.NomeBloco, "B");
    EXPECT_EQ(Em(simples.Ponto), (Tripla{1, 2, 3}));
    EXPECT_FALSE(simples.Extrusao.has_value());
    EXPECT_EQ((Tripla{simples.EscalaX, simples.EscalaY, simples.EscalaZ}), (Tripla{1, 1, 1}));

    EXPECT_EQ(Em(completo.Ponto), (Tripla{5, 6, 7})); // a later point group replaces the earlier
    EXPECT_EQ((Tripla{completo.EscalaX, completo.EscalaY, completo.EscalaZ}), (Tripla{2, 3, 4}));
    EXPECT_EQ(static_cast<long double>(completo.Rotacao), 30);
    EXPECT_EQ(Em(completo.Extrusao), (Tripla{0, 0, 1})); // created about Z by the rotation
    EXPECT_EQ((std::array{completo.NumColunas, completo.NumLinhas, completo.EspColunas,
                          completo.EspLinhas}),
              (std::array{2, 3, 10, -20}));
    EXPECT_EQ(Em(Inserts[2].Extrusao), (Tripla{1, 0, 0}));
    EXPECT_EQ(Em(Inserts[3].Extrusao), (Tripla{0.5L, 0, 0}));
    EXPECT_EQ(static_cast<long double>(XMax), 5); // extrusions are not points

    // A spacing with a decimal point ends the load; the element being read is not appended.
    EXPECT_EQ(CarregaEntidades(LinhaDXF + "0\nINSERT\n2\nB\n44\n2.5\n"), "Invalid numeric input");
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(Inserts.Count(), 0);
}

TEST(PolyLine, VerticesThenSeqendThenTheNextElement) {
    ASSERT_EQ(CarregaEntidades("0\nPOLYLINE\n8\nP\n66\n1\n10\n0\n20\n0\n30\n5\n70\n8\n"
                               "0\nVERTEX\n10\n1\n20\n1\n30\n1\n70\n32\n"
                               "0\nVERTEX\n8\nV\n62\n3\n10\n2\n20\n2\n30\n2\n42\n0.5\n"
                               "0\nVERTEX\n10\n3\n20\n3\n30\n3\n0\nSEQEND\n8\nP\n" +
                               LinhaDXF),
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
    EXPECT_EQ(Em(p.Vertices[1].Cor), (Tripla{0, 1, 0}));
    EXPECT_EQ(Em(p.Vertices[2].Ponto), (Tripla{3, 3, 3}));
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(static_cast<long double>(ZMax), 6); // the header point (0, 0, 5) counted too
    EXPECT_EQ(static_cast<long double>(ZMin), 1);
}

TEST(PolyLine, PolyfaceMeshSplitsVerticesAndFaces) {
    std::string texto = "0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n70\n64\n71\n4\n72\n2\n";
    for (int i = 0; i < 4; ++i)
        texto += "0\nVERTEX\n10\n" + std::to_string(i) + "\n20\n0\n30\n0\n70\n192\n";
    texto += "0\nVERTEX\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n"
             "0\nVERTEX\n10\n0\n20\n0\n30\n-1\n70\n128\n71\n1\n72\n-3\n73\n4\n74\n2\n0\nSEQEND\n";
    ASSERT_EQ(CarregaEntidades(texto), std::nullopt);
    const TPolyLine& p = PolyLines[0];
    EXPECT_EQ((std::array{p.Flags, p.ContM, p.ContN}), (std::array{64, 4, 2}));
    ASSERT_EQ(p.Vertices.Count(), 4);
    ASSERT_EQ(p.Faces.Count(), 2);
    EXPECT_EQ((std::array{p.Faces[0].V3, p.Faces[0].V4, p.Faces[1].V2, p.Faces[1].V4}),
              (std::array{3, 0, -3, 2}));
    EXPECT_EQ(static_cast<long double>(ZMin), -1); // a face record's point still counts
}

// A polyline followed directly by another element: that element's name ends the polyline
// and its groups are read out of step: here the LINE's "1.5" is read as a group code.
TEST(PolyLine, ForeignRecordEndsItAndTheRestIsReadOutOfStep) {
    EXPECT_EQ(CarregaEntidades("0\nPOLYLINE\n70\n1\n0\nLINE\n10\n1.5\n20\n2.5\n30\n0\n"),
              "Invalid numeric input");
    ASSERT_EQ(PolyLines.Count(), 1);
    EXPECT_EQ(PolyLines[0].Flags, 1);
    EXPECT_EQ(PolyLines[0].Vertices.Count(), 0);
    EXPECT_EQ(Linhas.Count(), 0);
}

TEST(Elemento, ABadNumberLeavesTheElementsBefore) {
    EXPECT_EQ(CarregaEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n"), "Invalid numeric input");
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(CarregaEntidades(LinhaDXF + "0\nLINE\n10\n1e39\n"), "Floating point overflow");
    EXPECT_EQ(Linhas.Count(), 1);
}

} // namespace
