// The colour table and the drawing's extents.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

std::array<long double, 3> Componentes(const TCor& c) {
    return {c.R, c.G, c.B};
}

// Ramps of 40 steps of 0.025 (green rising above 1 in the second), each step rounded to a
// Real; 255 is the marker; anything else is yellow.
TEST(CorDoIndice, CoresFixasRampasCinzasEMarcador) {
    const long double f = Real(0.975L), c = Real(0.8L); // a ramp's last step; grey 254
    const std::pair<std::int32_t, std::array<long double, 3>> casos[] = {
        {1, {1, 0, 0}},        {3, {0, 1, 0}},
        {7, {1, 1, 1}},        {255, {256, 256, 256}},
        {10, {1, 0, 0}},       {30, {1, 0.5L, 0}},
        {49, {1, f, 0}},       {50, {1, 1, 0}},
        {70, {0.5L, 1.5L, 0}}, {89, {Real(1 - f), Real(1 + f), 0}},
        {110, {0, 1, 0.5L}},   {169, {0, Real(1 - f), 1}},
        {190, {0.5L, 0, 1}},   {249, {1, 0, 1}},
        {250, {0, 0, 0}},      {254, {c, c, c}}};
    for (const auto& [indice, rgb] : casos)
        EXPECT_EQ(Componentes(CorDoIndice(indice)), rgb) << indice;
    for (int amarelo : {0, 8, 9, -7, 256, -2147483647 - 1, 2147483647})
        EXPECT_EQ(Componentes(CorDoIndice(amarelo)), (std::array<long double, 3>{1, 1, 0}))
            << amarelo;
}

// The true minimum and maximum of every point read, exact far from the origin (survey
// coordinates); not radii, scales or extrusions. A failed load keeps the points read so far.
TEST(Extremos, MinimoEMaximoDosPontosLidos) {
    const std::string_view nenhum = "[50000, 50000, 50000, -50000, -50000, -50000]";
    const std::pair<std::string, std::string_view> casos[] = {
        {SoEntidades("0\nCIRCLE\n10\n1\n20\n2\n30\n3\n40\n1000\n"), "[1, 2, 3, 1, 2, 3]"},
        {SoEntidades("0\nTEXT\n10\n1\n20\n2\n30\n3\n"), nenhum},
        {SoEntidades("0\nLINE\n10\n3\n20\n4\n30\n5\n11\nx\n"), "[3, 4, 5, 3, 4, 5]"},
        {SoEntidades("0\nLINE\n10\nx\n"), nenhum},
        {SoEntidades("0\nLINE\n10\n500000\n20\n-7000000\n30\n60000\n"
                     "11\n500100.5\n21\n-6999000\n31\n60001\n"),
         "[500000, -7000000, 60000, 500100.5, -6999000, 60001]"},
        {"0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n-5\n20\n0\n30\n0\n"
         "0\nLINE\n10\n0\n20\n-6\n30\n0\n11\n0\n20\n0\n0\nENDBLK\n0\nENDSEC\n" +
             SoEntidades("0\nINSERT\n2\nB\n10\n7\n20\n0\n30\n0\n41\n100\n210\n99\n"
                         "0\nPOLYLINE\n10\n0\n20\n0\n30\n-8\n"
                         "0\nVERTEX\n10\n0\n20\n9\n30\n0\n71\n1\n0\nSEQEND\n"
                         "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1000\n"),
         "[-5, -6, -8, 7, 9, 0]"}};
    for (const auto& [texto, extremos] : casos) {
        SCOPED_TRACE(texto);
        Confere(texto, R"({"/Extremos": )" + std::string(extremos) + "}");
    }
}

} // namespace
