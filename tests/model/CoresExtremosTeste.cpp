// The colour table and the drawing's extents.
#include "Ajuda.h"
#include "UDXF.h"

#include <gtest/gtest.h>

namespace {

void EsperaCor(std::int32_t indice, long double r, long double g, long double b) {
    TCor c = CorDoIndice(indice);
    EXPECT_EQ(static_cast<long double>(c.R), r) << indice;
    EXPECT_EQ(static_cast<long double>(c.G), g) << indice;
    EXPECT_EQ(static_cast<long double>(c.B), b) << indice;
}

long double R(long double v) {
    return Real(v);
}

TEST(CorDoIndice, FixedColoursAndTheMarker) {
    EsperaCor(1, 1, 0, 0);
    EsperaCor(2, 1, 1, 0);
    EsperaCor(3, 0, 1, 0);
    EsperaCor(4, 0, 1, 1);
    EsperaCor(5, 0, 0, 1);
    EsperaCor(6, 1, 0, 1);
    EsperaCor(7, 1, 1, 1);
    EsperaCor(255, 256, 256, 256);
    for (int amarelo : {0, 8, 9, -1, -7, 256, 1000, -2147483647 - 1, 2147483647})
        EsperaCor(amarelo, 1, 1, 0);
}

TEST(CorDoIndice, Ramps) {
    EsperaCor(10, 1, 0, 0);
    EsperaCor(30, 1, 0.5L, 0);
    EsperaCor(49, 1, R(39 * 0.025L), 0);
    EsperaCor(50, 1, 1, 0);
    EsperaCor(70, 0.5L, 1.5L, 0); // green rises above 1
    EsperaCor(89, R(1 - R(39 * 0.025L)), R(1 + R(39 * 0.025L)), 0);
    EsperaCor(90, 0, 1, 0);
    EsperaCor(110, 0, 1, 0.5L);
    EsperaCor(150, 0, 0.5L, 1);
    EsperaCor(169, 0, R(1 - R(39 * 0.025L)), 1);
    EsperaCor(190, 0.5L, 0, 1);
    for (int magenta : {210, 230, 249})
        EsperaCor(magenta, 1, 0, 1);
    EsperaCor(250, 0, 0, 0);
    EsperaCor(252, R(0.4L), R(0.4L), R(0.4L));
    EsperaCor(254, R(0.8L), R(0.8L), R(0.8L));
}

void EsperaExtremos(long double x0, long double y0, long double z0, long double x1, long double y1,
                    long double z1) {
    Real e[6];
    Extremos(e[0], e[1], e[2], e[3], e[4], e[5]);
    long double esperado[] = {x0, y0, z0, x1, y1, z1};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(static_cast<long double>(e[i]), esperado[i]) << i;
}

TEST(Extremos, OnePointAndNoPoint) {
    ASSERT_EQ(Carrega(SoEntidades("0\nCIRCLE\n10\n1\n20\n2\n30\n3\n40\n1000\n")), std::nullopt);
    EsperaExtremos(1, 2, 3, 1, 2, 3);
    ASSERT_EQ(Carrega(SoEntidades("0\nTEXT\n10\n1\n20\n2\n30\n3\n")), std::nullopt);
    EsperaExtremos(50000, 50000, 50000, -50000, -50000, -50000);
}

// Survey coordinates lie far from the origin; the extents must contain them.
TEST(Extremos, AreTheTrueMinimumAndMaximumOfThePointsRead) {
    ASSERT_EQ(Carrega(SoEntidades("0\nLINE\n10\n500000\n20\n-7000000\n30\n60000\n"
                                  "11\n500100.5\n21\n-6999000\n31\n60001\n")),
              std::nullopt);
    EsperaExtremos(500000, -7000000, 60000, 500100.5L, -6999000, 60001);
}

TEST(Extremos, EveryKindOfPointCountsButNotRadiiScalesOrExtrusions) {
    std::string texto =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n-5\n20\n0\n30\n0\n"
        "0\nLINE\n10\n0\n20\n-6\n30\n0\n11\n0\n20\n0\n0\nENDBLK\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n10\n7\n20\n0\n30\n0\n41\n100\n210\n99\n"
        "0\nPOLYLINE\n10\n0\n20\n0\n30\n-8\n0\nVERTEX\n10\n0\n20\n9\n30\n0\n71\n1\n0\nSEQEND\n"
        "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1000\n0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(Carrega(texto), std::nullopt);
    EsperaExtremos(-5, -6, -8, 7, 9, 0);
}

TEST(Extremos, AFailedLoadKeepsThePointsReadSoFar) {
    EXPECT_EQ(Carrega(SoEntidades("0\nLINE\n10\n3\n20\n4\n30\n5\n11\nx\n")),
              "Invalid numeric input");
    EsperaExtremos(3, 4, 5, 3, 4, 5);
    EXPECT_EQ(Carrega(SoEntidades("0\nLINE\n10\nx\n")), "Invalid numeric input");
    EsperaExtremos(50000, 50000, 50000, -50000, -50000, -50000);
}

} // namespace
