// dxfsnap end to end: its command line, its exit statuses, and the pictures of the sample
// drawings (checked by eye once, then guarded here by their telling pixels).

#include "Ajuda.h"
#include "Opcoes.h"

#include <QProcess>

namespace {

std::pair<int, QString> Roda(const QStringList& argumentos, const QString& plataforma = {}) {
    QProcess processo;
    if (!plataforma.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
        processo.setProcessEnvironment(ambiente);
    }
    processo.start(QStringLiteral(DXFSNAP), argumentos);
    if (!processo.waitForFinished(60000)) return {-1, {}};
    return {processo.exitCode(), QString::fromUtf8(processo.readAllStandardError())};
}

TEST(Snap, OpcoesUsoErradoEArquivoIlegivel) {
    const auto l = LeOpcoesSnap({"--size", "64x32", "a.dxf", "--rot", "0,90,360", "b.png"});
    ASSERT_TRUE(l.opcoes) << l.erro;
    EXPECT_EQ(std::tuple(l.opcoes->largura, l.opcoes->altura, l.opcoes->zoom, l.opcoes->rotacao,
                         l.opcoes->camera),
              std::tuple(64, 32, 100, std::array{0, 90, 360}, std::array{500, 500, 500}));
    for (const char* valor : {"9", "176", "50x", ""})
        EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--zoom", valor}).opcoes) << valor;
    for (const char* valor : {"1,2", "1,2,3,4", "0,0,1001", "-1,0,0"})
        EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--cam", valor}).opcoes) << valor;
    EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--size", "0x10"}).opcoes);

    const auto [status, erro] = Roda({"so_um_argumento.dxf"});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(erro.contains("usage: dxfsnap"));
    QTemporaryDir pasta;
    const auto [statusAusente, erroAusente] =
        Roda({pasta.filePath("nao_existe.dxf"), pasta.filePath("nada.png")});
    EXPECT_EQ(statusAusente, 1);
    EXPECT_TRUE(erroAusente.contains("File not found")) << erroAusente.toStdString();
    EXPECT_FALSE(QFile::exists(pasta.filePath("nada.png")));
    // Qt's off-screen platform has no OpenGL: a message, not a crash.
    const auto [statusSemGL, erroSemGL] =
        Roda({Amostra("malha_poliface_cubo.dxf"), pasta.filePath("nada.png")}, "offscreen");
    EXPECT_EQ(statusSemGL, 3);
    EXPECT_TRUE(erroSemGL.contains("no OpenGL")) << erroSemGL.toStdString();
}

QImage Foto(const char* amostra, const QStringList& extra = {}) {
    QTemporaryDir pasta;
    const QString saida = pasta.filePath("foto.png");
    const auto [status, erro] = Roda(QStringList{Amostra(amostra), saida} + extra);
    EXPECT_EQ(status, 0) << erro.toStdString();
    return QImage(saida);
}

// r, g, b or y for a pixel whose colour stands out clearly; w white, k black.
char Cor(const QImage& foto, int x, int y) {
    const QColor c = foto.pixelColor(x, y);
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r < 8 && g < 8 && b < 8) return 'k';
    if (r > 200 && g > 200 && b > 200) return 'w';
    if (r > 150 && g < r / 2 && b < r / 2) return 'r';
    if (g > 150 && r < g / 2 && b < g / 2) return 'g';
    if (b > 150 && r < b / 2 && g < b / 2) return 'b';
    return r > 150 && g > 150 && b < r / 2 ? 'y' : '?';
}

// The colours at these pixels, given as x, y pairs.
std::string Cores(const QImage& foto, std::initializer_list<int> xy) {
    std::string cores;
    for (auto p = xy.begin(); p != xy.end(); p += 2)
        cores += Cor(foto, p[0], p[1]);
    return cores;
}

