// What the reader keeps for the full drawing: the kinds and groups that the default picture
// skips, read leniently, without changing the default model (lists, extents, errors).
#include "Ajuda.h"

#include <array>
#include <gtest/gtest.h>
#include <unordered_map>

namespace {

using XYZ = std::array<long double, 3>;

XYZ Xyz(const TPonto3D& p) {
    return {p.X, p.Y, p.Z};
}

std::vector<XYZ> Xyz(const std::vector<TPonto3D>& pontos) {
    std::vector<XYZ> lista;
    for (const TPonto3D& p : pontos)
        lista.push_back(Xyz(p));
    return lista;
}

// The default model that the file `linhas` gives equals that of `semCompleto`, the same file
// without what only the full drawing reads. Leaves `linhas` loaded.
void ModeloPadraoIgual(const std::string& linhas, const std::string& semCompleto) {
    ASSERT_EQ(Carrega(semCompleto), std::nullopt);
    const Json esperado = ModeloLido();
    ASSERT_EQ(Carrega(linhas), std::nullopt);
    EXPECT_EQ(ModeloLido(), esperado);
}

// Every full-drawing kind, its coordinates far outside the lines' extents.
TEST(DesenhoCompleto, TiposNovosLidosComSeusGruposSemMudarOModeloPadrao) {
    const std::string padrao = LinhaDXF + "0\nINSERT\n2\nB\n66\n1\n10\n1\n20\n1\n30\n1\n";
    const std::string novos =
        "0\nATTRIB\n8\nA\n1\ntexto\n10\n900\n0\nSEQEND\n0\nVERTEX\n10\n900\n"
        "0\n3DLINE\n8\nL3\n10\n100\n20\n200\n30\n300\n11\n-100\n21\n-200\n39\n2\n"
        "210\n0\n220\n-1\n"
        "0\nELLIPSE\n10\n100\n20\n200\n11\n30\n21\n0\n31\n0\n40\n0.5\n41\n1\n42\n2\n62\n3\n"
        "0\nSPLINE\n70\n8\n71\n2\n72\n6\n73\n3\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n"
        "41\n1\n41\n0.5\n41\n1\n10\n0\n20\n0\n30\n0\n10\n100\n20\n100\n30\n0\n10\n200\n20\n0\n"
        "30\n50\n11\n-7\n21\n-8\n"
        "0\nLWPOLYLINE\n90\n3\n70\n1\n43\n0.5\n38\n-20\n39\n4\n210\n0\n220\n0\n230\n-1\n"
        "40\n9\n10\n0\n20\n0\n40\n1\n41\n2\n10\n500\n20\n0\n42\n1\n10\n500\n20\n500\n"
        "0\nSOLID\n10\n0\n20\n0\n11\n100\n21\n0\n12\n0\n22\n100\n"
        "0\nTRACE\n10\n0\n11\n1\n12\n2\n13\n3\n33\n400\n39\n5\n"
        "0\nPOINT\n10\n700\n20\n800\n30\n900\n39\n1\n"
        "0\nMESH\n71\n2\n91\n0\n92\n3\n10\n0\n20\n0\n30\n0\n10\n100\n20\n0\n30\n0\n10\n0\n"
        "20\n100\n30\n0\n10\n999\n20\n999\n93\n4\n90\n3\n90\n0\n90\n1\n90\n2\n94\n1\n90\n0\n"
        "90\n1\n95\n1\n140\n0.5\n10\n999\n"
        "0\nDIMENSION\n8\nCOTAS\n2\n*D1\n10\n900\n0\nARC_DIMENSION\n2\n*D2\n"
        "0\nLEADER\n10\n0\n20\n0\n30\n0\n10\n100\n20\n100\n"
        "0\nTEXT\n8\nT\n62\n-70000\n1\nLINE\n10\n900\n0\n3DSOLID\n1\nacis\n";
    ModeloPadraoIgual(SoEntidades(padrao + novos), SoEntidades(padrao));

    const TElementos& m = Desenho.Modelo;
    ASSERT_EQ(m.Linhas3D.Count(), 1);
    EXPECT_EQ(m.Linhas3D[0].Camada, "L3");
    EXPECT_EQ(Xyz(*m.Linhas3D[0].P1), (XYZ{100, 200, 300}));
    EXPECT_EQ(Xyz(*m.Linhas3D[0].P2), (XYZ{-100, -200, 0}));
    EXPECT_EQ(m.Linhas3D[0].Espessura, 2);
    EXPECT_EQ(Xyz(m.Linhas3D[0].Extrusao), (XYZ{0, -1, 0})) << "a missing 230 is 0";

    ASSERT_EQ(m.Elipses.Count(), 1);
    const TElipse& e = m.Elipses[0];
    EXPECT_EQ(Xyz(e.Centro), (XYZ{100, 200, 0}));
    EXPECT_EQ(Xyz(e.EixoMaior), (XYZ{30, 0, 0}));
    EXPECT_EQ((XYZ{e.Razao, e.ParamIni, e.ParamFim}), (XYZ{0.5, 1, 2}));
    EXPECT_EQ(e.IndiceCor, 3);
    EXPECT_EQ(Xyz(e.Extrusao), (XYZ{0, 0, 1}));

    ASSERT_EQ(m.Splines.Count(), 1);
    const TSpline& s = m.Splines[0];
    EXPECT_EQ(s.Flags, 8);
    EXPECT_EQ(s.Grau, 2);
    EXPECT_EQ(s.Nos, (std::vector<Real>{0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(s.Pesos, (std::vector<Real>{1, 0.5, 1}));
    EXPECT_EQ(Xyz(s.Controle), (std::vector<XYZ>{{0, 0, 0}, {100, 100, 0}, {200, 0, 50}}));
    EXPECT_EQ(Xyz(s.Ajuste), (std::vector<XYZ>{{-7, -8, 0}}));

    ASSERT_EQ(m.PolyLinesLeves.Count(), 1);
    const TPolyLineLeve& p = m.PolyLinesLeves[0];
    EXPECT_EQ(p.Flags, 1);
    EXPECT_EQ((XYZ{p.LarguraConstante, p.Elevacao, p.Espessura}), (XYZ{0.5, -20, 4}));
    EXPECT_EQ(Xyz(p.Extrusao), (XYZ{0, 0, -1}));
    ASSERT_EQ(p.Vertices.size(), 3u) << "a width before the first vertex is dropped";
    std::vector<std::array<long double, 5>> vertices;
    for (const TVerticeLeve& v : p.Vertices)
        vertices.push_back({v.X, v.Y, v.LarguraIni, v.LarguraFim, v.Bulge});
    EXPECT_EQ(vertices, (std::vector<std::array<long double, 5>>{
                            {0, 0, 1, 2, 0}, {500, 0, 0, 0, 1}, {500, 500, 0, 0, 0}}));

    ASSERT_EQ(m.Solidos.Count(), 2);
    EXPECT_FALSE(m.Solidos[0].Traco);
    EXPECT_EQ(m.Solidos[0].NumCantos, 3);
    EXPECT_EQ(Xyz(m.Solidos[0].Cantos[2]), (XYZ{0, 100, 0}));
    EXPECT_TRUE(m.Solidos[1].Traco);
    EXPECT_EQ(m.Solidos[1].NumCantos, 4);
    EXPECT_EQ(Xyz(m.Solidos[1].Cantos[3]), (XYZ{3, 0, 400}));
    EXPECT_EQ(m.Solidos[1].Espessura, 5);

    ASSERT_EQ(m.Pontos.Count(), 1);
    EXPECT_EQ(Xyz(m.Pontos[0].Ponto), (XYZ{700, 800, 900}));
    EXPECT_EQ(m.Pontos[0].Espessura, 1);

    ASSERT_EQ(m.Malhas.Count(), 1);
    EXPECT_EQ(Xyz(m.Malhas[0].Vertices), (std::vector<XYZ>{{0, 0, 0}, {100, 0, 0}, {0, 100, 0}}))
        << "only the 92 vertices";
    EXPECT_EQ(m.Malhas[0].Faces, (std::vector<std::int32_t>{3, 0, 1, 2})) << "not the edges";

    ASSERT_EQ(m.Cotas.Count(), 2);
    EXPECT_EQ(m.Cotas[0].Tipo, "DIMENSION");
    EXPECT_EQ(m.Cotas[0].NomeBloco, "*D1");
    EXPECT_EQ(m.Cotas[0].Camada, "COTAS");
    EXPECT_EQ(m.Cotas[1].Tipo, "ARC_DIMENSION");
    EXPECT_EQ(m.Cotas[1].NomeBloco, "*D2");

    ASSERT_EQ(m.Lideres.Count(), 1);
    EXPECT_EQ(Xyz(m.Lideres[0].Vertices), (std::vector<XYZ>{{0, 0, 0}, {100, 100, 0}}));

    // The insertion's attribute and the text are texts; SEQEND and the stray VERTEX are
    // nothing; an ACIS body is kept to be counted.
    ASSERT_EQ(m.Textos.Count(), 2);
    EXPECT_TRUE(m.Textos[0].Atributo);
    EXPECT_EQ(m.Textos[0].Camada, "A");
    EXPECT_FALSE(m.Textos[1].Atributo);
    EXPECT_EQ(m.Textos[1].IndiceCor, -32768) << "clamped";
    ASSERT_EQ(m.NaoDesenhados.Count(), 1);
    EXPECT_EQ(m.NaoDesenhados[0].Tipo, "3DSOLID");
}

// Thickness, extrusion, widths, bulges, vertex flags, and the groups of every element.
TEST(DesenhoCompleto, GruposNovosDosTiposDoPadrao) {
    const std::string comuns = "60\n1\n67\n1\n420\n4278190335\n";
    const std::string padrao =
        "0\nLINE\n62\n40000\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n"
        "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n1\n"
        "0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n7\n70\n0\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n"
        "0\nSEQEND\n0\nINSERT\n2\nB\n10\n0\n20\n0\n30\n0\n0\nINSERT\n2\nB\n50\n30\n230\n-1\n";
    const std::string completo =
        "0\nLINE\n62\n40000\n" + comuns + "10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n39\n2.5\n" +
        "210\n0\n220\n1\n230\n0\n0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n230\n-1\n39\n1\n" +
        "0\nCIRCLE\n10\n0\n20\n0\n30\n0\n40\n1\n210\n1\n" +
        "0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n7\n70\n0\n39\n3\n40\n0.25\n41\n0.75\n230\n-1\n" +
        "0\nVERTEX\n10\n1\n20\n1\n30\n1\n40\n1\n41\n2\n42\n-0.5\n70\n16\n0\nSEQEND\n" +
        "0\nINSERT\n2\nB\n10\n0\n20\n0\n30\n0\n0\nINSERT\n2\nB\n50\n30\n230\n-1\n";
    ModeloPadraoIgual(SoEntidades(completo), SoEntidades(padrao));

    const TLinha& l = Linhas[0];
    EXPECT_TRUE(l.Invisivel);
    EXPECT_TRUE(l.EspacoPapel);
    EXPECT_EQ(l.CorVerdadeira, 0x0000FF) << "the low 24 bits";
    EXPECT_EQ(l.IndiceCor, 32767) << "clamped";
    EXPECT_EQ(l.Espessura, 2.5);
    EXPECT_EQ(Xyz(l.Extrusao), (XYZ{0, 1, 0}));
    EXPECT_EQ(Xyz(Arcos[0].Extrusao), (XYZ{0, 0, -1}));
    EXPECT_EQ(Arcos[0].Espessura, 1);
    EXPECT_EQ(Arcos[0].IndiceCor, 256) << "ByLayer when absent";
    EXPECT_FALSE(Arcos[0].Invisivel || Arcos[0].EspacoPapel);
    EXPECT_EQ(Arcos[0].CorVerdadeira, -1);
    EXPECT_EQ(Xyz(Circulos[0].Extrusao), (XYZ{1, 0, 0}));

    const TPolyLine& p = PolyLines[0];
    EXPECT_EQ((XYZ{p.Espessura, p.LarguraIni, p.LarguraFim}), (XYZ{3, 0.25, 0.75}));
    EXPECT_EQ(Xyz(p.Extrusao), (XYZ{0, 0, -1}));
    const TVertice& v = p.Vertices[0];
    EXPECT_EQ((XYZ{v.LarguraIni, v.LarguraFim, v.Bulge}), (XYZ{1, 2, -0.5}));
    EXPECT_EQ(v.FlagsVertice, 16);

    EXPECT_FALSE(Inserts[0].ExtrusaoLida);
    EXPECT_TRUE(Inserts[1].ExtrusaoLida);
}

// A value that is not a number, or beyond the reals' range, leaves the default and loads; a
// bad group code in a record the default reading skips fails there as before.
TEST(DesenhoCompleto, ValorQueNaoEhNumeroDeixaOPadrao) {
    const std::string longo = "1" + std::string(300, ' ') + "x"; // not a number, once whole
    ASSERT_EQ(Carrega(SoEntidades(
                  "0\nLINE\n60\nx\n67\n\n420\n0x10\n39\n1e999\n210\n-\n10\n1\n20\n1\n30\n1\n"
                  "0\nPOLYLINE\n40\nnan\n66\n1\n0\nVERTEX\n42\n1,5\n70\n+-1\n0\nSEQEND\n"
                  "0\nELLIPSE\n62\nxx\n40\ninf\n42\n" +
                  longo +
                  "\n0\nSPLINE\n40\nzero\n40\n 1 \n71\n2.0\n10\nx\n20\n+2\n"
                  "0\nMESH\n92\nx\n10\n1\n93\n2\n90\nx\n90\n5\n0\nLWPOLYLINE\n10\n.\n20\n3\n")),
              std::nullopt);
    const TLinha& l = Linhas[0];
    EXPECT_FALSE(l.Invisivel || l.EspacoPapel);
    EXPECT_EQ(l.CorVerdadeira, -1);
    EXPECT_EQ(l.Espessura, 0);
    EXPECT_EQ(Xyz(l.Extrusao), (XYZ{0, 0, 1})) << "a 210 that is not a number";
    EXPECT_EQ(PolyLines[0].LarguraIni, 0);
    EXPECT_EQ(PolyLines[0].Vertices[0].Bulge, 0);
    EXPECT_EQ(PolyLines[0].Vertices[0].FlagsVertice, 0);
    const TElementos& m = Desenho.Modelo;
    EXPECT_EQ(m.Elipses[0].IndiceCor, 256);
    EXPECT_EQ(m.Elipses[0].Razao, 1);
    EXPECT_EQ(m.Elipses[0].ParamFim, Real(6.283185307179586)) << "a long line";
    EXPECT_EQ(m.Splines[0].Nos, (std::vector<Real>{1})) << "blanks trimmed, words dropped";
    EXPECT_EQ(m.Splines[0].Grau, 0);
    EXPECT_EQ(Xyz(m.Splines[0].Controle), (std::vector<XYZ>{{0, 2, 0}}));
    EXPECT_TRUE(m.Malhas[0].Vertices.empty());
    EXPECT_EQ(m.Malhas[0].Faces, (std::vector<std::int32_t>{5}));
    ASSERT_EQ(m.PolyLinesLeves[0].Vertices.size(), 1u);
    EXPECT_EQ(m.PolyLinesLeves[0].Vertices[0].X, 0);
    EXPECT_EQ(m.PolyLinesLeves[0].Vertices[0].Y, 3);

    for (const char* registro : {"ELLIPSE", "TEXT", "INSERT"}) {
        const std::string texto = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\n" +
                                  std::string(registro) + "\n40\n1\n4O\n1\n0\nENDBLK\n";
        ArquivoTemporario arquivo(ComFimDeLinha(texto));
        const auto erro = ErroAoCarregar(arquivo.Nome());
        ASSERT_TRUE(erro) << registro;
        EXPECT_EQ(std::string(erro->what()), "Invalid numeric input") << registro;
        EXPECT_EQ(erro->Linha(), 13u) << registro;
    }
}

// Insertions inside a block are kept in it, read leniently and never widening the extents.
TEST(DesenhoCompleto, InsercaoAninhadaFicaNoSeuBlocoSemAlargarExtremos) {
    auto blocos = [](const std::string& corpo) {
        return "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n30\n0\n" + LinhaDXF + corpo +
               "0\nENDBLK\n0\nENDSEC\n" + SoEntidades(LinhaDXF);
    };
    ModeloPadraoIgual(blocos("0\nINSERT\n8\n0\n62\n0\n2\nC\n66\n1\n10\n500\n20\n600\n30\n700\n"
                             "41\n2\n42\nx\n43\n-1\n50\n30\n70\n3\n71\n2\n44\n10\n45\n20\n"
                             "0\nATTRIB\n10\n-900\n0\nSEQEND\n0\nINSERT\n2\nD\n230\n-1\n"
                             "0\nATTDEF\n10\n-900\n"),
                      blocos(""));
    ASSERT_EQ(Blocos.Count(), 1);
    const TElementos& b = Blocos[0].Elementos;
    ASSERT_EQ(b.Inserts.Count(), 2);
    const TInsert& i = b.Inserts[0];
    EXPECT_EQ(i.NomeBloco, "C");
    EXPECT_EQ(i.IndiceCor, 0) << "ByBlock";
    EXPECT_EQ(Xyz(*i.Ponto), (XYZ{500, 600, 700}));
    EXPECT_EQ((XYZ{i.EscalaX, i.EscalaY, i.EscalaZ}), (XYZ{2, 1, -1}));
    EXPECT_EQ(i.Rotacao, 30);
    EXPECT_EQ(Xyz(*i.Extrusao), (XYZ{0, 0, 1})) << "the rotation's axis";
    EXPECT_FALSE(i.ExtrusaoLida);
    EXPECT_EQ((std::array<std::int32_t, 2>{i.NumColunas, i.NumLinhas}),
              (std::array<std::int32_t, 2>{3, 2}));
    EXPECT_EQ((XYZ{i.EspColunas, i.EspLinhas, 0}), (XYZ{10, 20, 0}));
    EXPECT_EQ(Xyz(*b.Inserts[1].Extrusao), (XYZ{0, 0, -1}));
    EXPECT_TRUE(b.Inserts[1].ExtrusaoLida);
    EXPECT_EQ(b.Textos.Count(), 1) << "the nested insertion's attribute";
    ASSERT_EQ(b.NaoDesenhados.Count(), 1);
    EXPECT_EQ(b.NaoDesenhados[0].Tipo, "ATTDEF");
    EXPECT_EQ(Desenho.Modelo.Inserts.Count(), 0);
}

// A layer switched off (negative colour), one frozen (flag 1), and true colours.
TEST(DesenhoCompleto, CamadaDesligadaCongeladaECorVerdadeira) {
    ASSERT_EQ(Carrega("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n"
                      "0\nLAYER\n2\nDESLIGADA\n62\n-5\n70\n0\n0\nLAYER\n2\nCONGELADA\n70\n1\n"
                      "62\n7\n420\n16711680\n0\nLAYER\n2\nRUIM\n70\nx\n420\n-\n"
                      "0\nENDTAB\n0\nENDSEC\n0\nEOF\n"),
              std::nullopt);
    ASSERT_EQ(Camadas.Count(), 3);
    EXPECT_EQ(Camadas[0].IndiceCor, -5);
    EXPECT_EQ(Camadas[0].Flags, 0);
    EXPECT_EQ(Camadas[1].Flags, 1);
    EXPECT_EQ(Camadas[1].IndiceCor, 7);
    EXPECT_EQ(Camadas[1].CorVerdadeira, 0xFF0000);
    EXPECT_EQ(Camadas[2].IndiceCor, std::nullopt);
    EXPECT_EQ(Camadas[2].Flags, 0);
    EXPECT_EQ(Camadas[2].CorVerdadeira, -1);
}

// What leaders are drawn with: the measurement system, the dimension styles, the block
// records' names, a leader's own groups and its style overrides; and a block named twice.
TEST(DesenhoCompleto, LiderComEstiloSubstituicoesERegistrosDeBloco) {
    auto arquivo = [](const std::string& cabecalho, const std::string& tabelas,
                      const std::string& lider) {
        return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n" + cabecalho +
               "0\nENDSEC\n0\nSECTION\n2\nTABLES\n" + tabelas +
               "0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*D2\n3\n*D\n" + LinhaDXF +
               "0\nENDBLK\n0\nENDSEC\n" +
               SoEntidades("0\nLEADER\n" + lider + "10\n0\n20\n0\n10\n9\n20\n9\n");
    };
    const std::string tabelas =
        "0\nTABLE\n2\nBLOCK_RECORD\n0\nBLOCK_RECORD\n5\n1F\n2\nseta\n0\nENDTAB\n"
        "0\nTABLE\n2\nDIMSTYLE\n70\n1\n0\nDIMSTYLE\n105\n27\n2\nARQ\n41\n0.25\n40\nx\n"
        "341\n1F\n77\n0\n0\nENDTAB\n";
    const std::string lider = "3\narq\n71\n0\n72\n1\n73\n0\n74\n1\n75\n1\n41\n35\n211\n0\n221\n1\n"
                              "1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n147\n1040\n0.5\n1070\n"
                              "341\n1005\n2A\n1070\n77\n1070\n2\n1002\n}\n1001\nOUTRO\n1070\n41\n"
                              "1040\n9\n";
    ModeloPadraoIgual(arquivo("9\n$MEASUREMENT\n70\n1\n9\n$LUNITS\n70\n7\n", tabelas, lider),
                      arquivo("", "", ""));

    EXPECT_EQ(Desenho.Medicao, 1);
    ASSERT_EQ(Desenho.EstilosDeCota.size(), 1u);
    const TEstiloDeCota& estilo = Desenho.EstilosDeCota[0];
    EXPECT_EQ(estilo.Nome, "ARQ");
    EXPECT_EQ(estilo.Variaveis.TamanhoSeta, Real(0.25));
    EXPECT_EQ(estilo.Variaveis.Escala, std::nullopt) << "not a number";
    EXPECT_EQ(estilo.Variaveis.TextoAcima, 0);
    EXPECT_EQ(estilo.Variaveis.BlocoDaSeta, "1F");
    EXPECT_EQ(Desenho.NomesDosRegistrosDeBloco,
              (std::unordered_map<std::string, std::string>{{"1F", "seta"}}));

    ASSERT_EQ(Desenho.Modelo.Lideres.Count(), 1);
    const TLider& l = Desenho.Modelo.Lideres[0];
    EXPECT_EQ(l.Estilo, "arq");
    EXPECT_EQ((std::array{l.ComSeta, l.Caminho, l.Anotacao, l.SentidoDoGancho, l.ComGancho}),
              (std::array{0, 1, 0, 1, 1}));
    EXPECT_EQ(l.LarguraDoTexto, 35);
    EXPECT_EQ(Xyz(l.Horizontal), (XYZ{0, 1, 0}));
    EXPECT_EQ(l.Substituicoes.Folga, Real(0.5));
    EXPECT_EQ(l.Substituicoes.BlocoDaSeta, "2A");
    EXPECT_EQ(l.Substituicoes.TextoAcima, 2);
    EXPECT_EQ(l.Substituicoes.TamanhoSeta, std::nullopt) << "another application's data";
    EXPECT_EQ(Xyz(l.Vertices), (std::vector<XYZ>{{0, 0, 0}, {9, 9, 0}}));

    // Kept under its later name, found by a CAD program's by the full drawing.
    ASSERT_EQ(Blocos.Count(), 1);
    EXPECT_EQ(Blocos[0].Nome, "*D");
    EXPECT_EQ(Desenho.Bloco("*D2"), nullptr);
    EXPECT_EQ(Desenho.BlocoChamado("*D2"), &Blocos[0]);
    EXPECT_EQ(Desenho.BlocoChamado("*D"), &Blocos[0]);
}

// Texts, hatches, text styles, line types and weights: their groups, where the same codes
// mean other things in each part of a hatch, and an embedded object's repeated groups.
TEST(DesenhoCompleto, TextosHachurasEstilosETiposDeLinha) {
    const auto arquivo = [](const std::string& cabecalho, const std::string& tabelas,
                            const std::string& entidades) {
        return "0\nSECTION\n2\nHEADER\n" + cabecalho + "0\nENDSEC\n0\nSECTION\n2\nTABLES\n" +
               tabelas + "0\nENDSEC\n" + SoEntidades(LinhaDXF + entidades);
    };
    const std::string cabecalho = "9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_1250\n9\n"
                                  "$LTSCALE\n40\n2.5\n";
    const std::string tabelas =
        "0\nTABLE\n2\nLTYPE\n0\nLTYPE\n2\nTRACO\n40\n0.75\n49\n0.5\n74\n0\n49\n-0.25\n0\nENDTAB\n"
        "0\nTABLE\n2\nSTYLE\n0\nSTYLE\n2\nNOTAS\n40\n0\n41\n0.8\n3\narial.ttf\n1001\nACAD\n1000\n"
        "Arial\n1071\n34\n0\nENDTAB\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nL\n62\n1\n6\nTRACO\n370\n"
        "50\n0\nENDTAB\n";
    const std::string texto = "0\nATTRIB\n8\nL\n6\nBYBLOCK\n48\n0.5\n370\n-2\n10\n1\n20\n2\n40\n"
                              "3\n1\nSala\n7\nNOTAS\n41\n0.9\n70\n1\n73\n12\n74\n3\n72\n4\n11\n5\n"
                              "21\n6\n101\nEmbedded Object\n10\n99\n1\nnada\n";
    const std::string mtexto = "0\nMTEXT\n8\nL\n10\n0\n20\n20\n40\n1.5\n41\n12\n71\n5\n3\nPrimeiro "
                               "\n1\nfim\n11\n0\n21\n1\n44\n1.2\n";
    const std::string hachura =
        "0\nHATCH\n8\nL\n10\n0\n20\n0\n30\n1.5\n2\nANSI31\n70\n0\n91\n2\n"
        "92\n7\n72\n1\n73\n0\n93\n2\n10\n0\n20\n0\n42\n0.5\n10\n10\n20\n0\n97\n0\n"
        "92\n1\n93\n2\n72\n2\n10\n6\n20\n4\n40\n2\n50\n270\n51\n90\n73\n0\n72\n4\n94\n3\n73\n0\n"
        "95\n4\n96\n2\n40\n0\n40\n1\n10\n2\n20\n6\n10\n1\n20\n5\n97\n0\n"
        "75\n1\n76\n1\n52\n45\n41\n1\n78\n1\n53\n45\n43\n1\n44\n2\n45\n-0.5\n46\n0.5\n79\n1\n49\n"
        "0.25\n98\n1\n10\n5\n20\n5\n450\n1\n421\n255\n";
    ModeloPadraoIgual(arquivo(cabecalho, tabelas, texto + mtexto + hachura),
                      arquivo("", "0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nL\n62\n1\n0\nENDTAB\n", ""));

    EXPECT_EQ(Desenho.Versao, "AC1015");
    EXPECT_EQ(Desenho.PaginaDeCodigo, "ANSI_1250");
    EXPECT_EQ(Desenho.EscalaTipoDeLinha, Real(2.5));
    ASSERT_EQ(Desenho.TiposDeLinha.size(), 1u);
    EXPECT_EQ(Desenho.TiposDeLinha[0].Tracos, (std::vector<Real>{0.5, -0.25}));
    ASSERT_EQ(Desenho.EstilosDeTexto.size(), 1u);
    const TEstiloDeTexto& estilo = Desenho.EstilosDeTexto[0];
    EXPECT_EQ((std::array{estilo.Nome, estilo.Fonte, estilo.Familia}),
              (std::array<std::string, 3>{"NOTAS", "arial.ttf", "Arial"}));
    EXPECT_EQ(estilo.FatorLargura, Real(0.8));
    EXPECT_EQ(estilo.FlagsDaFamilia, 34);
    EXPECT_EQ(Camadas[0].TipoDeLinha, "TRACO");
    EXPECT_EQ(Camadas[0].EspessuraDeLinha, 50);

    ASSERT_EQ(Desenho.Modelo.Textos.Count(), 1);
    const TTexto& t = Desenho.Modelo.Textos[0];
    EXPECT_TRUE(t.Atributo);
    EXPECT_EQ(t.Texto, "Sala") << "not the embedded object's";
    EXPECT_EQ(Xyz(t.Ponto), (XYZ{1, 2, 0}));
    EXPECT_EQ((std::array{t.FlagsAtributo, t.AlinhamentoH, t.AlinhamentoV}), (std::array{1, 4, 3}))
        << "an attribute's vertical alignment is 74";
    EXPECT_EQ(t.FatorLargura, Real(0.9));
    EXPECT_EQ((std::pair{t.TipoDeLinha.Texto(), t.EspessuraDeLinha}),
              (std::pair{std::string("BYBLOCK"), std::int16_t{-2}}));
    EXPECT_EQ(t.EscalaTipoDeLinha, 0.5f);

    ASSERT_EQ(Desenho.Modelo.TextosM.Count(), 1);
    const TTextoM& m = Desenho.Modelo.TextosM[0];
    EXPECT_EQ(m.Texto, "Primeiro fim");
    EXPECT_EQ(m.Anexo, 5);
    EXPECT_EQ(Xyz(*m.Direcao), (XYZ{0, 1, 0}));

    ASSERT_EQ(Desenho.Modelo.Hachuras.Count(), 1);
    const THachura& h = Desenho.Modelo.Hachuras[0];
    EXPECT_EQ((std::array{h.Solida, h.Estilo, h.Gradiente, h.CorDoGradiente}),
              (std::array{0, 1, 1, 255}));
    EXPECT_EQ(h.Elevacao, Real(1.5));
    ASSERT_EQ(h.Caminhos.size(), 2u);
    const TCaminhoDeHachura &poli = h.Caminhos[0], &arestas = h.Caminhos[1];
    EXPECT_FALSE(poli.Fechado);
    ASSERT_EQ(poli.Vertices.size(), 2u);
    EXPECT_EQ(poli.Vertices[0].Bulge, Real(0.5));
    ASSERT_EQ(arestas.Arestas.size(), 2u);
    const TArestaDeHachura &arco = arestas.Arestas[0], &spline = arestas.Arestas[1];
    EXPECT_EQ((std::array{arco.Tipo, arco.AntiHorario}), (std::array{2, 0}));
    EXPECT_EQ((std::array{arco.Raio, arco.AngIni, arco.AngFim}), (std::array<Real, 3>{2, 270, 90}));
    EXPECT_EQ((std::array{spline.Tipo, spline.Grau, spline.AntiHorario}), (std::array{4, 3, 1}))
        << "a spline's 73 is not the arcs' sense";
    EXPECT_EQ(spline.Nos, (std::vector<Real>{0, 1}));
    EXPECT_EQ(Xyz(spline.Controle), (std::vector<XYZ>{{2, 6, 0}, {1, 5, 0}}));
    ASSERT_EQ(h.Linhas.size(), 1u);
    const TLinhaDePadrao& l = h.Linhas[0];
    EXPECT_EQ((std::array{l.Angulo, l.BaseX, l.BaseY, l.DeslX, l.DeslY}),
              (std::array<Real, 5>{45, 1, 2, -0.5, 0.5}))
        << "the seed point 5, 5 is no pattern's";
    EXPECT_EQ(l.Tracos, (std::vector<Real>{0.25}));
}

} // namespace
