// Failures: their messages, the model kept, the file closed, and no hang at the end of input.
#include "Ajuda.h"
#include "Arquivo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Incompleto = "Unexpected end of file: the file is incomplete";

int DescritoresAbertos() {
    return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TEST(Abertura, MissingFileMissingFolderAndAFolder) {
    ASSERT_EQ(Carrega(SoEntidades(LinhaDXF)), std::nullopt);
    fs::path pasta = fs::temp_directory_path();
    EXPECT_EQ(CarregaArquivo((pasta / "nao-existe.dxf").string()), "File not found");
    EXPECT_EQ(Linhas.Count(), 0); // the lists were replaced before opening
    EXPECT_EQ(ExtremosLidos(), SemExtremos);
    EXPECT_EQ(CarregaArquivo((pasta / "pasta-que-nao-existe" / "a.dxf").string()),
              "Invalid filename");
    EXPECT_EQ(CarregaArquivo(pasta.string()), "I/O error 21");
}

TEST(Abertura, TooManyOpenFiles) {
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

TEST(Abertura, AccessDeniedAndNotAFolder) {
    EXPECT_EQ(MensagemDeAbertura(EACCES, "x.dxf"), "File access denied");
    EXPECT_EQ(MensagemDeAbertura(ENOTDIR, "a/x.dxf"), "Invalid filename");
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    ArquivoTemporario arquivo("0\r\nEOF\r\n");
    fs::permissions(arquivo.Nome(), fs::perms::none);
    EXPECT_EQ(CarregaArquivo(arquivo.Nome()), "File access denied");
}

TEST(Abertura, TheFileIsClosedAfterSuccessAndFailure) {
    const int antes = DescritoresAbertos();
    const std::pair<std::string, std::optional<std::string>> casos[] = {
        {SoEntidades(LinhaDXF), std::nullopt},
        {SoEntidades("0\nLINE\n10\nx\n"), "Invalid numeric input"},
        {SoEntidades(LinhaDXF).substr(0, 40), Incompleto}};
    for (const auto& [texto, erro] : casos) {
        ASSERT_EQ(Carrega(texto), erro);
        EXPECT_EQ(DescritoresAbertos(), antes);
    }
}

TEST(FimPrematuro, KeepsWhatWasReadWithoutTheElementBeingRead) {
    std::string texto = SoEntidades(LinhaDXF + LinhaDXF);
    texto = texto.substr(0, texto.rfind("0\nLINE") + 20); // inside the second LINE
    EXPECT_EQ(Carrega(texto), Incompleto);
    EXPECT_EQ(Linhas.Count(), 1);
    EXPECT_EQ(static_cast<long double>(XMax), 4);

    EXPECT_EQ(Carrega(SoEntidades(LinhaDXF).substr(0, 20) + "\x1A" + SoEntidades(LinhaDXF)),
              Incompleto);
    EXPECT_EQ(Carrega(""), Incompleto);
}

} // namespace
