// The dxfdump tool: its JSON, exit status and usage.
#include "Ajuda.h"
#include "DumpJSON.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

const std::string TodasAsEntidades = std::string(VISTREL_SAMPLES_DIR) + "/todas_as_entidades.dxf";

using Chaves = std::vector<std::string>;
Chaves ChavesDe(const Json& objeto) { // in order
    Chaves chaves;
    for (const auto& [nome, valor] : objeto.items())
        chaves.push_back(nome);
    return chaves;
}

struct Saida {
    int status;
    std::string texto;
};

Saida Executa(const std::string& argumentos) {
    std::string comando = std::string(DXFDUMP) + " " + argumentos + " 2>/dev/null";
    FILE* tubo = ::popen(comando.c_str(), "r");
    Saida s{};
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, tubo)) > 0;)
        s.texto.append(buf, n);
    s.status = WEXITSTATUS(::pclose(tubo));
    return s;
}

// The keys of the model and of the elements whose every field the reader's tests do not
// already compare in order.
TEST(Dump, ChavesEmOrdem) {
    ASSERT_EQ(CarregaArquivo(TodasAsEntidades), std::nullopt);
    const Json j = ModeloLido();
    const std::pair<Json, Chaves> casos[] = {
        {j,
         {"Erro", "Linha", "Extremos", "Configuracao", "Camadas", "Faces3D", "Linhas", "Arcos",
          "Circulos", "PolyLines", "Blocos", "Inserts"}},
        {j["Faces3D"][0], {"Camada", "Cor", "Pontos"}},
        {j["Circulos"][0], {"Camada", "Cor", "Centro", "Raio"}},
        {j["PolyLines"][0],
         {"Camada", "Cor", "Flags", "VerticesSeguem", "ContM", "ContN", "DensM", "DensN",
          "Elevacao", "Vertices", "Faces"}},
        {j["Blocos"][0],
         {"Nome", "Flags", "Camada", "Cor", "Base", "FacesBloco", "LinhasBloco", "ArcosBloco",
          "CirculosBloco", "PolyLinesBloco"}}};
    for (const auto& [objeto, chaves] : casos)
        EXPECT_EQ(ChavesDe(objeto), chaves);
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

// The tool prints what the model holds after its load, and says by its status how it went.
// The configuration outlives a load: here it starts as in the tool.
TEST(Dump, ContagensStatusDeSaidaEUso) {
    Configuracao = TConfiguracao{};
    ASSERT_EQ(CarregaArquivo(TodasAsEntidades), std::nullopt);
    const Saida ok = Executa("--counts " + TodasAsEntidades);
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.texto, ModeloEmJSON(std::nullopt, true));

    ArquivoTemporario ruim(ComFimDeLinha(SoEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n")));
    Configuracao = TConfiguracao{};
    const auto erro = CarregaArquivo(ruim.Nome());
    ASSERT_EQ(erro, "Invalid numeric input");
    const Saida falha = Executa(ruim.Nome());
    EXPECT_EQ(falha.status, 1);
    EXPECT_EQ(falha.texto, ModeloEmJSON(erro, false, 24)); // the model as far as read, the line
    EXPECT_EQ(Executa("/nao/existe.dxf").status, 1);
    for (std::string uso : {std::string(), "--bad " + ruim.Nome(), ruim.Nome() + " " + ruim.Nome()})
        EXPECT_EQ(Executa(uso).status, 2) << uso;
}

} // namespace
