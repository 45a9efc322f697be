// The element readers of the ENTITIES section, with their odd cases.
#include "Ajuda.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::optional<std::string> CarregaEntidades(std::string_view corpo) {
    return Carrega(SoEntidades(corpo));
}

long double L(Real r) {
    return r;
}

TEST(Linha, AllGroupsARepeatedPointAndMissingYOrZ) {
    ASSERT_EQ(CarregaEntidades(LinhaDXF + "62\n1\n" +
                               // the second group 10 replaces the first; no group 11
                               "0\nLINE\n10\n1\n20\n2\n30\n3\n10\n7\n20\n8\n30\n9\n"
                               // 2D line (no 30, 31): both points, Z = 0
                               "0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n"
                               // groups interleaved: each point gets its X only
                               "0\nLINE\n10\n1\n11\n2\n20\n3\n21\n4\n30\n5\n31\n6\n"
                               // circle without 30: the radius after it is kept
                               "0\nCIRCLE\n10\n5\n20\n6\n40\n2.5\n"
                               // Z without Y
                               "0\nARC\n10\n1\n30\n9\n"),
              std::nullopt);
    ASSERT_EQ(Linhas.Count(), 4);
    EXPECT_EQ(Linhas[0].Camada, "L");
    EXPECT_EQ(Em(Linhas[0].P2), (Tripla{4, 5, 6}));
    EXPECT_EQ(Em(Linhas[0].Cor), (Tripla{1, 0, 0}));
    EXPECT_FALSE(Linhas[1].Cor.has_value());
    EXPECT_EQ(Em(Linhas[1].P1), (Tripla{7, 8, 9}));
    EXPECT_FALSE(Linhas[1].P2.has_value());
    const Tripla pontos[][2] = {{{1, 2, 0}, {3, 4, 0}}, {{1, 0, 0}, {2, 0, 0}}};
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ((std::array{Em(Linhas[i + 2].P1), Em(Linhas[i + 2].P2)}),
                  (std::array{pontos[i][0], pontos[i][1]}));
    EXPECT_EQ(Em(Circulos[0].Centro), (Tripla{5, 6, 0}));
    EXPECT_EQ(L(Circulos[0].Raio), 2.5L);
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
        for (int i = 0; i < Faces3D[f].Pontos.Count(); ++i)
            EXPECT_EQ(L(Faces3D[f].Pontos[i].X), f == 0 ? (i ? i - 1 : 4) : i) << f;
    }
    EXPECT_EQ(TNome::EmUso(), antes + 1);
    ASSERT_EQ(CarregaEntidades(""), std::nullopt); // the next load lets the old names go
    EXPECT_EQ(TNome::EmUso(), antes);
}

