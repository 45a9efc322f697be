// Sections, the LAYER table, block definitions and the configuration block after 0/EOF.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

std::string Secao(std::string_view nome, std::string_view corpo) {
    return "0\nSECTION\n2\n" + std::string(nome) + "\n" + std::string(corpo) + "0\nENDSEC\n";
}

const std::string Circulo = "0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n5\n";

std::string Bloco(std::string_view nome, std::string_view corpo, std::string_view base = "0") {
    return "0\nBLOCK\n8\n0\n2\n" + std::string(nome) + "\n70\n0\n10\n" + std::string(base) +
           "\n20\n20\n30\n0\n3\n" + std::string(nome) + "\n" + std::string(corpo) +
           "0\nENDBLK\n8\n0\n";
}

std::string Blocos(std::string_view corpo, std::string_view depois = "0\nEOF\n") {
    return Secao("BLOCKS", corpo) + std::string(depois);
}

std::string Tabela(std::string_view nome, std::string_view entradas) {
    return "0\nTABLE\n2\n" + std::string(nome) + "\n70\n3\n" + std::string(entradas) +
           "0\nENDTAB\n";
}

TEST(Secao, SoOsConteudosConhecidosCamadasEBlocosSaoLidos) {
    const std::pair<std::string, std::string_view> casos[] = {
        {"0\nEOF\n", R"({"/Erro": null, "/Linhas": 0, "/Camadas": 0,
                         "/Extremos": [50000, 50000, 50000, -50000, -50000, -50000]})"},
        // Skipped whole; "SECTION" under code 5 still opens a section, " SECTION" does not.
        {Secao("HEADER", "9\n$ACADVER\n1\nAC1009\n" + LinhaDXF) +
             Secao("CLASSES", "0\nCLASS\n1\nX\n0\nSECTION\n2\nENTITIES\n" + LinhaDXF) +
             Secao("OBJECTS", LinhaDXF + "0\nENDTAB\n") + "5\nSECTION\n2\nENTITIES\n" + LinhaDXF +
             "0\nENDSEC\n0\n SECTION\n2\nENTITIES\n" + LinhaDXF + "0\nENDSEC\n0\nEOF\n",
         R"({"/Linhas": 1})"},
        // The LAYER table in file order; switched off is yellow; lines keep their own colour.
        {Secao("TABLES", Tabela("LTYPE", "0\nLTYPE\n2\nCONTINUOUS\n70\n0\n") +
                             Tabela("LAYER", "0\nLAYER\n2\nL\n70\n0\n62\n1\n6\nCONTINUOUS\n"
                                             "0\nLAYER\n2\nB\n70\n0\n6\nCONTINUOUS\n"
                                             "0\nLAYER\n2\nC\n62\n-7\n") +
                             Tabela("STYLE", "0\nSTYLE\n2\nSTANDARD\n")) +
             SoEntidades(LinhaDXF),
         R"({"/Camadas": [{"Nome": "L", "Cor": [1, 0, 0]}, {"Nome": "B", "Cor": null},
                          {"Nome": "C", "Cor": [1, 1, 0]}],
             "/Linhas/0/Cor": null})"},
        // An empty table; after a foreign entry the table is read as plain groups.
        {Secao("TABLES", Tabela("LAYER", "") +
                             Tabela("LAYER", "0\nLAYER\n2\nA\n0\nSTYLE\n2\nS\n0\nLAYER\n2\nB\n") +
                             Tabela("LAYER", "0\nLAYER\n2\nC\n")) +
             SoEntidades(LinhaDXF),
         R"({"/Camadas": [{"Nome": "A", "Cor": null}, {"Nome": "C", "Cor": null}],
             "/Linhas": 1})"},
        // Blocks: by kind; nothing reaches the global lists, a nested insertion leaves no trace,
        // the base point counts in the extents.
        {Blocos(Bloco("CASA",
                      LinhaDXF + Circulo + LinhaDXF + "0\nINSERT\n2\nOUTRO\n10\n0\n20\n0\n30\n0\n" +
                          "0\nTEXT\n1\nx\n0\n3DFACE\n10\n0\n20\n0\n30\n0\n" +
                          "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n" +
                          "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n0\nSEQEND\n",
                      "-10")),
         R"({"/Blocos": 1, "/Blocos/0/Nome": "CASA", "/Blocos/0/Camada": "0",
             "/Blocos/0/Base": [-10, 20, 0], "/Blocos/0/LinhasBloco": 2,
             "/Blocos/0/CirculosBloco": 1, "/Blocos/0/FacesBloco": 1, "/Blocos/0/ArcosBloco": 1,
             "/Blocos/0/PolyLinesBloco/0/Vertices": 1, "/Linhas": 0, "/Circulos": 0,
             "/Inserts": 0, "/Extremos/0": -10})"},
        // The same name twice; the later name group wins; old and LibreCAD files give a base
        // point as 10/20 only, right before the name group 3.
        {Blocos(Bloco("A", LinhaDXF) + Bloco("A", Circulo) +
                "0\nBLOCK\n2\n*D2\n3\n*D\n0\nENDBLK\n" +
                "0\nBLOCK\n2\nZ\n70\n0\n10\n1\n20\n2\n3\nZ\n" + LinhaDXF + "0\nENDBLK\n"),
         R"({"/Blocos": 4, "/Blocos/0/LinhasBloco": 1, "/Blocos/1/CirculosBloco": 1,
             "/Blocos/2/Nome": "*D", "/Blocos/2/Base": null, "/Blocos/3/Base": [1, 2, 0],
             "/Blocos/3/LinhasBloco": 1})"},
        {Blocos(""), R"({"/Erro": null, "/Blocos": 0})"},
        // Extents: a block's points, an insertion's point, a vertex; not scales, extrusions or
        // radii.
        {Blocos(
             "0\nBLOCK\n2\nB\n10\n-5\n20\n0\n30\n0\n0\nLINE\n10\n0\n20\n-6\n30\n0\n11\n0\n20\n0\n"
             "0\nENDBLK\n",
             SoEntidades("0\nINSERT\n2\nB\n10\n7\n20\n0\n30\n0\n41\n100\n210\n99\n"
                         "0\nPOLYLINE\n10\n0\n20\n0\n30\n-8\n"
                         "0\nVERTEX\n10\n0\n20\n9\n30\n0\n71\n1\n0\nSEQEND\n"
                         "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1000\n")),
         R"({"/Extremos": [-5, -6, -8, 7, 9, 0]})"},
        // After a foreign record the rest of the section is read by the top-level loop, which
        // acts only on "SECTION" and "EOF": the ENTITIES section after it is read normally.
        {Blocos(Bloco("A", LinhaDXF) + "0\nLINE\n10\n1\n20\n1\n30\n1\n" + Bloco("B", LinhaDXF),
                SoEntidades(LinhaDXF)),
         R"({"/Erro": null, "/Blocos": 1, "/Linhas": 1})"},
        // A bad number drops the block being read.
        {Blocos(Bloco("A", LinhaDXF) + Bloco("B", "0\nCIRCLE\n40\nabc\n")),
         R"({"/Erro": "Invalid numeric input", "/Blocos": 1, "/Blocos/0/Nome": "A"})"}};
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        ASSERT_EQ(Carrega(SoEntidades(LinhaDXF)), std::nullopt); // something to be replaced
        Confere(texto, esperado);
    }
}

