// dxfdump --cena: what the full drawing mode draws of a file, its exit status and usage.
#include "Ajuda.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// The tool's exit status and output.
std::pair<int, std::string> Executa(const std::string& argumentos) {
    return ExecutaComando(std::string(DXFDUMP) + " " + argumentos);
}

// A line 5 long from (1, 2, 3) and a body the mode cannot draw.
const std::string LinhaESolido =
    "0\nLINE\n8\nL\n10\n1\n20\n2\n30\n3\n11\n4\n21\n6\n31\n3\n0\n3DSOLID\n8\nL\n";

TEST(DumpDaCena, MedidasExtremosEIgnoradosEmJSON) {
    ArquivoTemporario arquivo(ComFimDeLinha(SoEntidades(LinhaESolido)));
    const auto [status, texto] = Executa("--cena " + arquivo.Nome());
    EXPECT_EQ(status, 0);
    const Json cena = Json::parse(texto);
    EXPECT_EQ(cena["erro"], nullptr);
    EXPECT_EQ(cena["linha"], nullptr);
    EXPECT_EQ(cena["extremos"], Json::parse("[1, 2, 3, 4, 6, 3]"));
    EXPECT_EQ(cena["tipos"],
              Json::parse(R"({"3DSOLID": {"n": 1}, "LINE": {"n": 1, "comprimento": 5}})"));
    EXPECT_EQ(cena["ignorados"], Json::parse(R"({"3DSOLID": 1})"));
    EXPECT_GT(cena["tolerancia"], 0);
    EXPECT_EQ(cena["aviso"], nullptr);
}

TEST(DumpDaCena, CargaFalhaMostraOQueFoiLido) {
    ArquivoTemporario ruim(ComFimDeLinha(SoEntidades(LinhaESolido + "0\nLINE\n10\n1,5\n")));
    const auto [status, texto] = Executa("--cena " + ruim.Nome());
    EXPECT_EQ(status, 1);
    const Json cena = Json::parse(texto);
    EXPECT_EQ(cena["erro"], "Invalid numeric input");
    EXPECT_EQ(cena["linha"], 28);
    EXPECT_EQ(cena["tipos"]["LINE"]["n"], 1);

    const auto [statusVazio, vazio] = Executa("--cena /nao/existe.dxf");
    EXPECT_EQ(statusVazio, 1);
    EXPECT_EQ(Json::parse(vazio)["extremos"], nullptr);
    EXPECT_EQ(Json::parse(vazio)["tipos"], Json::object());
}

TEST(DumpDaCena, UsoErradoSai2) {
    ArquivoTemporario arquivo(ComFimDeLinha(SoEntidades(LinhaESolido)));
    for (std::string uso : {std::string("--cena"), "--cena --counts " + arquivo.Nome(),
                            "--counts --cena " + arquivo.Nome(), "--cena --cena " + arquivo.Nome()})
        EXPECT_EQ(Executa(uso).first, 2) << uso;
}

} // namespace
