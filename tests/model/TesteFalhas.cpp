// Files that cannot be opened, the line where reading stopped, and a load's progress.
#include "Ajuda.h"
#include "Arquivo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(Abertura, ArquivoOuPastaQueNaoExistemEUmaPasta) {
    ASSERT_EQ(Carrega(SoEntidades(LinhaDXF)), std::nullopt);
    const std::filesystem::path pasta = std::filesystem::temp_directory_path();
    EXPECT_EQ(CarregaArquivo((pasta / "nao-existe.dxf").string()), "File not found");
    const Json modelo = ModeloLido(); // the lists were replaced before opening
    EXPECT_EQ(modelo["Linhas"].size(), 0u);
    EXPECT_EQ(modelo["Extremos"], Json({50000, 50000, 50000, -50000, -50000, -50000}));
    EXPECT_EQ(CarregaArquivo((pasta / "pasta-que-nao-existe" / "a.dxf").string()),
              "Invalid filename");
    EXPECT_EQ(CarregaArquivo(pasta.string()), "I/O error 21");
    EXPECT_EQ(MensagemDeAbertura(EACCES, "x.dxf"), "File access denied");
    EXPECT_EQ(MensagemDeAbertura(ENOTDIR, "a/x.dxf"), "Invalid filename");
}

TEST(Abertura, DescritoresEsgotados) {
    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &antes), 0);
    ArquivoTemporario arquivo("0\nEOF\n");
    int livre = ::dup(0); // the lowest free descriptor: all below it are in use
    ::close(livre);
    rlimit limite = antes;
    limite.rlim_cur = static_cast<rlim_t>(livre);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limite), 0);
    auto erro = CarregaArquivo(arquivo.Nome());
    setrlimit(RLIMIT_NOFILE, &antes);
    EXPECT_EQ(erro, "Too many open files");
}

// The line that an error names, or 0 for none; loaded in pieces of `pedaco` bytes.
std::pair<std::string, std::uint64_t> Falha(const std::string& texto, std::size_t pedaco) {
    ArquivoTemporario arquivo(texto);
    if (const auto erro = ErroAoCarregar(arquivo.Nome(), pedaco))
        return {erro->what(), erro->Linha().value_or(0)};
    return {"", 0};
}

TEST(LinhaDoErro, NomeiaALinhaOndeALeituraParou) {
    const std::string numero = "Invalid numeric input";
    const std::string fim = "Unexpected end of file: the file is incomplete";
    const std::tuple<std::string, std::string, std::uint64_t> casos[] = {
        {SoEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n"), numero, 24},
        {SoEntidades("0\nLINE\n10\n1\n\n\n   x\n"), numero, 11}, // blank lines before the token
        {SoEntidades("0\nLINE\n10\n1\n20\n" + std::string(5000, '7') + "\n"), numero, 10},
        {SoEntidades(LinhaDXF + "0\nARC\n40\n1e999\n"), "Floating point overflow", 24},
        {SoEntidades(LinhaDXF).substr(0, 59), fim, 19}, // the file's last line, cut short
        {SoEntidades(LinhaDXF).substr(0, 60), fim, 19}, // ... or whole
        {SoEntidades(LinhaDXF).substr(0, 20) + "\x1A" + SoEntidades(LinhaDXF), fim, 4},
    };
    const auto descritores = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto abertos = descritores();
    for (const auto& [linhas, erro, linha] : casos)
        for (const char* fimDeLinha : {"\n", "\r\n", "\r"})
            for (const std::size_t pedaco :
                 {std::size_t{1}, std::size_t{7}, Entrada::TamanhoLeitura})
                EXPECT_EQ(Falha(ComFimDeLinha(linhas, fimDeLinha), pedaco), std::pair(erro, linha))
                    << linhas.substr(0, 60) << " with " << pedaco << "-byte pieces";
    EXPECT_EQ(descritores(), abertos) << "the file is closed after a failure";
    // LF then CR are two line ends: "SECTION" on the third line is no group code.
    EXPECT_EQ(Falha("0\n\rSECTION\n", 1), std::pair(numero, std::uint64_t{3}));
    EXPECT_EQ(Falha("", 1), std::pair(fim, std::uint64_t{0}));
    if (const auto erro = ErroAoCarregar("/nao/existe.dxf")) {
        EXPECT_FALSE(erro->Linha().has_value()) << "a file never opened has no line";
    }
}

TEST(Progresso, CresceAteOArquivoInteiro) {
    std::string corpo;
    for (int i = 0; i < 50; ++i)
        corpo += LinhaDXF;
    ArquivoTemporario arquivo(SoEntidades(corpo));
    std::vector<double> fracoes;
    CarregaDXF(arquivo.Nome(), 100, [&](double f) { fracoes.push_back(f); });
    ASSERT_GT(fracoes.size(), 10u);
    EXPECT_TRUE(std::is_sorted(fracoes.begin(), fracoes.end()));
    EXPECT_GT(fracoes.front(), 0.0);
    EXPECT_EQ(fracoes.back(), 1.0);
}

} // namespace
