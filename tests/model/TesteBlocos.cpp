// Block definitions of the BLOCKS section.
#include "Ajuda.h"

#include <gtest/gtest.h>

namespace {

const std::string Circulo = "0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n5\n";

std::string Bloco(std::string_view nome, std::string_view corpo, std::string_view base = "0") {
    return "0\nBLOCK\n8\n0\n2\n" + std::string(nome) + "\n70\n0\n10\n" + std::string(base) +
           "\n20\n20\n30\n0\n3\n" + std::string(nome) + "\n" + std::string(corpo) +
           "0\nENDBLK\n8\n0\n";
}

std::string Blocos(std::string_view corpo, std::string_view depois = "0\nEOF\n") {
    return "0\nSECTION\n2\nBLOCKS\n" + std::string(corpo) + "0\nENDSEC\n" + std::string(depois);
}

TEST(Bloco, ElementosVaoParaAsListasDoBloco) {
    const std::pair<std::string, std::string_view> casos[] = {
        // By kind; nothing reaches the global lists, a nested insertion leaves no trace, the
        // base point counts in the extents.
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
        Confere(texto, esperado);
    }
}

} // namespace
