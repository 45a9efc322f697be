// Every reading loop ends at the end of the input: each sample and each real drawing of the
// corpus, cut at many offsets, loads or fails with a message. A loop that missed the end
// would hang here until the test's time limit.
#include "Ajuda.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Desenhos() {
    std::vector<fs::path> desenhos;
    for (const char* pasta : {VISTREL_SAMPLES_DIR, VISTREL_CORPUS_DIR}) {
        std::error_code erro;
        for (const auto& entrada : fs::directory_iterator(pasta, erro))
            if (entrada.path().extension() == ".dxf") desenhos.push_back(entrada.path());
    }
    std::sort(desenhos.begin(), desenhos.end());
    return desenhos;
}

std::string LeTudo(const fs::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Every third byte of the start (where the header's loops run), 64 cuts spread over the
// rest, and every other byte of the end (the last section, EOF and the configuration block).
std::vector<std::size_t> Cortes(std::size_t tamanho) {
    constexpr std::size_t Inicio = 600, Espalhados = 64, Fim = 40;
    std::vector<std::size_t> cortes;
    for (std::size_t n = 0; n < std::min(tamanho, Inicio); n += 3)
        cortes.push_back(n);
    if (tamanho > Inicio)
        for (std::size_t i = 0; i < Espalhados; ++i)
            cortes.push_back(Inicio + (tamanho - Inicio) * i / Espalhados);
    for (std::size_t n = tamanho - std::min(tamanho, Fim); n <= tamanho; n += 2)
        cortes.push_back(n);
    return cortes;
}

class Truncamento : public testing::TestWithParam<fs::path> {};

TEST_P(Truncamento, CadaCorteCarregaOuFalhaComMensagem) {
    const std::string texto = LeTudo(GetParam());
    ASSERT_FALSE(texto.empty());
    for (std::size_t n : Cortes(texto.size())) {
        ArquivoTemporario arquivo(std::string_view(texto).substr(0, n));
        const auto erro = CarregaArquivo(arquivo.Nome());
        EXPECT_NE(erro, "") << "cut at " << n;
        // Small reads put the end of a piece inside every token of the short cuts.
        if (n < 200) {
            EXPECT_EQ(CarregaArquivo(arquivo.Nome(), 5), erro) << "cut at " << n;
        }
    }
}

std::string NomeDoTeste(const testing::TestParamInfo<fs::path>& info) {
    std::string nome = info.param.stem().string();
    for (char& c : nome)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return nome;
}

INSTANTIATE_TEST_SUITE_P(Desenhos, Truncamento, testing::ValuesIn(Desenhos()), NomeDoTeste);

} // namespace
