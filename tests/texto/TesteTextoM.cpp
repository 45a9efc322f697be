// MTEXT: its codes read into formatted runs, its lines wrapped and spaced, hostile strings.

#include "Codificacao.h"
#include "Disposicao.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>

namespace {

TFontes& Fontes() {
    static TFontes f;
    return f;
}

const TPedidoDeFonte Arial{"arial.ttf", "", false, false};

TFormato Inicial() {
    TFormato f;
    f.Altura = 2;
    return f;
}

// The runs' texts, paragraphs separated by '|'.
std::u32string Textos(const std::vector<TParagrafo>& ps) {
    std::u32string s;
    for (const auto& p : ps) {
        if (&p != &ps.front()) s += U"|";
        for (const auto& t : p.Trechos)
            s += t.Texto;
    }
    return s;
}

TEST(CodigosM, ParagrafosEscapesEDesconhecidos) {
    EXPECT_EQ(Textos(AnalisaTextoM(UR"(a\Pb\Xc\Nd)", Inicial())), U"a|b|c|d");
    EXPECT_EQ(Textos(AnalisaTextoM(UR"(\\ \{x\} {y}\~z)", Inicial())), U"\\ {x} y\u00A0z");
    // Unknown codes are never shown; their argument goes to its ';'.
    EXPECT_EQ(Textos(AnalisaTextoM(UR"(\Zfoo;bar \Yq)", Inicial())), U"bar q");
    EXPECT_EQ(Textos(AnalisaTextoM(U"a\tb\nc", Inicial())), U"a\tb|c");
}

TEST(CodigosM, FormatosDosTrechos) {
    const auto ps = AnalisaTextoM(
        UR"({\H1.5x;\W0.5;\Q15;\T2;A}B\H3;C\C1;D\c255;E{\fArial|b1|i1;F}\Fromans.shx;G\LH\lI)",
        Inicial());
    ASSERT_EQ(ps.size(), 1u);
    const auto& t = ps[0].Trechos;
    ASSERT_EQ(Textos(ps), U"ABCDEFGHI");
    ASSERT_EQ(t.size(), 9u);
    EXPECT_DOUBLE_EQ(t[0].Formato.Altura, 3);
    EXPECT_DOUBLE_EQ(t[0].Formato.FatorLargura, 0.5);
    EXPECT_DOUBLE_EQ(t[0].Formato.ObliquoGraus, 15);
    EXPECT_DOUBLE_EQ(t[0].Formato.Rastreamento, 2);
    EXPECT_DOUBLE_EQ(t[1].Formato.Altura, 2); // the group's end restores
    EXPECT_DOUBLE_EQ(t[1].Formato.FatorLargura, 1);
    EXPECT_DOUBLE_EQ(t[2].Formato.Altura, 3);
    EXPECT_EQ(t[3].Formato.Cor, (TCorDoTexto{false, 1}));
    EXPECT_EQ(t[4].Formato.Cor, (TCorDoTexto{true, 0xFF0000})); // \c's low byte is red
    EXPECT_EQ(t[5].Formato.Fonte.Familia, "Arial");
    EXPECT_TRUE(t[5].Formato.Fonte.Negrito && t[5].Formato.Fonte.Italico);
    EXPECT_EQ(t[6].Formato.Fonte.Arquivo, "romans.shx");
    EXPECT_TRUE(t[7].Formato.Sublinhado);
    EXPECT_FALSE(t[8].Formato.Sublinhado);
}

TEST(CodigosM, Empilhados) {
    const auto ps = AnalisaTextoM(UR"(\S1/2;\S3#4;\SA^B;\Sx\/y;)", Inicial());
    const auto& t = ps[0].Trechos;
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Empilhado, TEmpilhado::Barra);
    EXPECT_EQ(t[0].Texto + U"," + t[0].Inferior, U"1,2");
    EXPECT_EQ(t[1].Empilhado, TEmpilhado::Diagonal);
    EXPECT_EQ(t[2].Empilhado, TEmpilhado::SemBarra);
    EXPECT_EQ(t[2].Texto + U"," + t[2].Inferior, U"A,B");
    EXPECT_EQ(t[3].Empilhado, TEmpilhado::Nao); // an escaped '/' divides nothing
    EXPECT_EQ(t[3].Texto, U"x/y");
}

