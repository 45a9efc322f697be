// The same model whatever the line ends and the size of the pieces the file is read in.
#include "Ajuda.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Every sample: line ends, tokens and the CR of a CR LF pair fall on every piece boundary.
TEST(Amostras, CarregamIguaisComQualquerFimDeLinhaEmPedacosDeQualquerTamanho) {
    for (const auto& entrada : fs::directory_iterator(VISTREL_SAMPLES_DIR)) {
        if (entrada.path().extension() != ".dxf") continue;
        SCOPED_TRACE(entrada.path().filename().string());
        ASSERT_LT(fs::file_size(entrada.path()), 20'000u);
        ASSERT_EQ(CarregaArquivo(entrada.path().string()), std::nullopt);
        const Json inteiro = ModeloLido();
        std::ifstream f(entrada.path(), std::ios::binary);
        std::string linhas((std::istreambuf_iterator<char>(f)), {});
        std::erase(linhas, '\r');
        for (const char* fim : {"\r\n", "\n", "\r"}) {
            ArquivoTemporario arquivo(ComFimDeLinha(linhas, fim));
            for (std::size_t pedaco : {1, 2, 3, 7, 100})
                EXPECT_EQ(ModeloLido(CarregaArquivo(arquivo.Nome(), pedaco)), inteiro) << pedaco;
        }
    }
}

// Group codes right-aligned in a wide field put the CR of a CR LF line end on the last of
// the 16 bytes the reader scans at once; read in pieces of 16 to 40 bytes, that byte is
// often also the last one read so far.
TEST(Amostras, CrNoUltimoByteDaJanelaDeVarredura) {
    const std::string texto = SoEntidades(LinhaDXF + "0\nCIRCLE\n8\nCAMADA\n10\n7\n40\n2\n");
    ASSERT_EQ(Carrega(texto), std::nullopt);
    const Json esperado = ModeloLido();
    std::istringstream linhas(texto);
    std::string alinhado;
    for (std::string linha, codigo; std::getline(linhas, codigo) && std::getline(linhas, linha);)
        alinhado += std::string(15 - codigo.size(), ' ') + codigo + "\r\n" + linha + "\r\n";
    ArquivoTemporario arquivo(alinhado);
    for (std::size_t pedaco = 16; pedaco <= 40; ++pedaco)
        EXPECT_EQ(ModeloLido(CarregaArquivo(arquivo.Nome(), pedaco)), esperado) << pedaco;
    EXPECT_EQ(ModeloLido(CarregaArquivo(arquivo.Nome())), esperado);
}

} // namespace