TEST(Arco, KeepsRadiusAndAnglesAsWrittenAndAKnownKindOnly) {
    ASSERT_EQ(CarregaEntidades("0\nARC\n10\n1\n20\n2\n30\n3\n40\n100\n50\n30\n51\n270.5\n62\n30\n"
                               "0\nTEXT\n10\n0\n20\n0\n30\n0\n1\nLINE\n0\nSOLID\n10\n0\n"
                               "0\n LINE\n10\n0\n0\nline\n10\n0\n0\nLINE \n10\n0\n" +
                               LinhaDXF),
              std::nullopt);
    ASSERT_EQ(Arcos.Count(), 1);
    const TArco& a = Arcos[0];
    EXPECT_EQ((Tripla{a.Raio, a.AngIni, a.AngFim}), (Tripla{100, 30, 270.5L}));
    EXPECT_EQ(Em(a.Cor), (Tripla{1, 0.5L, 0}));
    EXPECT_EQ(L(XMax), 4);        // the radius does not widen the extents
    EXPECT_EQ(Linhas.Count(), 1); // unknown kinds and inexact keywords are skipped
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
    EXPECT_FALSE(simples.Extrusao.has_value());
    EXPECT_EQ((Tripla{simples.EscalaX, simples.EscalaY, simples.EscalaZ}), (Tripla{1, 1, 1}));
    EXPECT_EQ(Em(completo.Ponto), (Tripla{5, 6, 7})); // a later point group replaces the earlier
    EXPECT_EQ((std::array<long double, 4>{completo.EscalaX, completo.EscalaY, completo.EscalaZ,
                                          completo.Rotacao}),
              (std::array<long double, 4>{2, 3, 4, 30}));
    EXPECT_EQ((std::array{completo.NumColunas, completo.NumLinhas, completo.EspColunas,
                          completo.EspLinhas}),
              (std::array{2, 3, 10, -20}));
    EXPECT_EQ(Em(completo.Extrusao), (Tripla{0, 0, 1})); // created about Z by the rotation
    EXPECT_EQ(Em(Inserts[2].Extrusao), (Tripla{1, 0, 0}));
    EXPECT_EQ(Em(Inserts[3].Extrusao), (Tripla{0.5L, 0, 0}));
    EXPECT_EQ(L(XMax), 5); // extrusions are not points
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
    EXPECT_EQ((std::array{p.VerticesSeguem, p.Flags, p.Vertices.Count(), p.Faces.Count()}),
              (std::array{1, 8, 3, 0}));
    EXPECT_EQ(p.Vertices[1].Camada, "V");
    EXPECT_EQ(Em(p.Vertices[1].Cor), (Tripla{0, 1, 0}));
    EXPECT_EQ(Em(p.Vertices[2].Ponto), (Tripla{3, 3, 3}));
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ((std::array{L(p.Elevacao), L(ZMin), L(ZMax)}), (Tripla{5, 1, 6})); // header counts
}

TEST(PolyLine, PolyfaceMeshSplitsVerticesAndFaces) {
    std::string texto = "0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n70\n64\n71\n4\n72\n2\n";
    for (int i = 0; i < 4; ++i)
        texto += "0\nVERTEX\n10\n" + std::to_string(i) + "\n20\n0\n30\n0\n70\n192\n";
    texto += "0\nVERTEX\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n"
             "0\nVERTEX\n10\n0\n20\n0\n30\n-1\n70\n128\n71\n1\n72\n-3\n73\n4\n74\n2\n0\nSEQEND\n";
    ASSERT_EQ(CarregaEntidades(texto), std::nullopt);
    const TPolyLine& p = PolyLines[0];
    EXPECT_EQ((std::array{p.Flags, p.ContM, p.ContN, p.Vertices.Count(), p.Faces.Count()}),
              (std::array{64, 4, 2, 4, 2}));
    EXPECT_EQ((std::array{p.Faces[0].V3, p.Faces[0].V4, p.Faces[1].V2, p.Faces[1].V4}),
              (std::array{3, 0, -3, 2}));
    EXPECT_EQ(L(ZMin), -1); // a face record's point still counts
}

// A polyline's end by a foreign record, and bad numbers: the elements read before stay, the
// one being read is dropped. After a foreign record its groups are read out of step (the
// LINE's "1.5" read as a group code).
TEST(Elemento, ABadNumberLeavesTheElementsBefore) {
    const std::pair<std::string, std::string> casos[] = {
        {LinhaDXF + "0\nLINE\n10\n1,5\n", "Invalid numeric input"},
        {LinhaDXF + "0\nLINE\n10\n1e39\n", "Floating point overflow"},
        {LinhaDXF + "0\nINSERT\n2\nB\n44\n2.5\n", "Invalid numeric input"}, // integer spacing
        {"0\nPOLYLINE\n70\n1\n0\nLINE\n10\n1.5\n20\n2.5\n30\n0\n", "Invalid numeric input"}};
    for (const auto& [corpo, erro] : casos) {
        EXPECT_EQ(CarregaEntidades(corpo), erro) << corpo;
        const int poli = corpo[2] == 'P';
        EXPECT_EQ((std::array{Linhas.Count(), Inserts.Count(), PolyLines.Count()}),
                  (std::array{1 - poli, 0, poli}))
            << corpo;
    }
    EXPECT_EQ(PolyLines[0].Flags, 1);
}

} // namespace
