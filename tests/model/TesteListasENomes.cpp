#include "Nome.h"
#include "TList.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <ranges>
#include <vector>

namespace {

// Long enough to fill the first part and several blocks, and end inside one.
constexpr int Muitos = 3 * static_cast<int>(TList<int>::Bloco) + 123;

TEST(TList, GuardaOrdemELugarEntreBlocosECopiasSaoProfundas) {
    TList<int> lista;
    EXPECT_EQ(lista.begin(), lista.end());
    for (int i = 0; i < Muitos; ++i)
        lista.Add(i);
    ASSERT_EQ(lista.Count(), Muitos);
    for (int i : {0, 4095, 4096, 4097, 8191, 8192, Muitos - 1})
        EXPECT_EQ(lista[i], i);
    const TList<int>& constante = lista;
    EXPECT_EQ(constante.end() - constante.begin(), Muitos);
    EXPECT_TRUE(std::equal(constante.begin(), constante.end(), std::views::iota(0).begin()));

    TList<int> copia = lista;
    copia[4500] = -1;
    EXPECT_EQ(*std::min_element(copia.begin(), copia.end()), -1);
    EXPECT_EQ(lista[4500], 4500);
    EXPECT_EQ(TList<int>(std::move(copia)).Count(), Muitos);

    TList<std::unique_ptr<int>> donos;
    donos.Add(std::make_unique<int>(1));
    int* primeiro = donos[0].get();
    for (int i = 0; i < Muitos; ++i)
        donos.Add(std::make_unique<int>(i));
    EXPECT_EQ(donos[0].get(), primeiro);
}

TEST(TListCurta, ItensAlemDosInternosGuardamAOrdemECopiasSaoProfundas) {
    TListCurta<int, 4> lista;
    EXPECT_EQ(lista.begin(), lista.end());
    for (int i = 0; i < 7; ++i)
        lista.Add(10 * i);
    ASSERT_EQ(lista.Count(), 7);
    EXPECT_EQ(std::vector<int>(lista.begin(), lista.end()),
              (std::vector<int>{0, 10, 20, 30, 40, 50, 60}));

    TListCurta<int, 4> copia = lista;
    copia[1] = copia[5] = -1;
    EXPECT_EQ((std::array{lista[1], lista[5]}), (std::array{10, 50}));
    TListCurta<int, 4> movida = std::move(copia);
    lista = movida;
    EXPECT_EQ((std::array{lista[1], lista[5]}), (std::array{-1, -1}));
}

TEST(TNome, TextosIguaisGuardadosUmaVezESoltosComOUltimoDono) {
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
