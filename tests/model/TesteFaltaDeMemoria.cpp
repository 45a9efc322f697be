// Running out of memory during a load is a load error like the others, and leaves the
// model's lists whole.
#include "Ajuda.h"
#include "PicoDeMemoria.h"

#include <gtest/gtest.h>

namespace {

TEST(FaltaDeMemoria, EhUmErroDeLeituraQueGuardaOQueFoiLido) {
    // A layer name is kept whole: one of 64 MB cannot fit under a 16 MB limit.
    const std::string inicio = SoEntidades(LinhaDXF + "0\nLINE\n8\n");
    const std::string texto = ComFimDeLinha(inicio.substr(0, inicio.find("0\nENDSEC"))) +
                              std::string(64 << 20, 'K') +
                              "\r\n10\r\n1\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
    ArquivoTemporario arquivo(texto);
    std::optional<std::string> erro;
    std::optional<std::uint64_t> linha;
    {
        const LimiteDeMemoria limite(16 << 20);
        try {
            CarregaDXF(arquivo.Nome());
        } catch (const ErroDXF& e) {
            erro = e.what();
            linha = e.Linha();
        }
    }
    EXPECT_EQ(erro, "Out of memory");
    EXPECT_EQ(linha, 24u);
    EXPECT_EQ(Linhas.Count(), 1); // the line read before
    EXPECT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt) << "loads without the limit";
    EXPECT_EQ(Linhas.Count(), 2);
}

// A list whose first block is full gets its next block in steps; memory running out at any
// of them leaves the list as it was, and it grows again once memory is there.
TEST(FaltaDeMemoria, ListaFicaComoEstavaEmQualquerPasso) {
    for (std::size_t folga = 0; folga <= 256; folga += 8) {
        TList<int> lista;
        for (int i = 0; i < static_cast<int>(TList<int>::Bloco); ++i)
            lista.Add(i);
        try {
            const LimiteDeMemoria limite(folga);
            lista.Add(-1);
        } catch (const std::bad_alloc&) {
        }
        const int antes = lista.Count(), bloco = static_cast<int>(TList<int>::Bloco);
        ASSERT_TRUE(antes == bloco || antes == bloco + 1) << folga;
        lista.Add(7);
        EXPECT_EQ(lista.Count(), antes + 1) << folga;
        EXPECT_EQ(lista[antes], 7) << folga;
    }
}

} // namespace
