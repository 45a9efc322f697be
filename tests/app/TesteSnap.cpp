// dxfsnap end to end: its options and its pictures (its exit statuses: TesteInteracao).

#include "Ajuda.h"
#include "Opcoes.h"

namespace {

TEST(Snap, OpcoesForaDaFaixaSaoRecusadas) {
    EXPECT_TRUE(LeOpcoesSnap({"--size", "64x32", "a.dxf", "--rot", "0,90,360", "b.png"}).opcoes);
    for (const char* valor : {"9", "176", "50x", ""})
        EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--zoom", valor}).opcoes) << valor;
    for (const char* valor : {"1,2", "1,2,3,4", "0,0,1001", "-1,0,0"})
        EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--cam", valor}).opcoes) << valor;
    EXPECT_FALSE(LeOpcoesSnap({"a", "b", "--size", "0x10"}).opcoes);
}

// Pictures checked by eye once: the samples (the probe's sphere on the plate, missed from the
// left), the size option, and the display options on a clockwise face and a closed plain polyline.
TEST(Snap, ImagensGuardadasPixelAPixel) {
    QTemporaryDir pasta;
    const QString opcoes =
        EscreveDXF(pasta, Face3D(3, {{0, 0, 0}, {0, 50, 0}, {40, 50, 0}, {40, 0, 0}}) +
                              Retangulo(5, 0, 60, 40, 30) +
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
    // The whole window depends on the system's fonts: its size, and the cube's red top at the
    // view's centre.
    const QString janela = pasta.filePath("janela.png");
    ASSERT_EQ(Executa(DXFSNAP, {cubo, janela, "--window"}).first, 0);
    const QImage foto(janela);
    ASSERT_EQ(foto.size(), QSize(536, 471));
    const QColor centro = foto.pixelColor(8 + 260, 24 + 48 + 148);
    EXPECT_TRUE(centro.red() > 150 && centro.green() < 80 && centro.blue() < 80)
        << centro.name().toStdString();
}

} // namespace
