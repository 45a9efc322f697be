// Where a failed load stopped reading, and the progress a load reports.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

// The line that an error names, or 0 for none; loaded in pieces of `pedaco` bytes.
std::pair<std::string, std::uint64_t> Falha(const std::string& texto, std::size_t pedaco) {
    ArquivoTemporario arquivo(texto);
    try {
        CarregaDXF(arquivo.Nome(), pedaco);
    } catch (const ErroDXF& e) {
        return {e.what(), e.Linha().value_or(0)};
    }
    return {"", 0};
}

TEST(LinhaDoErro, NomeiaALinhaOndeALeituraParou) {
    const std::string numero = "Invalid numeric input";
    const std::string fim = "Unexpected end of file: the file is incomplete";
    const struct {
        std::string linhas;
        std::string erro;
        std::uint64_t linha;
    } casos[] = {
        {SoEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n"), numero, 24},
        {SoEntidades("0\nLINE\n10\n1\n\n\n   x\n"), numero, 11}, // blank lines before the token
        {SoEntidades("0\nLINE\n10\n1\n20\n" + std::string(5000, '7') + "\n"), numero, 10},
        {SoEntidades(LinhaDXF + "0\nARC\n40\n1e999\n"), "Floating point overflow", 24},
        {SoEntidades(LinhaDXF).substr(0, 59), fim, 19}, // the file's last line, cut short
        {SoEntidades(LinhaDXF).substr(0, 60), fim, 19}, // ... or whole
    };
    for (const auto& c : casos)
        for (const char* fimDeLinha : {"\n", "\r\n", "\r"})
            for (const std::size_t pedaco :
                 {std::size_t{1}, std::size_t{7}, Entrada::TamanhoLeitura})
                EXPECT_EQ(Falha(ComFimDeLinha(c.linhas, fimDeLinha), pedaco),
                          std::pair(c.erro, c.linha))
                    << c.linhas.substr(0, 60) << " with " << pedaco << "-byte pieces";
    // An LF then a CR are two line ends, as the reader counts them: the section's name is
    // the empty second line, and "SECTION" on the third is no group code. An empty file has
    // no line to name.
    EXPECT_EQ(Falha("0\n\rSECTION\n", 1), std::pair(numero, std::uint64_t{3}));
    EXPECT_EQ(Falha("", 1), std::pair(fim, std::uint64_t{0}));
    ArquivoTemporario bom(SoEntidades(LinhaDXF));
    try {
        CarregaDXF(bom.Nome() + ".nao-existe");
        ADD_FAILURE();
    } catch (const ErroDXF& e) {
        EXPECT_FALSE(e.Linha().has_value()) << "a file never opened has no line";
    }
}

TEST(Progresso, CresceAteOArquivoInteiro) {
    std::string corpo;
    for (int i = 0; i < 50; ++i)
        corpo += LinhaDXF;
    ArquivoTemporario arquivo(ComFimDeLinha(SoEntidades(corpo)));
    std::vector<double> fracoes;
    std::vector<int> linhas;
    CarregaDXF(arquivo.Nome(), 100, [&](double f) {
        fracoes.push_back(f);
        linhas.push_back(Linhas.Count());
    });
    ASSERT_GT(fracoes.size(), 10u);
    EXPECT_TRUE(std::is_sorted(fracoes.begin(), fracoes.end()));
    EXPECT_TRUE(std::is_sorted(linhas.begin(), linhas.end()));
    EXPECT_GT(fracoes.front(), 0.0);
    EXPECT_EQ(fracoes.back(), 1.0);
    EXPECT_EQ(Linhas.Count(), 50);
}

} // namespace
