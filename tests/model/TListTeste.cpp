#include "TList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

namespace {

// Long enough to fill the first part and several blocks, and end inside one.
constexpr int Muitos = 3 * static_cast<int>(TList<int>::Bloco) + 123;

TEST(TList, KeepsOrderAcrossItsBlocks) {
    TList<int> lista;
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_EQ(lista.begin(), lista.end());
    for (int i = 0; i < Muitos; ++i)
        lista.Add(i);
    ASSERT_EQ(lista.Count(), Muitos);
    for (int i : {0, 4095, 4096, 4097, 8191, 8192, Muitos - 1})
        EXPECT_EQ(lista[i], i);

    int esperado = 0;
    for (int v : lista)
        ASSERT_EQ(v, esperado++);
    EXPECT_EQ(esperado, Muitos);
    const TList<int>& constante = lista;
    EXPECT_EQ(std::accumulate(constante.begin(), constante.end(), 0LL),
              static_cast<long long>(Muitos) * (Muitos - 1) / 2);
    EXPECT_EQ(constante.end() - constante.begin(), Muitos);
    EXPECT_TRUE(std::is_sorted(lista.begin(), lista.end()));

    lista[5000] = -1;
    EXPECT_EQ(*std::min_element(lista.begin(), lista.end()), -1);
}

TEST(TList, ItemsStayInPlaceAndCopiesAreDeep) {
    TList<std::unique_ptr<int>> donos;
    donos.Add(std::make_unique<int>(1));
    int* primeiro = donos[0].get();
    for (int i = 0; i < Muitos; ++i)
        donos.Add(std::make_unique<int>(i));
    EXPECT_EQ(donos[0].get(), primeiro);

    TList<int> a;
    for (int i = 0; i < 5000; ++i)
        a.Add(i);
    TList<int> b = a;
    b[4500] = 0;
    EXPECT_EQ(a[4500], 4500);
    TList<int> c = std::move(b);
    EXPECT_EQ(c.Count(), 5000);
}

TEST(TListCurta, ItemsBeyondTheInlineOnesKeepTheirOrderAndCopiesAreDeep) {
    TListCurta<int, 4> lista;
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_EQ(lista.begin(), lista.end());
    for (int i = 0; i < 7; ++i)
        lista.Add(10 * i);
    ASSERT_EQ(lista.Count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(lista[i], 10 * i);
    int esperado = 0;
    for (int v : lista) {
        EXPECT_EQ(v, esperado);
        esperado += 10;
    }
    EXPECT_EQ(std::accumulate(lista.begin(), lista.end(), 0), 210);

    TListCurta<int, 4> copia = lista;
    copia[1] = -1;
    copia[5] = -5;
    EXPECT_EQ(lista[1], 10);
    EXPECT_EQ(lista[5], 50);
    TListCurta<int, 4> movida = std::move(copia);
    EXPECT_EQ(movida.Count(), 7);
    EXPECT_EQ(movida[5], -5);
    lista = movida;
    EXPECT_EQ(lista[1], -1);
}

} // namespace
