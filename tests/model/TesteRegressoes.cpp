// The fuzzer's findings and its seeds, and lines far longer than any buffer.
#include "Ajuda.h"
#include "Leitores.h"
#include "PicoDeMemoria.h"
#include "UDXF.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Each file loads or fails with a message, the same whatever the size of the reads.
TEST(Fuzzer, RegressionsAndSeedsLoadOrFailWithAMessage) {
    int arquivos = 0;
    for (const char* pasta : {"/regressions", "/seeds"}) {
        std::error_code erro;
        for (const auto& entrada :
             fs::directory_iterator(VISTREL_FUZZ_DIR + std::string(pasta), erro)) {
            const std::string nome = entrada.path().string();
            auto inteiro = CarregaArquivo(nome, Entrada::TamanhoLeitura);
            if (inteiro) {
                EXPECT_FALSE(inteiro->empty()) << nome;
            }
            EXPECT_EQ(CarregaArquivo(nome, 7), inteiro) << nome;
            ++arquivos;
        }
    }
    EXPECT_GT(arquivos, 0);
}

// A drawing with one line of `tamanho` copies of `recheio` between `antes` and `depois`,
// written in pieces so that the test holds only one copy.
class LinhaLonga {
  public:
    LinhaLonga(std::string_view antes, char recheio, std::size_t tamanho, std::string_view depois)
        : arquivo_("") {
        std::ofstream f(arquivo_.Nome(), std::ios::binary);
        f << antes;
        const std::string pedaco(std::size_t{1} << 20, recheio);
        for (std::size_t falta = tamanho; falta > 0;) {
            std::size_t n = std::min(falta, pedaco.size());
            f.write(pedaco.data(), static_cast<std::streamsize>(n));
            falta -= n;
        }
        f << depois;
    }
    const std::string& Nome() const { return arquivo_.Nome(); }

  private:
    ArquivoTemporario arquivo_;
};

constexpr std::size_t Tamanho = 50u << 20;
const std::string Inicio = "0\nSECTION\n2\nENTITIES\n0\nLINE\n";
const std::string Pontos = "\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n0\nENDSEC\n0\nEOF\n";

TEST(LinhasLongas, AHugeLayerNameIsKeptWhole) {
    LinhaLonga arquivo(Inicio + "8\n", 'A', Tamanho, Pontos);
    ASSERT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt);
    ASSERT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(Linhas[0].Camada.size(), Tamanho);
    EXPECT_EQ(static_cast<long double>(Linhas[0].P2->Z), 6);
}

// Section, table and record names, and the values of skipped sections and groups, are only
// compared with keywords: a huge one is read past without being held.
TEST(LinhasLongas, HugeLinesNobodyKeepsTakeNoMemory) {
    const std::string Entidades = "0\nSECTION\n2\nENTITIES\n";
    const std::string Fim = "\n0\nENDSEC\n0\nEOF\n";
    const std::pair<std::string, std::string> casos[] = {
        {"0\nSECTION\n2\nHEADER\n9\n$X\n1\n", "\n0\nENDSEC\n" + Entidades + "0\nENDSEC\n0\nEOF\n"},
        {"0\nSECTION\n2\n", Fim},
        {Entidades + "0\nENDSEC\n999\n", "\n0\nEOF\n"},
        {Entidades + "0\n", Fim},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\n", "\n0\nENDTAB" + Fim},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n0\n", "\n0\nENDTAB" + Fim},
        {"0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\n", "\n0\nENDBLK" + Fim},
        // A foreign record ends a polyline, its name read: the next value line closes the
        // section.
        {Entidades + "0\nPOLYLINE\n66\n1\n0\n", "\nENDSEC\n0\nEOF\n"},
        {Inicio + "999\n", Pontos},
    };
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const auto& [antes, depois] = casos[i];
        LinhaLonga arquivo(antes, 'K', Tamanho, depois);
        const PicoDeMemoria memoria;
        EXPECT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt) << "case " << i;
        EXPECT_LT(memoria.Crescimento(), Tamanho / 8) << "case " << i;
    }
}

TEST(LinhasLongas, AHugeGroupCodeIsInvalidNumericInput) {
    LinhaLonga codigo(Inicio, '7', Tamanho, Pontos);
    EXPECT_EQ(CarregaArquivo(codigo.Nome()), "Invalid numeric input");
    LinhaLonga lixo(Inicio, '\x80', Tamanho, Pontos);
    EXPECT_EQ(CarregaArquivo(lixo.Nome()), "Invalid numeric input");
}

TEST(LinhasLongas, HugeBlankRunsBeforeANumberAreSkipped) {
    LinhaLonga arquivo(Inicio + "10\n", ' ', Tamanho, "1\n20\n2\n0\nENDSEC\n0\nEOF\n");
    ASSERT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt);
    EXPECT_EQ(static_cast<long double>(Linhas[0].P1->Y), 2);
}

} // namespace
