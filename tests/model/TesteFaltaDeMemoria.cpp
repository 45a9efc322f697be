// Running out of memory during a load is a load error like the others.
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

} // namespace
