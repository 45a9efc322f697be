// The main window with its real widgets: layout, stored view values, loading, the error
// handler, the file dialog, the zoom bar, the shortcuts and the tab order.

#include "TesteApp.h"

#include <QScreen>
#include <QTest>

namespace {

std::vector<int> Posicoes(const TForm1& j) {
    std::vector<int> posicoes;
    for (const QScrollBar* b : {j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ})
        posicoes.push_back(b->value());
    return posicoes;
}

void MoveBarras(TForm1& j) {
    for (auto [barra, valor] : {std::pair{j.AngVis, 40},
                                {j.CamX, 10},
                                {j.CamY, 20},
                                {j.CamZ, 30},
                                {j.RotX, 90},
                                {j.RotY, 180},
                                {j.RotZ, 270}})
        barra->setValue(valor);
}
const std::vector<int> Movidas{40, 10, 20, 30, 90, 180, 270};

TEST_F(JanelaTeste, LayoutMenuButtonsAndStoredViewValuesAsDesigned) {
    TForm1& j = *janela_;
    EXPECT_EQ(j.windowTitle(), "Vistrel de Arquivos DXF");
    EXPECT_EQ(j.size(), QSize(536, 471)); // 544 x 502 with a 4-pixel frame and 23-pixel title
    EXPECT_GE(j.centralWidget()->height(), 446) << "the last bars must fit";
    const QPoint centro = j.screen()->availableGeometry().center();
    EXPECT_LE((j.frameGeometry().center() - centro).manhattanLength(), 1);
    EXPECT_EQ(j.Panel1->geometry(), QRect(0, 0, 536, 41));
    EXPECT_EQ(j.BotAbrir->geometry(), QRect(8, 8, 25, 25));
    EXPECT_EQ(j.BotSair->geometry(), QRect(504, 8, 25, 25));
    EXPECT_EQ(j.View3D->geometry(), QRect(8, 48, 521, 297));
    for (auto [b, x, y, minimo, maximo, inicio] : {std::tuple{j.AngVis, 8, 385, 10, 175, 100},
                                                   {j.RotX, 224, 385, 0, 360, 0},
                                                   {j.RotY, 224, 409, 0, 360, 0},
                                                   {j.RotZ, 224, 433, 0, 360, 0},
                                                   {j.CamX, 408, 385, 0, 1000, 500},
                                                   {j.CamY, 408, 409, 0, 1000, 500},
                                                   {j.CamZ, 408, 433, 0, 1000, 500}}) {
        EXPECT_EQ(b->geometry(), QRect(x, y, 121, 13)) << b->objectName().toStdString();
        EXPECT_EQ(std::tuple(b->orientation(), b->minimum(), b->maximum(), b->value()),
                  std::tuple(Qt::Horizontal, minimo, maximo, inicio));
        EXPECT_EQ(std::pair(b->singleStep(), b->pageStep()), std::pair(1, 1));
    }
    for (auto [r, x, y, texto] : {std::tuple{j.Label1, 48, 360, "ZOOM"},
                                  {j.Label8, 256, 360, "Rotação"},
                                  {j.Label9, 408, 360, "Posição da Câmera"},
                                  {j.Label5, 200, 385, "X"},
                                  {j.Label6, 200, 409, "Y"},
                                  {j.Label7, 200, 433, "Z"},
                                  {j.Label3, 384, 385, "X"},
                                  {j.Label2, 384, 409, "Y"},
                                  {j.Label4, 384, 433, "Z"}}) {
        EXPECT_EQ(r->text(), QString::fromUtf8(texto));
        EXPECT_EQ(r->pos(), QPoint(x, y)) << texto;
        EXPECT_TRUE(r->font().bold());
        // The whole text shows, inside the window.
        EXPECT_GE(r->width(), r->fontMetrics().horizontalAdvance(r->text())) << texto;
        EXPECT_LE(r->geometry().right(), 536);
    }

    EXPECT_EQ(j.Arquivo1->title(), "Ar&quivo");
    EXPECT_EQ(j.Arquivo1->actions(), (QList<QAction*>{j.Abrir1, j.N1, j.Sair1}));
    EXPECT_TRUE(j.N1->isSeparator());
    EXPECT_EQ(j.Abrir1->text() + j.Abrir1->shortcut().toString(), "&AbrirCtrl+A");
    EXPECT_EQ(j.Sair1->text() + j.Sair1->shortcut().toString(), "&SairCtrl+S");
    for (QToolButton* botao : {j.BotAbrir, j.BotSair}) {
        const QImage normal = botao->icon().pixmap(16, QIcon::Normal).toImage();
        EXPECT_EQ(normal.size(), QSize(16, 16));
        EXPECT_NE(normal, botao->icon().pixmap(16, QIcon::Disabled).toImage());
    }

    EXPECT_EQ(j.View3D->Camera(), &j.Cam);
    EXPECT_EQ(j.View3D->ColorAmbient().Color(), 0x333333u);
    EXPECT_EQ(j.View3D->Fog().Color().Color(), clWhite);
    EXPECT_EQ(std::tuple(j.Cam.Position().Y(), j.Cam.Position().Z(), j.Cam.ViewNear(),
                         j.Cam.ViewFar(), j.Cam.ViewAngle()),
              std::tuple(0.2f, 2.0f, 0.1f, 1000.0f, 100.0f));
    EXPECT_TRUE(j.View3D->HasContext()) << j.View3D->ContextError();
    EXPECT_FALSE(Carregado);
}

TEST_F(JanelaTeste, LoadingResetsCameraAndRotationBarsAndKeepsTheZoom) {
    for (const char* amostra : {"malha_poliface_cubo.dxf", "todas_as_entidades.dxf"}) {
        MoveBarras(*janela_);
        janela_->LeArquivo(Amostra(amostra));
        EXPECT_EQ(Posicoes(*janela_), (std::vector<int>{40, 500, 500, 500, 0, 0, 0}));
        EXPECT_TRUE(Carregado);
    }
}

// Through the menu, then the button: both reach the application's one error handler. A
// cancelled dialog changes nothing either, and shows nothing.
TEST_F(JanelaTeste, FailedOrCancelledLoadLeavesBarsAndLoadedFlag) {
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

TEST_F(JanelaTeste, ZoomBarSetsTheFieldOfViewAndRedraws) {
    TForm1& j = *janela_;
    for (const int angulo : {10, 175, 100}) {
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

TEST_F(JanelaTeste, ShortcutsOpenAndQuitAndTabFollowsTheBars) {
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
}

TEST_F(JanelaTeste, ExitButtonClosesTheWindow) {
    QTest::mouseClick(janela_->BotSair, Qt::LeftButton);
    ProcessaEventos();
    EXPECT_FALSE(janela_->isVisible());
}

} // namespace
