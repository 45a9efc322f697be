// What the "Desenho completo" mode draws of annotations, in dxfsnap --completo pictures of
// drawings made here: texts by their alignments, a multiline text's wrapping and colours,
// special characters and a Latin-1 file, hatches with islands, line types and line weights.
// Fonts differ between machines, so texts are checked by where their ink falls.

#include "FotoCompleta.h"

namespace {

// A frame of green lines round 0..200 x 0..100: the drawing's extents, framed the same in
// every picture.
const std::array<double, 2> Min{0, 0}, Max{200, 100};

std::string Moldura() {
    std::string m;
    const std::vector<Ponto3> cantos{{0, 0, 0}, {200, 0, 0}, {200, 100, 0}, {0, 100, 0}};
    for (int i = 0; i < 4; ++i)
        m += Grupo(0, "LINE") + Grupo(8, "0") + Grupo(62, "3") + Ponto(10, cantos[i]) +
             Ponto(11, cantos[(i + 1) % 4]);
    return m;
}

// Pixels of the tone in the world box x0..x1, y0..y1.
int Tinta(const QImage& foto, double x0, double y0, double x1, double y1, Tom tom = Tom::Vermelho) {
    const QPoint a = NaVista(Min, Max, x0, y1), b = NaVista(Min, Max, x1, y0);
    return Conta(foto, QRect(a, b), tom);
}

std::string Texto(double x, double y, const std::string& texto, int horizontal = 0,
                  int vertical = 0, std::optional<Ponto3> segundo = std::nullopt,
                  double altura = 8) {
    std::string t = Grupo(0, "TEXT") + Grupo(8, "0") + Grupo(62, "1") + Ponto(10, {x, y, 0}) +
                    Grupo(40, std::to_string(altura)) + Grupo(1, texto);
    if (horizontal) t += Grupo(72, std::to_string(horizontal));
    if (horizontal || vertical) t += Ponto(11, segundo.value_or(Ponto3{x, y, 0}));
    if (vertical) t += Grupo(73, std::to_string(vertical));
    return t;
}

TEST(DesenhoCompletoTexto, CadaAlinhamentoPoeOTextoDoSeuLado) {
    QTemporaryDir pasta;
    const QImage foto =
        Foto(pasta, EscreveDXF(pasta, Moldura() + Texto(20, 80, "HH") + Texto(180, 80, "HH", 2) +
                                          Texto(100, 80, "HH", 1) + Texto(20, 40, "HH", 0, 3) +
                                          Texto(100, 40, "HH", 4) +
                                          Texto(130, 20, "HHHHHHHH", 3, 0, Ponto3{170, 20, 0}) +
                                          Texto(20, 10, "HH", 5, 0, Ponto3{80, 10, 0})));
    // Baseline left: up and to the right of its point.
    EXPECT_GT(Tinta(foto, 21, 81, 35, 87), 40) << "left";
    EXPECT_EQ(Tinta(foto, 5, 72, 19, 79), 0) << "left";
    // Right: to the left of its point.
    EXPECT_GT(Tinta(foto, 166, 81, 179, 87), 40) << "right";
    EXPECT_EQ(Tinta(foto, 181, 72, 198, 90), 0) << "right";
    // Centre: on both sides.
    EXPECT_GT(Tinta(foto, 93, 81, 99, 87), 10) << "centre";
    EXPECT_GT(Tinta(foto, 101, 81, 107, 87), 10) << "centre";
    // Top left: below its point.
    EXPECT_GT(Tinta(foto, 21, 33, 35, 39), 40) << "top";
    EXPECT_EQ(Tinta(foto, 15, 41, 40, 50), 0) << "top";
    // Middle: round its point, above and below.
    EXPECT_GT(Tinta(foto, 93, 41, 99, 43), 5) << "middle";
    EXPECT_GT(Tinta(foto, 101, 37, 107, 39), 5) << "middle";
    // Aligned: from the first point to the second, its height scaled down with it.
    EXPECT_GT(Tinta(foto, 131, 21, 135, 24), 5) << "aligned";
    EXPECT_GT(Tinta(foto, 165, 21, 169, 24), 5) << "aligned";
    EXPECT_EQ(Tinta(foto, 171, 15, 199, 30) + Tinta(foto, 130, 27, 170, 32), 0) << "aligned";
    // Fit: the same width at its own height.
    EXPECT_GT(Tinta(foto, 21, 11, 25, 17), 10) << "fit";
    EXPECT_GT(Tinta(foto, 75, 11, 79, 17), 10) << "fit";
    EXPECT_EQ(Tinta(foto, 82, 5, 95, 20), 0) << "fit";
}

TEST(DesenhoCompletoTexto, TextoMQuebraAsLinhasComSuasCoresECodigos) {
    QTemporaryDir pasta;
    // Top left at (10, 95), 5 high, 80 wide: three words a line, a forced break, an unknown
    // code, a stacked fraction.
    const std::string m = Grupo(0, "MTEXT") + Grupo(8, "0") + Grupo(62, "7") +
                          Ponto(10, {10, 95, 0}) + Grupo(40, "5") + Grupo(41, "80") +
                          Grupo(71, "1") +
                          Grupo(1, "{\\C1;AAAA} BBBB CCCC DDDD\\Z9; EEEE FFFF\\PGGGG \\S1/2;");
    const QImage foto = Foto(pasta, EscreveDXF(pasta, Moldura() + m));
    const double passo = 5.0 * 5 / 3;
    for (int linha = 0; linha < 3; ++linha) {
        const double topo = 95 - linha * passo;
        EXPECT_GT(Tinta(foto, 10, topo - 5, 70, topo, Tom::Tinta), 100) << "line " << linha;
        // (left of the fraction, whose parts reach past the capitals)
        EXPECT_EQ(Tinta(foto, 10, topo - passo + 0.5, 28, topo - 5.5, Tom::Tinta), 0)
            << "between lines " << linha << " and " << linha + 1;
    }
    EXPECT_EQ(Tinta(foto, 5, 40, 95, 95 - 3 * passo, Tom::Tinta), 0) << "no fourth line";
    EXPECT_GT(Tinta(foto, 10, 90, 30, 95), 30) << "the red word";
    EXPECT_EQ(Tinta(foto, 35, 60, 100, 95), 0) << "red only in its group";
    // The fraction: one part above the other round the line's middle, beside GGGG.
    const double meio = 95 - 2 * passo - 2.5;
    EXPECT_GT(Tinta(foto, 30, meio + 0.5, 40, meio + 3, Tom::Tinta), 3) << "numerator";
    EXPECT_GT(Tinta(foto, 30, meio - 3, 40, meio - 0.5, Tom::Tinta), 3) << "denominator";
}

TEST(DesenhoCompletoTexto, CaracteresEspeciaisEUmArquivoLatin1) {
    QTemporaryDir pasta;
    const std::string cabecalho = Grupo(0, "SECTION") + Grupo(2, "HEADER") + Grupo(9, "$ACADVER") +
                                  Grupo(1, "AC1015") + Grupo(9, "$DWGCODEPAGE") +
                                  Grupo(3, "ANSI_1252") + Grupo(0, "ENDSEC");
    // The same characters written three ways: the file's code page (0x80 is the euro sign in
    // Windows-1252, a control character in Latin-1), %% codes, \U+.
    const QImage foto =
        Foto(pasta, EscreveDXF(pasta,
                               Moldura() + Texto(20, 60, "\xB0\xE9\x80") +
                                   Texto(80, 60, "%%d\\U+00E9\\U+20AC") +
                                   Texto(140, 60, "\\U+00B0\\U+00E9\\U+20AC") +
                                   Texto(20, 20, "%%c%%p") + Texto(80, 20, "\\U+2300\\U+00B1"),
                               {}, cabecalho));
    const int latin1 = Tinta(foto, 19, 55, 50, 75), porCodigo = Tinta(foto, 79, 55, 110, 75),
              unicode = Tinta(foto, 139, 55, 170, 75);
    EXPECT_GT(latin1, 30);
    EXPECT_NEAR(porCodigo, latin1, latin1 / 8) << "%%d is the degree sign";
    EXPECT_NEAR(unicode, latin1, latin1 / 8) << "the code page's bytes read as the characters";
    const int diametro = Tinta(foto, 19, 15, 50, 35), nomeado = Tinta(foto, 79, 15, 110, 35);
    EXPECT_GT(diametro, 30);
    EXPECT_NEAR(diametro, nomeado, nomeado / 8) << "%%c and %%p";
}

// A closed polyline path with a bulge from `a` along the bottom, and a square island by
// edges; `padrao`: pattern lines at 45 degrees, 2 apart.
std::string Hachura(int cor, double x0, double x1, bool padrao) {
    const auto v = [](double x, double y) {
        return Grupo(10, std::to_string(x)) + Grupo(20, std::to_string(y));
    };
    std::string h = Grupo(0, "HATCH") + Grupo(8, "0") + Grupo(62, std::to_string(cor)) +
                    Ponto(10, {0, 0, 0}) + Grupo(2, padrao ? "ANSI31" : "SOLID") +
                    Grupo(70, padrao ? "0" : "1") + Grupo(71, "0") + Grupo(91, "2");
    h += Grupo(92, "3") + Grupo(72, "1") + Grupo(73, "1") + Grupo(93, "4") + v(x0, 30) +
         Grupo(42, "0.5") + v(x1, 30) + v(x1, 80) + v(x0, 80) + Grupo(97, "0");
    const double i0 = x0 + 20, i1 = x1 - 20;
    h += Grupo(92, "0") + Grupo(93, "4");
    const std::vector<std::array<double, 4>> lados{
        {i0, 50, i1, 50}, {i1, 50, i1, 70}, {i1, 70, i0, 70}, {i0, 70, i0, 50}};
    for (const auto& l : lados)
        h += Grupo(72, "1") + v(l[0], l[1]) + Grupo(11, std::to_string(l[2])) +
             Grupo(21, std::to_string(l[3]));
    h += Grupo(97, "0") + Grupo(75, "0") + Grupo(76, "1");
    if (padrao)
        h += Grupo(52, "0") + Grupo(41, "1") + Grupo(78, "1") + Grupo(53, "45") + Grupo(43, "0") +
             Grupo(44, "0") + Grupo(45, "-1.414214") + Grupo(46, "1.414214") + Grupo(79, "0");
    return h + Grupo(98, "0");
}

TEST(DesenhoCompletoHachura, SolidaEPadraoComIlhaEBulge) {
    QTemporaryDir pasta;
    const QImage foto = Foto(pasta, EscreveDXF(pasta, Moldura() + Hachura(5, 20, 80, false) +
                                                          Hachura(1, 120, 180, true)));
    // Solid: the ring and the bulge below the chord filled, the island empty.
    EXPECT_GT(Tinta(foto, 22, 40, 36, 78, Tom::Azul), 500) << "ring";
    EXPECT_GT(Tinta(foto, 45, 18, 55, 28, Tom::Azul), 200) << "bulge";
    EXPECT_EQ(Tinta(foto, 42, 52, 58, 68, Tom::Tinta), 0) << "island";
    // Pattern: lines in the ring, none in the island nor outside.
    const int anel = Tinta(foto, 122, 52, 138, 78);
    EXPECT_GT(anel, 60) << "pattern in the ring";
    EXPECT_LT(anel, 400) << "lines, not a fill";
    EXPECT_EQ(Tinta(foto, 142, 52, 158, 68), 0) << "pattern in the island";
    EXPECT_EQ(Tinta(foto, 182, 30, 198, 98) + Tinta(foto, 100, 82, 198, 98), 0) << "outside";
}

// How much of a circle of radius r round (cx, cy) shows inked, sampled every degree.
double Coberto(const QImage& foto, double cx, double cy, double r) {
    int n = 0;
    for (int g = 0; g < 360; ++g) {
        const double a = g * std::numbers::pi / 180;
        n += Conta(foto, Redor(NaVista(Min, Max, cx + r * std::cos(a), cy + r * std::sin(a)), 1),
                   Tom::Tinta) > 0;
    }
    return n / 360.0;
}

TEST(DesenhoCompletoTipoDeLinha, TracejadoNoCirculoENaPolilinha) {
    QTemporaryDir pasta;
    const std::string tabelas = Grupo(0, "SECTION") + Grupo(2, "TABLES") + Grupo(0, "TABLE") +
                                Grupo(2, "LTYPE") + Grupo(0, "LTYPE") + Grupo(2, "TRACEJADO") +
                                Grupo(73, "2") + Grupo(40, "9") + Grupo(49, "6") + Grupo(49, "-3") +
                                Grupo(0, "ENDTAB") + Grupo(0, "ENDSEC");
    const auto circulo = [](double x, const char* tipo) {
        return Grupo(0, "CIRCLE") + Grupo(8, "0") + Grupo(6, tipo) + Ponto(10, {x, 50, 0}) +
               Grupo(40, "30");
    };
    std::string poli = Grupo(0, "LWPOLYLINE") + Grupo(8, "0") + Grupo(6, "TRACEJADO") +
                       Grupo(90, "2") + Grupo(70, "0");
    for (double x : {10.0, 190.0})
        poli += Grupo(10, std::to_string(x)) + Grupo(20, "92");
    const QImage foto = Foto(
        pasta,
        EscreveDXF(pasta, Moldura() + circulo(50, "TRACEJADO") + circulo(150, "CONTINUOUS") + poli,
                   {}, tabelas));
    const double tracejado = Coberto(foto, 50, 50, 30), continuo = Coberto(foto, 150, 50, 30);
    EXPECT_GT(continuo, 0.97);
    EXPECT_GT(tracejado, 0.5);
    EXPECT_LT(tracejado, 0.85) << "two thirds drawn";
    int linha = 0;
    for (double x = 10.5; x < 190; x += 0.5)
        linha += Tinta(foto, x, 91.5, x, 92.5, Tom::Tinta) > 0;
    EXPECT_GT(linha, 360 * 0.5);
    EXPECT_LT(linha, 360 * 0.85) << "the polyline dashed";
}

TEST(DesenhoCompletoEspessuras, LigadasAlarganAsLinhasDesligadasNao) {
    QTemporaryDir pasta;
    const QString desenho =
        EscreveDXF(pasta, Moldura() + Grupo(0, "LINE") + Grupo(8, "0") + Grupo(62, "2") +
                              Grupo(370, "211") + Ponto(10, {20, 50, 0}) + Ponto(11, {180, 50, 0}));
    const QPoint meio = NaVista(Min, Max, 100, 50);
    const QRect coluna(meio.x(), meio.y() - 15, 1, 31);
    EXPECT_LE(Conta(Foto(pasta, desenho), coluna, Tom::Amarelo), 2) << "off: thin";
    EXPECT_GE(Conta(Foto(pasta, desenho, {"--espessuras"}), coluna, Tom::Amarelo), 7)
        << "on: 2.11 mm is 8 pixels";
}

} // namespace
