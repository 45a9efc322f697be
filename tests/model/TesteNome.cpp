#include "Nome.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

TEST(TNome, EqualTextsAreKeptOnceAndFreedWithTheirLastHolder) {
    const std::size_t antes = TNome::EmUso();
    {
        std::string texto = "PAREDES";
        TNome a = texto, b = std::string_view("PAREDES"), c = "PORTAS", d = a;
        texto = "mudou"; // the name keeps its own copy
        EXPECT_TRUE(a == b && !(a == c) && a.Texto() == std::string("PAREDES"));
        EXPECT_EQ(TNome::EmUso(), antes + 2);
        a = "PORTAS";
        b = std::move(d);
        EXPECT_TRUE(a == c && b == "PAREDES" && d.empty());
        b = TNome();
        EXPECT_EQ(TNome::EmUso(), antes + 1); // no one holds PAREDES any more
    }
    EXPECT_EQ(TNome::EmUso(), antes);
    EXPECT_TRUE(TNome("").empty());
    EXPECT_EQ(TNome::EmUso(), antes);
}

} // namespace
