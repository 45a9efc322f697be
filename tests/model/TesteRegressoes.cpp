// The fuzzer's findings and its seeds: each loads or fails with a message, the same whatever
// the size of the reads.
#include "Ajuda.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(Fuzzer, RegressoesESementesCarregamOuFalhamComMensagem) {
    for (const char* pasta : {"/regressions", "/seeds"}) {
        int arquivos = 0;
        for (const auto& entrada : fs::directory_iterator(VISTREL_FUZZ_DIR + std::string(pasta))) {
            if (entrada.path().filename().string().starts_with('.')) continue;
            const std::string nome = entrada.path().string();
            const auto inteiro = CarregaArquivo(nome);
            EXPECT_NE(inteiro, "") << nome;
            for (std::size_t pedaco : {7, 29})
                EXPECT_EQ(CarregaArquivo(nome, pedaco), inteiro) << nome << " " << pedaco;
            ++arquivos;
        }
        EXPECT_GT(arquivos, 0) << pasta;
    }
}

} // namespace
