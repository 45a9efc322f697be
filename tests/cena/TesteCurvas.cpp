#include "Curvas.h"

#include <gtest/gtest.h>

TEST(Curvas, ArcoInteiroTemPeloMenosDezesseisSegmentos) {
    EXPECT_GE(SegmentosDoArco(1, 6.283185307179586, 1, 4096), 16);
}
