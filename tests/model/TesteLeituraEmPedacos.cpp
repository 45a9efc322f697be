// The same model whatever the line ends and the size of the pieces the file is read in; and
// every reading loop ends at the end of the input: each sample, each real drawing and each of
// the fuzzer's findings and seeds, cut at many offsets, loads or fails with a message (a loop
// that missed the end would hang here until the test's time limit).
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

// Right-aligned group codes put the CR of a CR LF on the last of the 16 bytes the reader
// scans at once; in pieces of 16 to 40 bytes, often also the last byte read so far.
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

// Every third byte of the start (where the header's loops run), 64 cuts spread over the
// rest, and every other byte of the end (the last section, EOF and the configuration block).
std::vector<std::size_t> Cortes(std::size_t tamanho) {
    std::vector<std::size_t> cortes;
    for (std::size_t n = 0; n < std::min<std::size_t>(tamanho, 600); n += 3)
        cortes.push_back(n);
    for (std::size_t i = 0; tamanho > 600 && i < 64; ++i)
        cortes.push_back(600 + (tamanho - 600) * i / 64);
    for (std::size_t n = tamanho - std::min<std::size_t>(tamanho, 40); n <= tamanho; n += 2)
        cortes.push_back(n);
    cortes.push_back(tamanho);
    return cortes;
}

// Cuts every file of `pasta` (only the drawings when `soDesenhos`); how many there were.
int CortaCadaArquivo(const std::string& pasta, bool soDesenhos) {
    int arquivos = 0;
    std::error_code semPasta;
    for (const auto& entrada : fs::directory_iterator(pasta, semPasta)) {
        const fs::path& caminho = entrada.path();
        if (soDesenhos ? caminho.extension() != ".dxf" : caminho.filename().string()[0] == '.')
            continue;
        SCOPED_TRACE(caminho.string());
        ++arquivos;
        std::ifstream f(caminho, std::ios::binary);
        const std::string texto{std::istreambuf_iterator<char>(f), {}};
        for (std::size_t n : Cortes(texto.size())) {
            ArquivoTemporario arquivo(std::string_view(texto).substr(0, n));
            const auto erro = CarregaArquivo(arquivo.Nome());
            EXPECT_NE(erro, "") << "cut at " << n;
            // Small reads put the end of a piece inside every token of the short cuts.
            if (n < 200 || n == texto.size()) {
                for (std::size_t pedaco : {5, 29})
                    EXPECT_EQ(CarregaArquivo(arquivo.Nome(), pedaco), erro) << "cut at " << n;
            }
        }
    }
    return arquivos;
}

TEST(Truncamento, CadaCorteCarregaOuFalhaComMensagem) {
    EXPECT_GT(CortaCadaArquivo(VISTREL_SAMPLES_DIR, true), 3);
    CortaCadaArquivo(VISTREL_CORPUS_DIR, true); // checked to be there by the corpus test
}

TEST(Fuzzer, RegressoesESementesCarregamOuFalhamComMensagem) {
    EXPECT_GT(CortaCadaArquivo(VISTREL_FUZZ_DIR "/regressions", false), 0);
    EXPECT_GT(CortaCadaArquivo(VISTREL_FUZZ_DIR "/seeds", false), 0);
}

} // namespace
