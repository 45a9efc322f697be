// The element readers of the ENTITIES section, with their odd cases, and the colour table.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

// Each element kind with its groups and odd cases; after a bad number the elements read
// before stay.
TEST(Elemento, GruposLidosEmCadaTipo) {
    const std::pair<std::string, std::string_view> casos[] = {
        {LinhaDXF + "62\n1\n" +
             // the second group 10 replaces the first; no group 11
             "0\nLINE\n10\n1\n20\n2\n30\n3\n10\n7\n20\n8\n30\n9\n"
             // 2D (no 30, 31): Z = 0; interleaved groups: each point gets its X only
             "0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n0\nLINE\n10\n1\n11\n2\n20\n3\n21\n4\n30\n5\n"
             // a circle without 30 keeps the radius after it; an arc's Z without Y
             "0\nCIRCLE\n10\n5\n20\n6\n40\n2.5\n0\nARC\n10\n1\n30\n9\n",
         R"({"/Linhas": 4,
             "/Linhas/0": {"Camada": "L", "Cor": [1, 0, 0], "P1": [1, 2, 3], "P2": [4, 5, 6]},
             "/Linhas/1": {"Camada": "", "Cor": null, "P1": [7, 8, 9], "P2": null},
             "/Linhas/2/P1": [1, 2, 0], "/Linhas/2/P2": [3, 4, 0],
             "/Linhas/3/P1": [1, 0, 0], "/Linhas/3/P2": [2, 0, 0],
             "/Circulos/0/Centro": [5, 6, 0], "/Circulos/0/Raio": 2.5,
             "/Arcos/0/Centro": [1, 0, 9]})"},
        // Radius (not in the extents) and angles; unknown kinds and inexact keywords skipped.
        {"0\nARC\n10\n1\n20\n2\n30\n3\n40\n100\n50\n30\n51\n270.5\n62\n30\n"
         "0\nTEXT\n10\n0\n20\n0\n30\n0\n1\nLINE\n0\nSOLID\n10\n0\n"
         "0\n LINE\n10\n0\n0\nline\n10\n0\n0\nLINE \n10\n0\n" +
             LinhaDXF,
         R"({"/Arcos/0": {"Camada": "", "Cor": [1, 0.5, 0], "Centro": [1, 2, 3], "Raio": 100,
                          "AngIni": 30, "AngFim": 270.5},
             "/Linhas": 1, "/Extremos": [1, 2, 3, 4, 5, 6]})"},
        // A later point replaces the earlier; a rotation alone makes the extrusion Z.
        {"0\nINSERT\n2\nB\n10\n1\n20\n2\n30\n3\n0\nINSERT\n2\nB\n10\n0\n20\n0\n30\n0\n"
         "11\n5\n21\n6\n31\n7\n41\n2\n42\n3\n43\n4\n50\n30\n70\n2\n71\n3\n44\n10.5\n45\n-20.0\n"
         "0\nINSERT\n50\n45\n210\n1\n220\n0\n230\n0\n0\nINSERT\n210\n0.5\n",
         R"({"/Inserts/0": {"Camada": "", "Cor": null, "NomeBloco": "B", "Ponto": [1, 2, 3],
                "Extrusao": null, "EscalaX": 1, "EscalaY": 1, "EscalaZ": 1, "Rotacao": 0,
                "NumColunas": 0, "NumLinhas": 0, "EspColunas": 0, "EspLinhas": 0},
             "/Inserts/1": {"Camada": "", "Cor": null, "NomeBloco": "B", "Ponto": [5, 6, 7],
                "Extrusao": [0, 0, 1], "EscalaX": 2, "EscalaY": 3, "EscalaZ": 4, "Rotacao": 30,
                "NumColunas": 2, "NumLinhas": 3, "EspColunas": 10.5, "EspLinhas": -20},
             "/Inserts/2/Extrusao": [1, 0, 0], "/Inserts/3/Extrusao": [0.5, 0, 0],
             "/Extremos/3": 5})"},
        // Vertices up to SEQEND, then the next element; the header's point gives the elevation.
        {"0\nPOLYLINE\n8\nP\n66\n1\n10\n0\n20\n0\n30\n5\n70\n8\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n"
         "70\n32\n0\nVERTEX\n8\nV\n62\n3\n10\n2\n20\n2\n30\n2\n42\n0.5\n"
         "0\nVERTEX\n10\n3\n20\n3\n30\n3\n0\nSEQEND\n8\nP\n" +
             LinhaDXF,
         R"({"/PolyLines/0/VerticesSeguem": 1, "/PolyLines/0/Flags": 8, "/PolyLines/0/Elevacao": 5,
             "/PolyLines/0/Faces": 0, "/PolyLines/0/Vertices": 3,
             "/PolyLines/0/Vertices/1": {"Camada": "V", "Cor": [0, 1, 0], "Ponto": [2, 2, 2]},
             "/PolyLines/0/Vertices/2/Ponto": [3, 3, 3], "/Linhas": 1,
             "/Extremos/2": 1, "/Extremos/5": 6})"},
        // A polyface mesh: a VERTEX with any of the groups 71 to 74 is a face; its point counts.
        {"0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n70\n64\n71\n4\n72\n2\n73\n5\n74\n6\n"
         "0\nVERTEX\n10\n0\n20\n0\n30\n0\n70\n192\n0\nVERTEX\n10\n1\n20\n0\n30\n0\n70\n192\n"
         "0\nVERTEX\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n"
         "0\nVERTEX\n10\n0\n20\n0\n30\n-1\n70\n128\n71\n1\n72\n-3\n73\n4\n74\n2\n"
         "0\nVERTEX\n74\n7\n0\nSEQEND\n",
         R"({"/PolyLines/0/Flags": 64, "/PolyLines/0/ContM": 4, "/PolyLines/0/ContN": 2,
             "/PolyLines/0/DensM": 5, "/PolyLines/0/DensN": 6, "/PolyLines/0/Vertices": 2,
             "/PolyLines/0/Faces/0":
                 {"Camada": "", "Cor": null, "V1": 1, "V2": 2, "V3": 3, "V4": 0},
             "/PolyLines/0/Faces/1/V2": -3, "/PolyLines/0/Faces/1/V4": 2,
             "/PolyLines/0/Faces/2/V4": 7, "/Extremos/2": -1})"},
        // Numbers skip blanks, empty lines and the text after them; texts keep their blanks.
        {"0\nCIRCLE\n8\n C \n  10\n\n\n 5 metres\n40\n2.5\t\n",
         R"({"/Circulos/0": {"Camada": " C ", "Cor": null, "Centro": [5, 0, 0], "Raio": 2.5}})"},
        // The true extremes, exact far from the origin (survey coordinates).
        {"0\nLINE\n10\n500000\n20\n-7000000\n30\n60000\n11\n500100.5\n21\n-6999000\n31\n60001\n",
         R"({"/Extremos": [500000, -7000000, 60000, 500100.5, -6999000, 60001]})"},
        // Face corners in file order (13 before 10), as many as written, repeated codes kept.
        {"0\n3DFACE\n13\n4\n23\n4\n33\n4\n10\n0\n20\n1\n30\n1\n11\n1\n21\n2\n31\n2\n"
         "12\n2\n22\n3\n32\n3\n0\n3DFACE\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n"
         "0\n3DFACE\n10\n0\n20\n0\n11\n1\n21\n0\n12\n2\n22\n0\n13\n3\n23\n0\n10\n4\n20\n0\n"
         "11\n5\n21\n0\n",
         R"({"/Faces3D": 3, "/Faces3D/1/Pontos": 2,
             "/Faces3D/0/Pontos": [[4, 4, 4], [0, 1, 1], [1, 2, 2], [2, 3, 3]],
             "/Faces3D/2/Pontos": [[0, 0, 0], [1, 0, 0], [2, 0, 0], [3, 0, 0], [4, 0, 0], [5, 0, 0]]})"},
        // Bad numbers; a foreign record ends a polyline, its "1.5" then read as a group code.
        {LinhaDXF + "0\nLINE\n10\n-1\n20\n2\n30\n3\n11\n1,5\n", // the points read count
         R"({"/Erro": "Invalid numeric input", "/Linhas": 1, "/Extremos/0": -1})"},
        {LinhaDXF + "0\nCIRCLE\n10\n1e39\n",
         R"({"/Erro": "Floating point overflow", "/Linhas": 1, "/Circulos": 0})"},
        {LinhaDXF + "0\nINSERT\n2\nB\n70\n2.5\n", // an integer group
         R"({"/Erro": "Invalid numeric input", "/Inserts": 0})"},
        {"0\nPOLYLINE\n70\n1\n0\nLINE\n10\n1.5\n20\n2.5\n30\n0\n",
         R"({"/Erro": "Invalid numeric input", "/PolyLines/0/Flags": 1, "/Linhas": 0})"}};
    for (const auto& [corpo, esperado] : casos) {
        SCOPED_TRACE(corpo);
        Confere(SoEntidades(corpo), esperado);
    }
}

