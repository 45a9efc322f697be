// The main window with its real widgets: layout, loading, the error handler, the file
// dialog, the zoom bar, the shortcuts and the tab order.

#include "Ajuda.h"

#include <QScreen>
#include <QTest>

namespace {

std::vector<QScrollBar*> Barras(const TForm1& j) {
    return {j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ};
}

std::vector<int> Posicoes(const TForm1& j) {
    std::vector<int> posicoes;
    for (const QScrollBar* b : Barras(j))
        posicoes.push_back(b->value());
    return posicoes;
}

const std::vector<int> Movidas{40, 10, 20, 30, 90, 180, 270};

void MoveBarras(TForm1& j) {
    for (std::size_t i = 0; i < Movidas.size(); ++i)
        Barras(j)[i]->setValue(Movidas[i]);
}

TEST_F(Janela, TituloTamanhoBarrasRotulosEMenuComoDesenhados) {
    TForm1& j = *janela_;
    EXPECT_EQ(j.windowTitle(), "Vistrel de Arquivos DXF");
    EXPECT_EQ(j.size(), QSize(536, 471)); // 544 x 502 with a 4-pixel frame and 23-pixel title
    EXPECT_GE(j.centralWidget()->height(), 446) << "the last bars must fit";
    const QPoint centro = j.screen()->availableGeometry().center();
    EXPECT_LE((j.frameGeometry().center() - centro).manhattanLength(), 1);
    for (auto [b, minimo, maximo, inicio] :
         {std::tuple{j.AngVis, 10, 175, 100}, {j.RotX, 0, 360, 0}, {j.CamX, 0, 1000, 500}})
        EXPECT_EQ(std::tuple(b->minimum(), b->maximum(), b->value()),
                  std::tuple(minimo, maximo, inicio));
    std::vector<QString> textos;
    for (const QLabel* r : {j.Label1, j.Label8, j.Label9, j.Label5, j.Label3}) {
        textos.push_back(r->text());
        EXPECT_GE(r->width(), r->fontMetrics().horizontalAdvance(r->text())) << "shows whole";
    }
    EXPECT_EQ(textos, (std::vector<QString>{"ZOOM", QString::fromUtf8("Rotação"),
                                            QString::fromUtf8("Posição da Câmera"), "X", "X"}));
    EXPECT_EQ(j.Abrir1->text() + j.Abrir1->shortcut().toString(), "&AbrirCtrl+A");
    EXPECT_EQ(j.Sair1->text() + j.Sair1->shortcut().toString(), "&SairCtrl+S");
    EXPECT_TRUE(j.View3D->HasContext()) << j.View3D->ContextError();
    EXPECT_FALSE(Carregado);
}

TEST_F(Janela, CarregarVoltaAsBarrasDeCameraERotacaoEMantemOZoom) {
    for (const char* amostra : {"malha_poliface_cubo.dxf", "todas_as_entidades.dxf"}) {
        MoveBarras(*janela_);
        janela_->LeArquivo(Amostra(amostra));
        EXPECT_EQ(Posicoes(*janela_), (std::vector<int>{40, 500, 500, 500, 0, 0, 0}));
        EXPECT_TRUE(Carregado);
    }
}

// Through the menu, then the button: both reach the application's one error handler. A
// cancelled dialog changes nothing either, and shows nothing.
TEST_F(Janela, CargaQueFalhaOuCanceladaMantemBarrasEDesenho) {
    TForm1& j = *janela_;
    for (const int vez : {0, 1, 2}) {
        if (vez == 1) j.LeArquivo(Amostra("malha_poliface_cubo.dxf"));
        j.OpenDialog = [&](QWidget*) {
            return vez == 2 ? std::optional<QString>()
                            : std::optional(pasta_.filePath("nao_existe.dxf"));
        };
        MoveBarras(j);
        const ContaPinturas pinturas(j);
        MensagensMostradas().clear();
        if (vez == 0)
            j.Abrir1->trigger();
        else
            QTest::mouseClick(j.BotAbrir, Qt::LeftButton);
        ProcessaEventos();
        EXPECT_EQ(MensagensMostradas(),
                  vez == 2 ? std::vector<QString>{} : std::vector<QString>{"File not found"});
        EXPECT_EQ(Posicoes(j), Movidas);
        EXPECT_EQ(Carregado, vez > 0);
        EXPECT_EQ(pinturas.vezes, 0) << "a failed load requests no redraw";
        EXPECT_TRUE(j.isVisible());
    }
}

TEST_F(Janela, BarraDeZoomDefineOCampoDeVisaoERedesenha) {
    TForm1& j = *janela_;
    for (const int angulo : {10, 100}) {
        const ContaPinturas pinturas(j);
        j.AngVis->setValue(angulo);
        EXPECT_EQ(j.Cam.ViewAngle(), static_cast<float>(angulo));
        ProcessaEventos();
        EXPECT_GE(pinturas.vezes, 1) << angulo;
    }
    // One step per arrow key, left and up towards the minimum.
    for (auto [tecla, angulo] : {std::pair{Qt::Key_Left, 99.0f},
                                 {Qt::Key_Up, 98.0f},
                                 {Qt::Key_Right, 99.0f},
                                 {Qt::Key_Down, 100.0f}}) {
        QTest::keyClick(j.AngVis, tecla);
        EXPECT_EQ(j.Cam.ViewAngle(), angulo);
    }
}

TEST_F(Janela, AtalhosEBotaoDeSairAbremEFechamETabSegueAsBarras) {
    TForm1& j = *janela_;
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    j.AngVis->setFocus();
    std::vector<QString> ordem{j.focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(j.focusWidget(), Qt::Key_Tab);
        ordem.push_back(j.focusWidget()->objectName());
    }
    EXPECT_EQ(ordem, (std::vector<QString>{"AngVis", "CamX", "CamY", "CamZ", "RotX", "RotY", "RotZ",
                                           "AngVis"}));

    j.OpenDialog = [](QWidget*) { return std::optional(Amostra("malha_poliface_cubo.dxf")); };
    QTest::keyClick(&j, Qt::Key_A, Qt::ControlModifier);
    ProcessaEventos();
    EXPECT_TRUE(Carregado);
    QTest::keyClick(&j, Qt::Key_S, Qt::ControlModifier);
    ProcessaEventos();
    EXPECT_FALSE(j.isVisible());
    j.show();
    QTest::mouseClick(j.BotSair, Qt::LeftButton); // the exit button too
    ProcessaEventos();
    EXPECT_FALSE(j.isVisible());
}

} // namespace
