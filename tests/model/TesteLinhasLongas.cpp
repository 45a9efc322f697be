// Lines far longer than any buffer: kept whole when the model keeps them, otherwise read
// past without being held.
#include "Ajuda.h"
#include "PicoDeMemoria.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t Tamanho = 50u << 20;

// A drawing with one line of `Tamanho` copies of `recheio` between `antes` and `depois`.
std::string LinhaLonga(std::string_view antes, char recheio, std::string_view depois) {
    return std::string(antes) + std::string(Tamanho, recheio) + std::string(depois);
}

const std::string Inicio = "0\nSECTION\n2\nENTITIES\n0\nLINE\n";
const std::string Pontos = "\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n0\nENDSEC\n0\nEOF\n";

// A huge layer name is kept whole; a huge group code is not a number; a huge run of blanks
// before a number is skipped.
TEST(LinhasLongas, GuardadasInteirasOuRecusadas) {
    const std::tuple<std::string, char, std::string, std::optional<std::string>> casos[] = {
        {Inicio + "8\n", 'A', Pontos, std::nullopt},
        {Inicio, '7', Pontos, "Invalid numeric input"},
        {Inicio, '\x80', Pontos, "Invalid numeric input"},
        {Inicio + "10\n", ' ', "1\n20\n2\n0\nENDSEC\n0\nEOF\n", std::nullopt}};
    for (const auto& [antes, recheio, depois, erro] : casos) {
        ArquivoTemporario arquivo(LinhaLonga(antes, recheio, depois));
        ASSERT_EQ(CarregaArquivo(arquivo.Nome()), erro) << int(recheio);
        if (erro) continue;
        ASSERT_EQ(Linhas.Count(), 1);
        EXPECT_EQ(Linhas[0].Camada.size(), recheio == 'A' ? Tamanho : 0);
        EXPECT_EQ(static_cast<long double>(Linhas[0].P1->Y), 2);
    }
}

// Section, table and record names, and the values of skipped sections and groups, are only
// compared with keywords: a huge one is read past without being held.
TEST(LinhasLongas, LinhasQueNinguemGuardaNaoOcupamMemoria) {
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
        ArquivoTemporario arquivo(LinhaLonga(antes, 'K', depois));
        const PicoDeMemoria memoria;
        EXPECT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt) << "case " << i;
        EXPECT_LT(memoria.Crescimento(), Tamanho / 8) << "case " << i;
    }
}

} // namespace
