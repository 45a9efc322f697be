#include "Nome.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

TEST(TNome, EqualTextsAreKeptOnceAndFreedWithTheirLastHolder) {
    const std::size_t antes = TNome::EmUso();
    {
        std::string texto = "PAREDES";
        TNome a = texto, b = std::string_view("PAREDES"), c = "PORTAS";
        texto = "mudou"; // the name keeps its own copy
        EXPECT_EQ(a, b);
        EXPECT_EQ(a.Texto(), std::string("PAREDES"));
        EXPECT_FALSE(a == c);
        EXPECT_EQ(TNome::EmUso(), antes + 2);

        TNome d = a;
        a = "PORTAS";
        EXPECT_EQ(a, c);
        EXPECT_EQ(d, "PAREDES");
        b = std::move(d);
        EXPECT_TRUE(d.empty());
        b = TNome();
        EXPECT_EQ(TNome::EmUso(), antes + 1); // no one holds PAREDES any more
    }
    EXPECT_EQ(TNome::EmUso(), antes);
    TNome vazio = "";
    EXPECT_TRUE(vazio.empty());
    EXPECT_EQ(TNome::EmUso(), antes);
}

} // namespace