// A configuration block after 0/EOF never fails the load: a bad value ends it; keys it lacks
// are 0, whatever the load before held.
TEST(Configuracao, ChavesDoBlocoDepoisDoFim) {
    const std::pair<std::string, std::string_view> casos[] = {
        {"0\nEOF\n999\nCONFIG\n1\nXINI\n40\n1\n1\nYINI\n40\n2\n1\nZINI\n40\n3\n1\nVBAIXA\n40\n4\n"
         "1\nVMEDIA\n40\n5\n1\nCOR\n40\n6\n1\nVALTA\n40\n6\n1\nALTURA\n70\n7\n"
         "1\nangulo\n70\n1\n1\nANGULO\n70\n8\n",
         R"({"/Configuracao": {"XIni": 1, "YIni": 2, "ZIni": 3, "VBaixa": 4, "VMedia": 5,
                               "VAlta": 6, "Altura": 7, "Angulo": 8}})"},
        {"0\nEOF\n999\nCONFIG\n1\nALTURA\n70\n3\n",
         R"({"/Configuracao/XIni": 0, "/Configuracao/Altura": 3})"},
        {"999\nCONFIG\n1\nXINI\n40\n7\n0\nEOF\n", R"({"/Configuracao/XIni": 0})"}, // before EOF
        {SoEntidades(LinhaDXF) +
             "999\nCONFIG\n1\nXINI\n40\n1.5\n1\nALTURA\n70\n3.5\n1\nYINI\n40\n9\n",
         R"({"/Erro": null, "/Linhas": 1, "/Configuracao/XIni": 1.5, "/Configuracao/YIni": 0,
             "/Configuracao/Altura": 0})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n40\n1e39\n", R"({"/Erro": null})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n40\n", R"({"/Erro": null})"},
        {"0\nEOF\n999\nCONFIG\n1\nYINI\n", R"({"/Erro": null})"},
        {"0\nEOF\nthis is not\na group at all\n", R"({"/Erro": null})"},
        {"0\nEOF\n\n\n", R"({"/Erro": null})"},
        {"0\nEOF", R"({"/Erro": null, "/Configuracao/YIni": 0})"}}; // no line end at the end
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        Confere(texto, esperado);
    }
}

} // namespace