// What ezdxf 0.18.1 counts: the non-whitespace characters of plain_mtext(s) and of
// plain_text(s), checked with the installed ezdxf.
TEST(Contagens, IguaisAsDoEzdxf) {
    const auto m = [](std::string_view s) {
        return ContaCaracteresM(DecodificaTexto(s, TCodificacao::UTF8));
    };
    EXPECT_EQ(m(R"(Hello World)"), 10u);
    EXPECT_EQ(m(R"({\H2x;Big} small\Pnext line)"), 16u);
    EXPECT_EQ(m(R"(\fArial|b1|i0|c0|p34;Bold\~text\P\C1;red {\c255;rgb})"), 14u);
    EXPECT_EQ(m(R"(\A1;\W0.8;\Q15;\T1.5;narrow)"), 6u);
    EXPECT_EQ(m(R"(50\\%% {\{braces\}})"), 13u);
    EXPECT_EQ(m(R"(\LUnder\l \OOver\o \KStrike\k)"), 15u);
    EXPECT_EQ(m(R"(%%c50 %%d %%p1)"), 6u);
    EXPECT_EQ(m(R"(line^Jbreak^Itab)"), 12u);
    EXPECT_EQ(m(R"(\pxqc;centred\Xdim)"), 10u);
    EXPECT_EQ(m(R"(a\Nb)"), 2u);
    EXPECT_EQ(m(R"({\H2;abc)"), 3u);
    // ezdxf counts the stacking characters too (15 here): the bar is drawn, not a letter.
    EXPECT_EQ(m(R"(\S1/2; and \S3#4; and \SA^ B;)"), 12u);
    // ezdxf shows an unknown code as written (14); CAD programs never do.
    EXPECT_EQ(m(R"(\Zunknown;code)"), 4u);
    // ezdxf leaves \U+ as written (7); it is one character.
    EXPECT_EQ(m(R"(\U+00B0)"), 1u);

    const auto t = [](std::string_view s) {
        return ContaCaracteresTexto(DecodificaTexto(s, TCodificacao::UTF8));
    };
    EXPECT_EQ(t("Hello World"), 10u);
    EXPECT_EQ(t("%%c50 %%d%%p1"), 6u);
    EXPECT_EQ(t("%%uTitle%%u"), 5u);
    EXPECT_EQ(t("a^Ib"), 2u);
    EXPECT_EQ(t(R"(back\slash)"), 10u);
}

TTextoMSimples TextoM(std::u32string s, double largura = 0, int anexo = 1) {
    TTextoMSimples t;
    t.Texto = std::move(s);
    t.Altura = 2;
    t.LarguraDeReferencia = largura;
    t.Anexo = anexo;
    return t;
}

// The distinct baselines of the glyphs, top down.
std::vector<double> Bases(const TDisposicao& d) {
    std::set<double, std::greater<>> b;
    for (const auto& g : d.Glifos)
        b.insert(std::round(g.Matriz[5] * 1e6) / 1e6);
    return {b.begin(), b.end()};
}

// Each line's ink from its first glyph's pen to its last glyph's advance.
double FimDaLinha(const TDisposicao& d, double base) {
    double fim = -1e300;
    for (const auto& g : d.Glifos)
        if (std::abs(g.Matriz[5] - base) < 1e-6)
            fim = std::max(fim,
                           g.Matriz[2] + Fontes().Glifo(g.Face, g.Caractere).Avanco * g.Matriz[0]);
    return fim;
}

TEST(DisposicaoM, ParagrafosDescem5TercosDaAltura) {
    auto t = TextoM(UR"(HH\PHH\PHH)");
    auto b = Bases(DispoeTextoM(Fontes(), Arial, t));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_NEAR(b[0], -2, 1e-9); // the first line's capitals touch the top
    EXPECT_NEAR(b[0] - b[1], 2 * 5.0 / 3, 1e-5);
    EXPECT_NEAR(b[1] - b[2], 2 * 5.0 / 3, 1e-5);
    t.FatorEspacamento = 1.5;
    b = Bases(DispoeTextoM(Fontes(), Arial, t));
    EXPECT_NEAR(b[0] - b[1], 1.5 * 2 * 5.0 / 3, 1e-5);
}

