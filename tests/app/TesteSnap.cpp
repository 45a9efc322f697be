// dxfsnap end to end: its command line, its exit statuses, and the pictures of the sample
// drawings (checked by eye once, then guarded here by their telling pixels).

#include "Opcoes.h"
#include "TesteApp.h"

#include <QImage>
#include <QProcess>

namespace {

struct Execucao {
    int status = -1;
    QString erro;
};

Execucao Roda(const QStringList& argumentos) {
    QProcess processo;
    processo.start(QStringLiteral(DXFSNAP), argumentos);
    if (!processo.waitForFinished(60000)) return {};
    return {processo.exitCode(), QString::fromUtf8(processo.readAllStandardError())};
}

TEST(OpcoesSnap, DefaultsAreThePositionsAfterALoad) {
    const TLeituraOpcoes l = LeOpcoesSnap({"a.dxf", "b.png"});
    ASSERT_TRUE(l.opcoes) << l.erro;
    EXPECT_EQ(l.opcoes->entrada, "a.dxf");
    EXPECT_EQ(l.opcoes->saida, "b.png");
    EXPECT_EQ(l.opcoes->largura, 521);
    EXPECT_EQ(l.opcoes->altura, 297);
    EXPECT_EQ(l.opcoes->zoom, 100);
    EXPECT_EQ(l.opcoes->rotacao, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(l.opcoes->camera, (std::array<int, 3>{500, 500, 500}));
}

TEST(OpcoesSnap, ReadsEveryOptionAndRefusesWhatIsOutOfRange) {
    const TLeituraOpcoes l = LeOpcoesSnap({"--size", "64x32", "a.dxf", "--zoom", "10", "--rot",
                                           "0,90,360", "b.png", "--cam", "0,1000,7", "--window"});
    ASSERT_TRUE(l.opcoes) << l.erro;
    EXPECT_EQ(l.opcoes->largura, 64);
    EXPECT_EQ(l.opcoes->altura, 32);
    EXPECT_EQ(l.opcoes->zoom, 10);
    EXPECT_EQ(l.opcoes->rotacao, (std::array<int, 3>{0, 90, 360}));
    EXPECT_EQ(l.opcoes->camera, (std::array<int, 3>{0, 1000, 7}));
    EXPECT_TRUE(l.opcoes->janela);

    for (const std::vector<std::string>& errado : {std::vector<std::string>{"a.dxf"},
                                                   {"a.dxf", "b.png", "c"},
                                                   {"a.dxf", "b.png", "--zoom"},
                                                   {"a.dxf", "b.png", "--zoom", "9"},
                                                   {"a.dxf", "b.png", "--zoom", "176"},
                                                   {"a.dxf", "b.png", "--zoom", "50x"},
                                                   {"a.dxf", "b.png", "--rot", "1,2"},
                                                   {"a.dxf", "b.png", "--rot", "1,2,3,4"},
                                                   {"a.dxf", "b.png", "--cam", "0,0,1001"},
                                                   {"a.dxf", "b.png", "--size", "0x10"},
                                                   {"a.dxf", "b.png", "--size", "100000x10"},
                                                   {"a.dxf", "b.png", "--fast"}})
        EXPECT_FALSE(LeOpcoesSnap(errado).opcoes) << errado.back();
}

class SnapTeste : public testing::Test {
  protected:
    QImage Foto(const char* amostra, const QStringList& extra = {}) {
        const QString saida = pasta_.filePath(QString::fromUtf8(amostra) + ".png");
        const Execucao e = Roda(QStringList{Amostra(amostra), saida} + extra);
        EXPECT_EQ(e.status, 0) << e.erro.toStdString();
        return QImage(saida);
    }
    QTemporaryDir pasta_;
};

bool Preto(QColor c) {
    return c.red() < 8 && c.green() < 8 && c.blue() < 8;
}
bool Branco(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}
// The channel that stands out clearly above the other two.
char Dominante(QColor c) {
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r > 150 && g < r / 2 && b < r / 2) return 'r';
    if (g > 150 && r < g / 2 && b < g / 2) return 'g';
    if (b > 150 && r < b / 2 && g < b / 2) return 'b';
    if (r > 150 && g > 150 && b < r / 2) return 'y';
    return '?';
}

// The plate of four faces under the probe: its white sphere just right of and above the
// centre, each quarter in its colour, black outside the frame.
TEST_F(SnapTeste, ProbeMarksThePlateWithAWhiteSphere) {
    const QImage foto = Foto("placa_cruzada_pela_sonda.dxf");
    ASSERT_EQ(foto.size(), QSize(521, 297));
    EXPECT_TRUE(Branco(foto.pixelColor(264, 145)))
        << foto.pixelColor(264, 145).name().toStdString();
    EXPECT_EQ(Dominante(foto.pixelColor(240, 170)), 'r');
    EXPECT_EQ(Dominante(foto.pixelColor(250, 50)), 'g');
    EXPECT_EQ(Dominante(foto.pixelColor(360, 50)), 'b');
    EXPECT_EQ(Dominante(foto.pixelColor(360, 170)), 'y');
    EXPECT_TRUE(Preto(foto.pixelColor(60, 150)));
    EXPECT_TRUE(Preto(foto.pixelColor(470, 270)));
    EXPECT_TRUE(Preto(foto.pixelColor(180, 230))); // inside the frame, below the plate
}

TEST_F(SnapTeste, BarsGivenOnTheCommandLineMoveTheView) {
    // The camera at the left edge of the drawing: the plate's red quarter moves right and the
    // probe's line misses the plate.
    const QImage foto = Foto("placa_cruzada_pela_sonda.dxf", {"--cam", "0,500,500"});
    int brancos = 0;
    for (int y = 0; y < foto.height(); ++y)
        for (int x = 0; x < foto.width(); ++x)
            brancos += Branco(foto.pixelColor(x, y));
    EXPECT_EQ(brancos, 0);
    EXPECT_EQ(Dominante(foto.pixelColor(400, 170)), 'r');

    const QImage pequena = Foto("placa_cruzada_pela_sonda.dxf", {"--size", "101x61"});
    EXPECT_EQ(pequena.size(), QSize(101, 61));
}

TEST_F(SnapTeste, PolyfaceCubeShowsItsTopFaceInTheCentre) {
    const QImage foto = Foto("malha_poliface_cubo.dxf");
    EXPECT_EQ(Dominante(foto.pixelColor(260, 148)), 'r');
    EXPECT_EQ(Dominante(foto.pixelColor(140, 30)), 'r');
    EXPECT_TRUE(Preto(foto.pixelColor(120, 148)));
    EXPECT_TRUE(Preto(foto.pixelColor(400, 148)));
    EXPECT_TRUE(Preto(foto.pixelColor(260, 285)));
}

TEST_F(SnapTeste, WindowPictureHoldsTheControlsAndTheView) {
    const QImage foto = Foto("malha_poliface_cubo.dxf", {"--window"});
    ASSERT_EQ(foto.size(), QSize(536, 471));
    // The view's centre, whatever the menu bar's height.
    EXPECT_EQ(Dominante(foto.pixelColor(8 + 260, 24 + 48 + 148)), 'r');
}

TEST(Snap, WrongUsageAndUnreadableFilesGiveTheirStatus) {
    QTemporaryDir pasta;
    const Execucao uso = Roda({"so_um_argumento.dxf"});
    EXPECT_EQ(uso.status, 2);
    EXPECT_TRUE(uso.erro.contains("usage: dxfsnap")) << uso.erro.toStdString();

    const QString saida = pasta.filePath("nada.png");
    const Execucao ausente = Roda({pasta.filePath("nao_existe.dxf"), saida});
    EXPECT_EQ(ausente.status, 1);
    EXPECT_TRUE(ausente.erro.contains("File not found")) << ausente.erro.toStdString();
    EXPECT_FALSE(QFile::exists(saida));
}

} // namespace
