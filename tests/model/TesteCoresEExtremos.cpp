// The colour table and the drawing's extents.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

long double R(long double v) {
    return Real(v);
}

// Ramps of 40 steps of 0.025 (green rising above 1 in the second); 255 is the marker.
TEST(CorDoIndice, FixedColoursRampsGreysAndTheMarker) {
    const long double c39 = R(39 * 0.025L); // the last step of a ramp
    const std::pair<std::int32_t, Tripla> casos[] = {
        {1, {1, 0, 0}},        {3, {0, 1, 0}},
        {7, {1, 1, 1}},        {255, {256, 256, 256}},
        {10, {1, 0, 0}},       {30, {1, 0.5L, 0}},
        {49, {1, c39, 0}},     {50, {1, 1, 0}},
        {70, {0.5L, 1.5L, 0}}, {89, {R(1 - c39), R(1 + c39), 0}},
        {110, {0, 1, 0.5L}},   {169, {0, R(1 - c39), 1}},
        {190, {0.5L, 0, 1}},   {249, {1, 0, 1}},
        {250, {0, 0, 0}},      {254, {R(0.8L), R(0.8L), R(0.8L)}}};
    for (const auto& [indice, rgb] : casos)
        EXPECT_EQ(Em(CorDoIndice(indice)), rgb) << indice;
    for (int amarelo : {0, 8, 9, -7, 256, -2147483647 - 1, 2147483647})
        EXPECT_EQ(Em(CorDoIndice(amarelo)), (Tripla{1, 1, 0})) << amarelo;
}

// Survey coordinates lie far from the origin; the extents must contain them exactly. A failed
// load keeps the points read so far.
TEST(Extremos, AreTheTrueMinimumAndMaximumOfThePointsRead) {
    using E = std::array<long double, 6>;
    const std::pair<std::string, E> casos[] = {
        {"0\nCIRCLE\n10\n1\n20\n2\n30\n3\n40\n1000\n", {1, 2, 3, 1, 2, 3}},
        {"0\nTEXT\n10\n1\n20\n2\n30\n3\n", SemExtremos},
        {"0\nLINE\n10\n3\n20\n4\n30\n5\n11\nx\n", {3, 4, 5, 3, 4, 5}},
        {"0\nLINE\n10\nx\n", SemExtremos},
        {"0\nLINE\n10\n500000\n20\n-7000000\n30\n60000\n11\n500100.5\n21\n-6999000\n31\n60001\n",
         {500000, -7000000, 60000, 500100.5L, -6999000, 60001}}};
    for (const auto& [corpo, extremos] : casos) {
        EXPECT_EQ(Carrega(SoEntidades(corpo)).has_value(), corpo.find('x') != corpo.npos);
        EXPECT_EQ(ExtremosLidos(), extremos) << corpo;
    }
}

TEST(Extremos, EveryKindOfPointCountsButNotRadiiScalesOrExtrusions) {
    std::string texto =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n-5\n20\n0\n30\n0\n"
        "0\nLINE\n10\n0\n20\n-6\n30\n0\n11\n0\n20\n0\n0\nENDBLK\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n10\n7\n20\n0\n30\n0\n41\n100\n210\n99\n"
        "0\nPOLYLINE\n10\n0\n20\n0\n30\n-8\n0\nVERTEX\n10\n0\n20\n9\n30\n0\n71\n1\n0\nSEQEND\n"
        "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1000\n0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(Carrega(texto), std::nullopt);
    EXPECT_EQ(ExtremosLidos(), (std::array<long double, 6>{-5, -6, -8, 7, 9, 0}));
}

} // namespace
