// dxfsnap end to end: its command line, its exit statuses, and its pictures.

#include "Ajuda.h"
#include "Opcoes.h"

namespace {

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

    // Qt's off-screen platform has no OpenGL: a message, not a crash; no picture either way.
    QTemporaryDir pasta;
    const QString nada = pasta.filePath("nada.png");
    const std::tuple<QStringList, QString, int, QString> casos[] = {
        {{"so_um_argumento.dxf"}, "", 2, "usage: dxfsnap"},
        {{pasta.filePath("nao_existe.dxf"), nada}, "", 1, "File not found"},
        {{Amostra("malha_poliface_cubo.dxf"), nada}, "offscreen", 3, "no OpenGL"},
    };
    for (const auto& [argumentos, plataforma, status, texto] : casos) {
        const auto [estado, erro] = Executa(DXFSNAP, argumentos, plataforma);
        EXPECT_EQ(estado, status) << erro.toStdString();
        EXPECT_TRUE(erro.contains(texto)) << erro.toStdString();
        EXPECT_FALSE(QFile::exists(nada));
    }
}

// Pictures checked by eye once and kept in imagens/, guarded pixel by pixel: the samples (the
// probe's white sphere on the plate, missed with the camera at the left edge), the size and
// window options, and a face wound clockwise as the camera sees it (left, below one wound
// the other way) with a closed plain polyline (right), each shown only with its option. Those
// near the origin keep the pictures made before planes and origins were chosen per paint.
TEST(Snap, ImagensGuardadasPixelAPixel) {
    QTemporaryDir pasta;
    const QString opcoes =
        EscreveDXF(pasta, Face3D(3, {{0, 0, 0}, {0, 50, 0}, {40, 50, 0}, {40, 0, 0}}) +
                              Face3D(5, {{0, 60, 0}, {40, 60, 0}, {40, 90, 0}, {0, 90, 0}}) +
                              Polilinha(1, {{60, 0, 0}, {100, 0, 0}, {100, 50, 0}, {60, 50, 0}}));
    const QString placa = Amostra("placa_cruzada_pela_sonda.dxf"),
                  cubo = Amostra("malha_poliface_cubo.dxf");
    const std::vector<std::tuple<QString, QStringList, const char*>> casos{
        {placa, {}, "placa_cruzada_pela_sonda"},
        {placa, {"--rot", "30,20,40"}, "placa_cruzada_pela_sonda_rot"},
        {placa, {"--cam", "0,500,500"}, "placa_cruzada_pela_sonda_esquerda"},
        {Amostra("todas_as_entidades.dxf"), {"--cam", "0,1000,0"}, "todas_as_entidades_cam"},
        {Amostra("bloco_inserido_varias_vezes.dxf"),
         {"--cam", "0,1000,0"},
         "bloco_inserido_varias_vezes_cam"},
        {cubo, {"--cam", "1000,0,1000", "--rot", "0,0,90"}, "malha_poliface_cubo_cam2"},
        {cubo, {"--size", "261x149"}, "malha_poliface_cubo_pequeno"},
        {opcoes, {}, "opcoes"},
        {opcoes, {"--two-sided"}, "opcoes_dois_lados"},
        {opcoes, {"--polylines"}, "opcoes_polilinhas"},
        {opcoes, {"--polylines", "--two-sided"}, "opcoes_ambas"},
    };
    for (const auto& [desenho, argumentos, imagem] : casos) {
        const QString saida = pasta.filePath(QStringLiteral("%1.png").arg(imagem));
        const auto [status, erro] = Executa(DXFSNAP, QStringList{desenho, saida} + argumentos);
        EXPECT_EQ(status, 0) << erro.toStdString();
        const QImage guardada(QStringLiteral(VISTREL_IMAGENS_DIR "/%1.png").arg(imagem));
        ASSERT_FALSE(guardada.isNull()) << imagem;
        EXPECT_TRUE(QImage(saida).convertToFormat(guardada.format()) == guardada) << imagem;
    }
    // The whole window, whose menu and labels depend on the system's fonts: its size, and
    // the cube's red top at the view's centre below the menu and the tool panel.
    const QString janela = pasta.filePath("janela.png");
    ASSERT_EQ(Executa(DXFSNAP, {cubo, janela, "--window"}).first, 0);
    const QImage foto(janela);
    ASSERT_EQ(foto.size(), QSize(536, 471));
    const QColor centro = foto.pixelColor(8 + 260, 24 + 48 + 148);
    EXPECT_TRUE(centro.red() > 150 && centro.green() < 80 && centro.blue() < 80)
        << centro.name().toStdString();
}

} // namespace