std::array<long double, 3> Componentes(const TCor& c) {
    return {c.R, c.G, c.B};
}

// Ramps of 40 steps of 0.025, each rounded to a Real; 255 is the marker; others are yellow.
TEST(CorDoIndice, CoresFixasRampasCinzasEMarcador) {
    const long double f = Real(0.975L), c = Real(0.8L); // a ramp's last step; grey 254
    const std::pair<std::int32_t, std::array<long double, 3>> casos[] = {
        {1, {1, 0, 0}},         {7, {1, 1, 1}},
        {255, {256, 256, 256}}, {10, {1, 0, 0}},
        {49, {1, f, 0}},        {89, {Real(1 - f), Real(1 + f), 0}},
        {110, {0, 1, 0.5L}},    {169, {0, Real(1 - f), 1}},
        {190, {0.5L, 0, 1}},    {249, {1, 0, 1}},
        {250, {0, 0, 0}},       {254, {c, c, c}}};
    for (const auto& [indice, rgb] : casos)
        EXPECT_EQ(Componentes(CorDoIndice(indice)), rgb) << indice;
    for (int amarelo : {0, 8, 9, -7, 256, -2147483647 - 1, 2147483647})
        EXPECT_EQ(Componentes(CorDoIndice(amarelo)), (std::array<long double, 3>{1, 1, 0}))
            << amarelo;
}

} // namespace
