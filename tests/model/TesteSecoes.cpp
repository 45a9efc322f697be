// Sections, skipping, the LAYER table and the configuration block after 0/EOF.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

std::string Secao(std::string_view nome, std::string_view corpo) {
    return "0\nSECTION\n2\n" + std::string(nome) + "\n" + std::string(corpo) + "0\nENDSEC\n";
}

std::string Tabela(std::string_view nome, std::string_view entradas) {
    return "0\nTABLE\n2\n" + std::string(nome) + "\n70\n3\n" + std::string(entradas) +
           "0\nENDTAB\n";
}

TEST(Secao, SoOsConteudosConhecidosSaoLidos) {
    const std::pair<std::string, std::string_view> casos[] = {
        {"0\nEOF\n", R"({"/Erro": null, "/Linhas": 0, "/Camadas": 0,
                         "/Extremos": [50000, 50000, 50000, -50000, -50000, -50000]})"},
        // Skipped whole; "SECTION" under code 5 still opens a section, " SECTION" does not.
        {Secao("HEADER", "9\n$ACADVER\n1\nAC1009\n" + LinhaDXF) +
             Secao("CLASSES", "0\nCLASS\n1\nX\n0\nSECTION\n2\nENTITIES\n" + LinhaDXF) +
             Secao("OBJECTS", LinhaDXF + "0\nENDTAB\n") + "5\nSECTION\n2\nENTITIES\n" + LinhaDXF +
             "0\nENDSEC\n0\n SECTION\n2\nENTITIES\n" + LinhaDXF + "0\nENDSEC\n0\nEOF\n",
         R"({"/Linhas": 1})"},
        // Only the LAYER table, in file order; switched off (negative) is yellow; a line never
        // takes its layer's colour.
        {Secao("TABLES", Tabela("LTYPE", "0\nLTYPE\n2\nCONTINUOUS\n70\n0\n") +
                             Tabela("LAYER", "0\nLAYER\n2\nL\n70\n0\n62\n1\n6\nCONTINUOUS\n"
                                             "0\nLAYER\n2\nB\n70\n0\n6\nCONTINUOUS\n"
                                             "0\nLAYER\n2\nC\n62\n-7\n") +
                             Tabela("STYLE", "0\nSTYLE\n2\nSTANDARD\n")) +
             SoEntidades(LinhaDXF),
         R"({"/Camadas": [{"Nome": "L", "Cor": [1, 0, 0]}, {"Nome": "B", "Cor": null},
                          {"Nome": "C", "Cor": [1, 1, 0]}],
             "/Linhas/0/Cor": null})"},
        // An empty table; a foreign entry keeps the entries before it and the rest of the
        // table is skipped as plain groups.
        {Secao("TABLES", Tabela("LAYER", "") +
                             Tabela("LAYER", "0\nLAYER\n2\nA\n0\nSTYLE\n2\nS\n0\nLAYER\n2\nB\n") +
                             Tabela("LAYER", "0\nLAYER\n2\nC\n")) +
             SoEntidades(LinhaDXF),
         R"({"/Camadas": [{"Nome": "A", "Cor": null}, {"Nome": "C", "Cor": null}],
             "/Linhas": 1})"}};
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        ASSERT_EQ(Carrega(SoEntidades(LinhaDXF)), std::nullopt); // something to be replaced
        Confere(texto, esperado);
    }
}

// After 0/EOF the drawing is complete: a configuration block may follow, and nothing there
// fails the load. A bad, too large or missing value ends the block and keeps what was set
// before it; keys the block lacks keep their values from the load before.
TEST(Configuracao, ChavesDoBlocoDepoisDoFim) {
    const std::pair<std::string, std::string_view> casos[] = {
        {"0\nEOF\n999\nCONFIG\n1\nXINI\n40\n1\n1\nYINI\n40\n2\n1\nZINI\n40\n3\n1\nVBAIXA\n40\n4\n"
         "1\nVMEDIA\n40\n5\n1\nCOR\n40\n6\n1\nVALTA\n40\n6\n1\nALTURA\n70\n7\n"
         "1\nangulo\n70\n1\n1\nANGULO\n70\n8\n",
         R"({"/Configuracao": {"XIni": 1, "YIni": 2, "ZIni": 3, "VBaixa": 4, "VMedia": 5,
                               "VAlta": 6, "Altura": 7, "Angulo": 8}})"},
        {"0\nEOF\n999\nCONFIG\n1\nALTURA\n70\n3\n",
         R"({"/Configuracao/XIni": 1, "/Configuracao/Altura": 3})"},
        {"999\nCONFIG\n1\nXINI\n40\n7\n0\nEOF\n", R"({"/Configuracao/XIni": 1})"}, // before EOF
        {SoEntidades(LinhaDXF) +
             "999\nCONFIG\n1\nXINI\n40\n1.5\n1\nALTURA\n70\n3.5\n1\nYINI\n40\n9\n",
         R"({"/Erro": null, "/Linhas": 1, "/Configuracao/XIni": 1.5, "/Configuracao/YIni": 2,
             "/Configuracao/Altura": 3})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n40\n1e39\n", R"({"/Erro": null})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n40\n", R"({"/Erro": null})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n", R"({"/Erro": null})"},
        {"0\nEOF\nthis is not\na group at all\n", R"({"/Erro": null})"},
        {"0\nEOF\n\n\n", R"({"/Erro": null})"},
        {"0\nEOF", R"({"/Erro": null, "/Configuracao/YIni": 2})"}}; // no line end at the end
    Configuracao = TConfiguracao{};
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        Confere(texto, esperado);
    }
}

} // namespace
