// The dxfdump tool: its JSON, exit status and usage.
#include "Ajuda.h"
#include "DumpJSON.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

const std::string TodasAsEntidades = std::string(VISTREL_SAMPLES_DIR) + "/todas_as_entidades.dxf";

// The tool's exit status and output.
std::pair<int, std::string> Executa(const std::string& argumentos) {
    return ExecutaComando(std::string(DXFDUMP) + " " + argumentos);
}

TEST(Dump, TextosEmAsciiERealsQueSeLeemDeVolta) {
    ArquivoTemporario arquivo(
        "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\nA\"\\\x01\xE9\x7F~\r\n"
        "10\r\n0.1\r\n20\r\n-123456.789012345\r\n30\r\n1e-30\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
    ASSERT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt);
    const std::string json = ModeloEmJSON(std::string("Erro\n"), false);
    for (unsigned char c : json)
        ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);
    EXPECT_NE(json.find(R"("Camada":"A\"\\\u0001\u00E9\u007F~")"), std::string::npos);
    EXPECT_NE(json.find(R"("Erro":"Erro\u000A")"), std::string::npos);
    EXPECT_NE(json.find("[0.10000000000002274,"), std::string::npos); // 0.1 as a Real holds it

    const Json p = Json::parse(json)["Linhas"][0]["P1"];
    EXPECT_EQ((std::array<double, 3>{p[0], p[1], p[2]}),
              (std::array{Linhas[0].P1->X.ComoDouble(), Linhas[0].P1->Y.ComoDouble(),
                          Linhas[0].P1->Z.ComoDouble()}));
}

// The tool prints the model after its load; its status says how it went.
TEST(Dump, ContagensStatusDeSaidaEUso) {
    Configuracao = TConfiguracao{}; // it outlives a load: start as the tool does
    ASSERT_EQ(CarregaArquivo(TodasAsEntidades), std::nullopt);
    EXPECT_EQ(Executa("--counts " + TodasAsEntidades),
              std::pair(0, ModeloEmJSON(std::nullopt, true)));

    ArquivoTemporario ruim(ComFimDeLinha(SoEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n")));
    Configuracao = TConfiguracao{};
    const auto erro = CarregaArquivo(ruim.Nome());
    ASSERT_EQ(erro, "Invalid numeric input");
    // The model as far as read, and the line.
    EXPECT_EQ(Executa(ruim.Nome()), std::pair(1, ModeloEmJSON(erro, false, 24)));
    EXPECT_EQ(Executa("/nao/existe.dxf").first, 1);
    for (std::string uso : {std::string(), "--bad " + ruim.Nome(), ruim.Nome() + " " + ruim.Nome()})
        EXPECT_EQ(Executa(uso).first, 2) << uso;
}

} // namespace
