#include "Ajuda.h"

#include <cstdio>
#include <sys/wait.h>

#include "DumpJSON.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

ArquivoTemporario::ArquivoTemporario(std::string_view conteudo) {
    static std::atomic<int> contador{0};
    nome_ = (std::filesystem::temp_directory_path() / ("dxf-teste-" + std::to_string(::getpid()) +
                                                       "-" + std::to_string(contador++) + ".dxf"))
                .string();
    std::ofstream(nome_, std::ios::binary).write(conteudo.data(), std::streamsize(conteudo.size()));
}

ArquivoTemporario::~ArquivoTemporario() {
    std::error_code erro;
    std::filesystem::remove(nome_, erro);
}

std::string ComFimDeLinha(std::string_view linhas, std::string_view fimDeLinha) {
    std::string texto;
    for (char c : linhas)
        c == '\n' ? texto += fimDeLinha : texto += c;
    return texto;
}

std::optional<ErroDXF> ErroAoCarregar(const std::string& nome, std::size_t tamanhoLeitura) {
    try {
        CarregaDXF(nome, tamanhoLeitura);
    } catch (const ErroDXF& e) {
        return e;
    }
    return std::nullopt;
}

std::optional<std::string> CarregaArquivo(const std::string& nome, std::size_t tamanhoLeitura) {
    if (const auto erro = ErroAoCarregar(nome, tamanhoLeitura)) return erro->what();
    return std::nullopt;
}

std::optional<std::string> Carrega(std::string_view linhas) {
    ArquivoTemporario arquivo(ComFimDeLinha(linhas));
    return CarregaArquivo(arquivo.Nome());
}

std::string SoEntidades(std::string_view corpo) {
    return "0\nSECTION\n2\nENTITIES\n" + std::string(corpo) + "0\nENDSEC\n0\nEOF\n";
}

Json ModeloLido(const std::optional<std::string>& erro) {
    return Json::parse(ModeloEmJSON(erro, false));
}

void Confere(std::string_view linhas, std::string_view esperado) {
    const Json modelo = ModeloLido(Carrega(linhas)), lugares = Json::parse(esperado);
    for (const auto& [onde, valor] : lugares.items()) {
        const Json::json_pointer ponteiro(onde);
        ASSERT_TRUE(modelo.contains(ponteiro)) << onde;
        const Json& lido = modelo[ponteiro];
        if (lido.is_array() && valor.is_number())
            EXPECT_EQ(lido.size(), valor) << onde;
        else
            EXPECT_EQ(lido, valor) << onde;
    }
}

std::pair<int, std::string> ExecutaComando(const std::string& comando) {
    FILE* tubo = ::popen((comando + " 2>/dev/null").c_str(), "r");
    std::string texto;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, tubo)) > 0;)
        texto.append(buf, n);
    return {WEXITSTATUS(::pclose(tubo)), texto};
}