TEST(DisposicaoM, QuebraNaLarguraEPalavraLongaInteira) {
    const double palavra = DispoeTextoM(Fontes(), Arial, TextoM(U"HHHH")).Largura;
    const double largura = 2.5 * palavra;
    const auto d = DispoeTextoM(Fontes(), Arial, TextoM(U"HHHH HHHH HHHH HHHH HHHH", largura));
    const auto b = Bases(d);
    ASSERT_EQ(b.size(), 3u); // two words a line, then one
    for (const double base : b)
        EXPECT_LE(FimDaLinha(d, base), largura + 1e-9);
    EXPECT_GT(FimDaLinha(d, b[0]), 2 * palavra);
    EXPECT_NEAR(d.Largura, largura, 1e-9);
    // Narrower than one word: each word alone on a line, whole.
    const auto estreita = DispoeTextoM(Fontes(), Arial, TextoM(U"HHHH HHHH", palavra / 3));
    ASSERT_EQ(Bases(estreita).size(), 2u);
    EXPECT_NEAR(Bases(estreita)[0], -2, 1e-5); // no empty line before the first word
    EXPECT_EQ(estreita.Glifos.size(), 8u);
    // No width: one line however long.
    EXPECT_EQ(Bases(DispoeTextoM(Fontes(), Arial, TextoM(U"HHHH HHHH HHHH HHHH"))).size(), 1u);
}

TEST(DisposicaoM, AlturaRelativaEEmpilhado) {
    const auto d = DispoeTextoM(Fontes(), Arial, TextoM(UR"(H{\H1.5x;H}H\S1/2;)"));
    ASSERT_EQ(d.Glifos.size(), 5u);
    EXPECT_NEAR(d.Glifos[0].Matriz[4], 2, 1e-9);
    EXPECT_NEAR(d.Glifos[1].Matriz[4], 3, 1e-9);
    EXPECT_NEAR(d.Glifos[2].Matriz[4], 2, 1e-9);
    // The taller capital sets the first line's baseline.
    EXPECT_NEAR(d.Glifos[0].Matriz[5], -3, 1e-9);
    // The fraction: small parts one above the other, the bar between them.
    const auto &um = d.Glifos[3].Matriz, &dois = d.Glifos[4].Matriz;
    EXPECT_NEAR(um[4], 0.7 * 2, 1e-9);
    EXPECT_GT(um[5], dois[5] + 0.7 * 2);
    ASSERT_EQ(d.Tracos.size(), 1u);
    const double barra = d.Tracos[0].Triangulos[0][1];
    EXPECT_GT(barra, dois[5] + 0.7 * 2 - 0.1);
    EXPECT_LT(barra, um[5]);
}

TEST(DisposicaoM, AnexoPoeACaixaNaOrigem) {
    const auto topoEsq = DispoeTextoM(Fontes(), Arial, TextoM(U"HH\\PHH", 0, 1));
    EXPECT_NEAR(topoEsq.Caixa[3][0], 0, 1e-9);
    EXPECT_NEAR(topoEsq.Caixa[3][1], 0, 1e-9);
    const auto meio = DispoeTextoM(Fontes(), Arial, TextoM(U"HH\\PHH", 0, 5));
    EXPECT_NEAR(meio.Caixa[0][0] + meio.Caixa[1][0], 0, 1e-9);
    // Middle: halfway between the first line's capitals and the last baseline.
    const auto b = Bases(meio);
    EXPECT_NEAR(b[0] + 2, -b[1], 1e-5);
    const auto baseDir = DispoeTextoM(Fontes(), Arial, TextoM(U"HH\\PHH", 0, 9));
    EXPECT_NEAR(baseDir.Caixa[1][0], 0, 1e-9);
    EXPECT_NEAR(baseDir.Caixa[1][1], 0, 1e-9);
    EXPECT_NEAR(baseDir.Altura, 2 + 2 * 5.0 / 3 + 2 * Fontes().Descendente(Fontes().Face(Arial)),
                1e-9);
    // Lines of a centred attachment are centred on the box.
    const auto centro = DispoeTextoM(Fontes(), Arial, TextoM(U"HHHH\\PHH", 0, 2));
    EXPECT_NEAR(FimDaLinha(centro, Bases(centro)[1]), -centro.Glifos[4].Matriz[2], 1e-9);
}

TEST(DisposicaoM, TextoHostilTerminaLogo) {
    const auto inicio = std::chrono::steady_clock::now();
    for (const std::string& s :
         {std::string(1000000, '\\'), std::string(1000000, '{') + "x",
          "\\S" + std::string(300000, 'a'),
          std::string(200000, 'a') + "{\\H1e300;\\W1e300;\\T1e300;\\Q1e300;x", [] {
              std::string r;
              for (int i = 0; i < 200000; ++i)
                  r += "\\P\\S";
              return r;
          }()}) {
        const auto texto = DecodificaTexto(s, TCodificacao::UTF8);
        const auto d = DispoeTextoM(Fontes(), Arial, TextoM(texto, 1));
        EXPECT_LE(d.Glifos.size(), MaximoDeGlifos);
        for (const auto& g : d.Glifos)
            for (const double v : g.Matriz)
                ASSERT_TRUE(std::isfinite(v));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(20));
}

} // namespace
