// Failures: their messages, the model kept, the file closed, and no hang at the end of input.
#include "Ajuda.h"
#include "Arquivo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(Abertura, ArquivoOuPastaQueNaoExistemEUmaPasta) {
    ASSERT_EQ(Carrega(SoEntidades(LinhaDXF)), std::nullopt);
    const fs::path pasta = fs::temp_directory_path();
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
    ArquivoTemporario arquivo(ComFimDeLinha("0\nEOF\n"));
    int livre = ::dup(0); // the lowest free descriptor: all below it are in use
    ::close(livre);
    rlimit limite = antes;
    limite.rlim_cur = static_cast<rlim_t>(livre);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limite), 0);
    auto erro = CarregaArquivo(arquivo.Nome());
    setrlimit(RLIMIT_NOFILE, &antes);
    EXPECT_EQ(erro, "Too many open files");
}

TEST(Abertura, AcessoNegado) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    ArquivoTemporario arquivo("0\r\nEOF\r\n");
    fs::permissions(arquivo.Nome(), fs::perms::none);
    EXPECT_EQ(CarregaArquivo(arquivo.Nome()), "File access denied");
}

// The file is closed after success and failure. An end inside an element keeps what was read
// before it; a Ctrl-Z ends the input as the physical end does.
TEST(FimPrematuro, GuardaOQueFoiLidoEFechaOArquivo) {
    const auto descritores = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    const auto antes = descritores();
    const std::string duas = SoEntidades(LinhaDXF + LinhaDXF);
    const std::pair<std::string, std::string_view> casos[] = {
        {SoEntidades(LinhaDXF), R"({"/Erro": null})"},
        {SoEntidades("0\nLINE\n10\nx\n"), R"({"/Erro": "Invalid numeric input"})"},
        {duas.substr(0, duas.rfind("0\nLINE") + 20),
         R"({"/Erro": "Unexpected end of file: the file is incomplete", "/Linhas": 1,
             "/Extremos/3": 4})"},
        {SoEntidades(LinhaDXF).substr(0, 20) + "\x1A" + SoEntidades(LinhaDXF),
         R"({"/Erro": "Unexpected end of file: the file is incomplete"})"},
        {"", R"({"/Erro": "Unexpected end of file: the file is incomplete"})"}};
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        Confere(texto, esperado);
        EXPECT_EQ(descritores(), antes);
    }
}

} // namespace