// The plate of four faces under the probe: its white sphere just right of and above the
// centre, each quarter in its colour, black outside.
TEST(Snap, SondaMarcaAPlacaComUmaEsferaBranca) {
    const QImage foto = Foto("placa_cruzada_pela_sonda.dxf");
    ASSERT_EQ(foto.size(), QSize(521, 297));
    EXPECT_EQ(
        Cores(foto, {264, 145, 240, 170, 250, 50, 360, 50, 360, 170, 60, 150, 470, 270, 180, 230}),
        "wrgbykkk");

    // With the camera at the drawing's left edge the plate moves right, and the probe misses.
    const QImage aEsquerda = Foto("placa_cruzada_pela_sonda.dxf", {"--cam", "0,500,500"});
    EXPECT_EQ(Cor(aEsquerda, 400, 170), 'r');
    for (int y = 0; y < aEsquerda.height(); ++y)
        for (int x = 0; x < aEsquerda.width(); ++x)
            ASSERT_NE(Cor(aEsquerda, x, y), 'w') << x << "," << y;
}

TEST(Snap, CuboPolifaceMostraOTopoNoCentro) {
    const QImage foto = Foto("malha_poliface_cubo.dxf", {"--size", "261x149"});
    ASSERT_EQ(foto.size(), QSize(261, 149));
    EXPECT_EQ(Cores(foto, {130, 74, 70, 15, 60, 74, 200, 74, 130, 143}), "rrkkk");
    // The whole window, with the view's centre below the menu and the tool panel.
    const QImage janela = Foto("malha_poliface_cubo.dxf", {"--window"});
    ASSERT_EQ(janela.size(), QSize(536, 471));
    EXPECT_EQ(Cor(janela, 8 + 260, 24 + 48 + 148), 'r');
}

// A face wound clockwise as the camera sees it on the left, a closed plain polyline on the
// right: each shows only with its option.
TEST(Snap, OpcoesDeExibicaoMostramFacesDeTrasEPolilinhas) {
    QTemporaryDir pasta;
    const QString desenho =
        EscreveDXF(pasta, Face3D(3, {{0, 0, 0}, {0, 50, 0}, {40, 50, 0}, {40, 0, 0}}) +
                              Polilinha(1, {{60, 0, 0}, {100, 0, 0}, {100, 50, 0}, {60, 50, 0}}));
    const QString saida = pasta.filePath("foto.png");
    for (auto [opcoes, mostra] : {std::pair{QStringList{}, "--"},
                                  {{"--two-sided"}, "f-"},
                                  {{"--polylines"}, "-p"},
                                  {{"--polylines", "--two-sided"}, "fp"}}) {
        const auto [status, erro] = Roda(QStringList{desenho, saida} + opcoes);
        ASSERT_EQ(status, 0) << erro.toStdString();
        const QImage foto(saida);
        std::string visto = "--";
        for (int y = 0; y < foto.height(); ++y)
            for (int x = 0; x < foto.width(); ++x)
                if (const int lado = x < foto.width() / 2 ? 0 : 1; Cor(foto, x, y) != 'k')
                    visto[lado] = "fp"[lado];
        EXPECT_EQ(visto, mostra) << opcoes.join(' ').toStdString();
    }
}

// Drawings that the camera's stored planes hold, near the origin, keep the very pictures the
// viewer made before it chose planes and local origins per paint (kept in imagens/).
TEST(Snap, DesenhosPequenosGuardamSuasImagensPixelAPixel) {
    const std::vector<std::tuple<const char*, QStringList, const char*>> casos{
        {"placa_cruzada_pela_sonda.dxf", {}, "placa_cruzada_pela_sonda"},
        {"placa_cruzada_pela_sonda.dxf", {"--rot", "30,20,40"}, "placa_cruzada_pela_sonda_rot"},
        {"todas_as_entidades.dxf", {"--cam", "0,1000,0"}, "todas_as_entidades_cam"},
        {"bloco_inserido_varias_vezes.dxf",
         {"--cam", "0,1000,0"},
         "bloco_inserido_varias_vezes_cam"},
        {"malha_poliface_cubo.dxf",
         {"--cam", "1000,0,1000", "--rot", "0,0,90"},
         "malha_poliface_cubo_cam2"},
    };
    for (const auto& [amostra, opcoes, imagem] : casos) {
        const QImage antes(QStringLiteral(VISTREL_IMAGENS_DIR "/%1.png").arg(imagem));
        ASSERT_FALSE(antes.isNull()) << imagem;
        EXPECT_TRUE(Foto(amostra, opcoes).convertToFormat(antes.format()) == antes) << imagem;
    }
}

} // namespace
