// The dxfdump tool and the sample drawings.
#include "Ajuda.h"
#include "DumpJSON.h"
#include "JsonMinimo.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string Amostra(const char* nome) {
    return std::string(VISTREL_SAMPLES_DIR) + "/" + nome;
}

std::vector<std::string> Chaves(const Json& objeto) { // in order
    std::vector<std::string> chaves;
    for (const auto& [nome, valor] : objeto.membros)
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

TEST(Dump, KeysInOrderAndTheShapeOfTheCompoundElements) {
    ASSERT_EQ(CarregaArquivo(Amostra("todas_as_entidades.dxf")), std::nullopt);
    Json j = Json::Le(ModeloEmJSON(std::nullopt, false));
    const Json& poly = j["PolyLines"][0];
    using V = std::vector<std::string>;
    const std::pair<const Json*, V> casos[] = {
        {&j,
         {"Erro", "Extremos", "Configuracao", "Camadas", "Faces3D", "Linhas", "Arcos", "Circulos",
          "PolyLines", "Blocos", "Inserts"}},
        {&j["Blocos"][0]["LinhasBloco"][0], {"Camada", "Cor", "P1", "P2"}},
        {&poly,
         {"Camada", "Cor", "Flags", "VerticesSeguem", "ContM", "ContN", "DensM", "DensN",
          "Elevacao", "Vertices", "Faces"}},
        {&j["Blocos"][0],
         {"Nome", "Flags", "Camada", "Cor", "Base", "FacesBloco", "LinhasBloco", "ArcosBloco",
          "CirculosBloco", "PolyLinesBloco"}},
        {&j["Inserts"][0],
         {"Camada", "Cor", "NomeBloco", "Ponto", "Extrusao", "EscalaX", "EscalaY", "EscalaZ",
          "Rotacao", "NumColunas", "NumLinhas", "EspColunas", "EspLinhas"}}};
    for (const auto& [objeto, chaves] : casos)
        EXPECT_EQ(Chaves(*objeto), chaves);
    EXPECT_TRUE(j["Erro"].Nulo() && j["Inserts"][0]["Extrusao"].Nulo() &&
                j["Linhas"][1]["Cor"].Nulo());
    EXPECT_EQ(j["Extremos"].itens.size(), 6u);

    ASSERT_EQ(Carrega(SoEntidades("0\nPOLYLINE\n70\n64\n0\nVERTEX\n71\n1\n72\n-2\n0\nSEQEND\n")),
              std::nullopt);
    Json f = Json::Le(ModeloEmJSON(std::nullopt, false))["PolyLines"][0]["Faces"][0];
    EXPECT_EQ(Chaves(f), (V{"Camada", "Cor", "V1", "V2", "V3", "V4"}));
    EXPECT_EQ(f["V2"].numero, -2);
}

TEST(Dump, TextsAreAsciiAndRealsReadBackExactly) {
    ASSERT_EQ(
        CarregaBytes("0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\nA\"\\\x01\xE9\x7F~\r\n"
                     "10\r\n0.1\r\n20\r\n-123456.789012345\r\n30\r\n1e-30\r\n0\r\nENDSEC\r\n"
                     "0\r\nEOF\r\n"),
        std::nullopt);
    std::string json = ModeloEmJSON(std::string("Erro\n"), false);
    for (unsigned char c : json)
        ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);
    EXPECT_NE(json.find(R"("Camada":"A\"\\\u0001\u00E9\u007F~")"), std::string::npos);
    EXPECT_NE(json.find(R"("Erro":"Erro\u000A")"), std::string::npos);

    Json j = Json::Le(json);
    EXPECT_EQ(j["Linhas"][0]["Camada"].texto, "A\"\\\x01\xE9\x7F~");
    const Json& p = j["Linhas"][0]["P1"];
    EXPECT_EQ((Tripla{p[0].numero, p[1].numero, p[2].numero}), Em(Linhas[0].P1));
    EXPECT_NE(json.find("[0.10000000000002274,"), std::string::npos); // 0.1 as a Real holds it
}

TEST(Dump, CountsExitStatusAndUsage) {
    Saida ok = Executa("--counts " + Amostra("todas_as_entidades.dxf"));
    EXPECT_EQ(ok.status, 0);
    Json j = Json::Le(ok.texto);
    EXPECT_EQ((std::array{j["Camadas"].numero, j["Faces3D"].numero, j["Inserts"].numero}),
              (std::array{4.0, 2.0, 2.0}));
    ASSERT_EQ(j["Blocos"].itens.size(), 1u); // each block's own lists counted
    EXPECT_EQ(Chaves(j["Blocos"][0]),
              (std::vector<std::string>{"Nome", "FacesBloco", "LinhasBloco", "ArcosBloco",
                                        "CirculosBloco", "PolyLinesBloco"}));
    EXPECT_EQ(j["Blocos"][0]["LinhasBloco"].numero, 2);

    ArquivoTemporario ruim(ComFimDeLinha(SoEntidades(LinhaDXF + "0\nLINE\n10\n1,5\n")));
    Saida falha = Executa(ruim.Nome());
    EXPECT_EQ(falha.status, 1);
    j = Json::Le(falha.texto);
    EXPECT_EQ(j["Erro"].texto, "Invalid numeric input");
    EXPECT_EQ(j["Linhas"].itens.size(), 1u); // the model as far as read
    EXPECT_EQ(Executa("/nao/existe.dxf").status, 1);
    for (std::string uso : {std::string(), "--bad " + ruim.Nome(), ruim.Nome() + " " + ruim.Nome()})
        EXPECT_EQ(Executa(uso).status, 2) << uso;
}

// Every sample gives the same model whatever its line ends and the size of the pieces it
// is read in: line ends, tokens and the CR of a CR LF pair fall on every piece boundary.
TEST(Amostras, LoadAlikeWithAnyLineEndInPiecesOfAnySize) {
    for (const auto& entrada : fs::directory_iterator(VISTREL_SAMPLES_DIR)) {
        if (entrada.path().extension() != ".dxf") continue;
        SCOPED_TRACE(entrada.path().filename().string());
        ASSERT_LT(fs::file_size(entrada.path()), 20'000u);
        CarregaDXF(entrada.path().string());
        const std::string inteiro = ModeloEmJSON(std::nullopt, false);
        std::ifstream f(entrada.path(), std::ios::binary);
        std::string linhas((std::istreambuf_iterator<char>(f)), {});
        std::erase(linhas, '\r');
        for (const char* fim : {"\r\n", "\n", "\r"}) {
            ArquivoTemporario arquivo(ComFimDeLinha(linhas, fim));
            for (std::size_t pedaco : {1, 2, 3, 7, 100}) {
                CarregaDXF(arquivo.Nome(), pedaco);
                EXPECT_EQ(ModeloEmJSON(std::nullopt, false), inteiro) << pedaco;
            }
        }
    }
}

// The samples the display tests draw: the probe line (parallel to Z at 4, 3 from the middle of
// the extents) crosses one face of the inserted plate, below the camera; the block is inserted
// moved, scaled and about X; the polyface cube has 8 vertices and 6 faces.
TEST(Amostras, HoldWhatTheDisplayTestsDraw) {
    ASSERT_EQ(CarregaArquivo(Amostra("placa_cruzada_pela_sonda.dxf")), std::nullopt);
    const long double x = (XMin + XMax) / 2 + 4, y = (YMin + YMax) / 2 + 3;
    const long double camZ = ZMax + (ZMin + (ZMax - ZMin) / 2);
    ASSERT_EQ(Inserts.Count(), 1);
    const TPonto3D& o = *Inserts[0].Ponto;
    ASSERT_EQ(Blocos[0].Nome, Inserts[0].NomeBloco);
    int cruzadas = 0;
    for (const TFace3D& f : Blocos[0].FacesBloco) {
        const TPonto3D &a = f.Pontos[0], &b = f.Pontos[2];
        if (x > a.X + o.X && x < b.X + o.X && y > a.Y + o.Y && y < b.Y + o.Y) {
            ++cruzadas;
            EXPECT_LT(a.Z + o.Z, camZ);
            EXPECT_GE(b.X - a.X, 100); // large enough to see the marker on it
        }
    }
    EXPECT_EQ(cruzadas, 1);

    ASSERT_EQ(CarregaArquivo(Amostra("bloco_inserido_varias_vezes.dxf")), std::nullopt);
    bool transladado = false, escalado = false, eixoX = false;
    for (const TInsert& i : Inserts) {
        EXPECT_EQ(i.NomeBloco, "CASA");
        transladado |= i.Ponto->X != 0 || i.Ponto->Y != 0;
        escalado |= i.EscalaX != 1;
        eixoX |= i.Extrusao && i.Extrusao->X == 1 && i.Rotacao != 0;
    }
    EXPECT_TRUE(transladado && escalado && eixoX);
    ASSERT_EQ(CarregaArquivo(Amostra("malha_poliface_cubo.dxf")), std::nullopt);
    EXPECT_EQ((std::array{PolyLines[0].Flags & 64, PolyLines[0].Vertices.Count(),
                          PolyLines[0].Faces.Count()}),
              (std::array{64, 8, 6}));
}

} // namespace
