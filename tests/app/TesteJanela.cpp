// The main window with its real widgets: layout, stored view values, loading, the error
// handler, the file dialog, the zoom bar, the shortcuts and the tab order.

#include "TesteApp.h"

#include <QTest>

#include <optional>

namespace {

QRect Geometria(int x, int y, int largura, int altura) {
    return {x, y, largura, altura};
}

TEST_F(JanelaTeste, ControlsSitWhereDesignedWithTheirRangesAndStartPositions) {
    TForm1& j = *janela_;
    EXPECT_EQ(j.windowTitle(), "Vistrel de Arquivos DXF");
    EXPECT_EQ(j.objectName(), "Form1");
    EXPECT_EQ(j.size(), QSize(536, 471)); // 544 x 502 with a 4-pixel frame and 23-pixel title
    EXPECT_EQ(j.centralWidget()->height(), 471 - j.MainMenu1->height());
    EXPECT_GE(j.centralWidget()->height(), 446) << "the last bars must fit";

    EXPECT_EQ(j.Panel1->geometry(), Geometria(0, 0, 536, 41));
    EXPECT_EQ(j.BotAbrir->geometry(), Geometria(8, 8, 25, 25));
    EXPECT_EQ(j.BotSair->geometry(), Geometria(504, 8, 25, 25));
    EXPECT_EQ(j.BotAbrir->parentWidget(), j.Panel1);
    EXPECT_EQ(j.View3D->geometry(), Geometria(8, 48, 521, 297));

    struct Barra {
        QScrollBar* barra;
        int x, y, minimo, maximo, inicio;
    };
    for (const Barra& b :
         {Barra{j.AngVis, 8, 385, 10, 175, 100}, Barra{j.RotX, 224, 385, 0, 360, 0},
          Barra{j.RotY, 224, 409, 0, 360, 0}, Barra{j.RotZ, 224, 433, 0, 360, 0},
          Barra{j.CamX, 408, 385, 0, 1000, 500}, Barra{j.CamY, 408, 409, 0, 1000, 500},
          Barra{j.CamZ, 408, 433, 0, 1000, 500}}) {
        SCOPED_TRACE(b.barra->objectName().toStdString());
        EXPECT_EQ(b.barra->geometry(), Geometria(b.x, b.y, 121, 13));
        EXPECT_EQ(b.barra->orientation(), Qt::Horizontal);
        EXPECT_EQ(b.barra->minimum(), b.minimo);
        EXPECT_EQ(b.barra->maximum(), b.maximo);
        EXPECT_EQ(b.barra->value(), b.inicio);
        EXPECT_EQ(b.barra->singleStep(), 1);
        EXPECT_EQ(b.barra->pageStep(), 1);
    }

    struct Rotulo {
        QLabel* rotulo;
        int x, y;
        const char* texto;
    };
    for (const Rotulo& r :
         {Rotulo{j.Label1, 48, 360, "ZOOM"}, Rotulo{j.Label8, 256, 360, "Rotação"},
          Rotulo{j.Label9, 408, 360, "Posição da Câmera"}, Rotulo{j.Label5, 200, 385, "X"},
          Rotulo{j.Label6, 200, 409, "Y"}, Rotulo{j.Label7, 200, 433, "Z"},
          Rotulo{j.Label3, 384, 385, "X"}, Rotulo{j.Label2, 384, 409, "Y"},
          Rotulo{j.Label4, 384, 433, "Z"}}) {
        SCOPED_TRACE(r.texto);
        EXPECT_EQ(r.rotulo->text(), QString::fromUtf8(r.texto));
        EXPECT_EQ(r.rotulo->pos(), QPoint(r.x, r.y));
        EXPECT_TRUE(r.rotulo->font().bold());
        // The whole text is visible and stays inside the window.
        EXPECT_GE(r.rotulo->width(), r.rotulo->fontMetrics().horizontalAdvance(r.rotulo->text()));
        EXPECT_LE(r.rotulo->geometry().right(), 536);
    }
}

TEST_F(JanelaTeste, MenuAndButtonsAsDesigned) {
    TForm1& j = *janela_;
    EXPECT_EQ(j.Arquivo1->title(), "Ar&quivo");
    ASSERT_EQ(j.Arquivo1->actions().size(), 3);
    EXPECT_EQ(j.Arquivo1->actions()[0], j.Abrir1);
    EXPECT_TRUE(j.N1->isSeparator());
    EXPECT_EQ(j.Arquivo1->actions()[2], j.Sair1);
    EXPECT_EQ(j.Abrir1->text(), "&Abrir");
    EXPECT_EQ(j.Abrir1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(j.Sair1->text(), "&Sair");
    EXPECT_EQ(j.Sair1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    // Each button has a 16 x 16 picture and a different one when disabled.
    for (QToolButton* botao : {j.BotAbrir, j.BotSair}) {
        EXPECT_EQ(botao->iconSize(), QSize(16, 16));
        const QImage normal = botao->icon().pixmap(16, 16, QIcon::Normal).toImage();
        const QImage desabilitado = botao->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        EXPECT_EQ(normal.size(), QSize(16, 16));
        EXPECT_FALSE(normal.isNull());
        EXPECT_NE(normal, desabilitado);
    }
    EXPECT_NE(j.BotAbrir->icon().pixmap(16, 16).toImage(),
              j.BotSair->icon().pixmap(16, 16).toImage());
}

TEST_F(JanelaTeste, ViewAndCameraStartWithTheirStoredValues) {
    TForm1& j = *janela_;
    const TOGLView& v = *j.View3D;
    EXPECT_EQ(v.Camera(), &j.Cam);
    EXPECT_EQ(v.ColorAmbient().Color(), 0x333333u);
    EXPECT_EQ(v.BackgroundColor(), clBlack);
    EXPECT_FALSE(v.Coordinates().Visible());
    EXPECT_EQ(v.Fog().Color().Color(), clWhite);
    EXPECT_FALSE(v.Fog().Enabled());
    EXPECT_EQ(v.Fog().EndDepth(), 1.0f);
    EXPECT_FALSE(v.Lighting());
    EXPECT_EQ(v.CullFace(), cfNone);
    EXPECT_EQ(j.Cam.Position().Y(), 0.2f);
    EXPECT_EQ(j.Cam.Position().Z(), 2.0f);
    EXPECT_EQ(j.Cam.ViewNear(), 0.1f);
    EXPECT_EQ(j.Cam.ViewFar(), 1000.0f);
    EXPECT_EQ(j.Cam.ViewAngle(), 100.0f);
    EXPECT_TRUE(v.HasContext()) << v.ContextError();
    EXPECT_FALSE(Carregado);
}

void MoveBarras(TForm1& j) {
    j.AngVis->setValue(40);
    j.CamX->setValue(10);
    j.CamY->setValue(20);
    j.CamZ->setValue(30);
    j.RotX->setValue(90);
    j.RotY->setValue(180);
    j.RotZ->setValue(270);
}

std::vector<int> Posicoes(const TForm1& j) {
    std::vector<int> posicoes;
    for (const QScrollBar* b : {j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ})
        posicoes.push_back(b->value());
    return posicoes;
}

TEST_F(JanelaTeste, LoadingResetsCameraAndRotationBarsAndKeepsTheZoom) {
    TForm1& j = *janela_;
    MoveBarras(j);
    j.LeArquivo(Amostra("malha_poliface_cubo.dxf"));
    EXPECT_EQ(Posicoes(j), (std::vector<int>{40, 500, 500, 500, 0, 0, 0}));
    EXPECT_TRUE(Carregado);

    MoveBarras(j); // a second file resets them again
    j.LeArquivo(Amostra("todas_as_entidades.dxf"));
    EXPECT_EQ(Posicoes(j), (std::vector<int>{40, 500, 500, 500, 0, 0, 0}));
    EXPECT_EQ(j.Cam.ViewAngle(), 40.0f);
}

// Counts the renders that reach the window's paint handler.
struct ContaPinturas {
    explicit ContaPinturas(TForm1& j) {
        j.View3D->OnPaint = TNotifyEvent(&j, [this, &j](TObject* sender) {
            ++vezes;
            j.View3DPaint(sender);
        });
    }
    int vezes = 0;
};

TEST_F(JanelaTeste, FailedLoadShowsTheMessageAndLeavesBarsAndLoadedFlag) {
    TForm1& j = *janela_;
    for (const bool carregadoAntes : {false, true}) {
        SCOPED_TRACE(carregadoAntes);
        if (carregadoAntes) j.LeArquivo(Amostra("malha_poliface_cubo.dxf"));
        MoveBarras(j);
        ContaPinturas pinturas(j);
        ProcessaEventos();
        pinturas.vezes = 0;
        MensagensMostradas().clear();

        const QString inexistente = pasta_.filePath("nao_existe.dxf");
        j.OpenDialog = [&](QWidget*) { return std::optional<QString>(inexistente); };
        j.Abrir1->trigger(); // through the event loop, as the menu does
        ProcessaEventos();

        EXPECT_EQ(MensagensMostradas(), std::vector<QString>{"File not found"});
        EXPECT_EQ(Posicoes(j), (std::vector<int>{40, 10, 20, 30, 90, 180, 270}));
        EXPECT_EQ(Carregado, carregadoAntes);
        EXPECT_EQ(pinturas.vezes, 0) << "a failed load requests no redraw";
        EXPECT_TRUE(j.isVisible()) << "the window goes on";
    }
}

TEST_F(JanelaTeste, AnErrorFromTheOpenButtonReachesTheSameHandler) {
    TForm1& j = *janela_;
    const QString truncado = pasta_.filePath("truncado.dxf");
    QFile arquivo(truncado);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\n");
    arquivo.close();
    j.OpenDialog = [&](QWidget*) { return std::optional<QString>(truncado); };
    QTest::mouseClick(j.BotAbrir, Qt::LeftButton);
    ProcessaEventos();
    ASSERT_EQ(MensagensMostradas().size(), 1u);
    EXPECT_FALSE(MensagensMostradas()[0].isEmpty());
    EXPECT_FALSE(Carregado);
}

TEST_F(JanelaTeste, CancellingTheDialogChangesNothing) {
    TForm1& j = *janela_;
    MoveBarras(j);
    int perguntas = 0;
    j.OpenDialog = [&](QWidget*) {
        ++perguntas;
        return std::optional<QString>();
    };
    j.Abrir1Click();
    j.BotAbrirClick();
    EXPECT_EQ(perguntas, 2);
    EXPECT_EQ(Posicoes(j), (std::vector<int>{40, 10, 20, 30, 90, 180, 270}));
    EXPECT_FALSE(Carregado);
    EXPECT_TRUE(MensagensMostradas().empty());
}

TEST_F(JanelaTeste, ZoomBarSetsTheFieldOfViewAndRedraws) {
    TForm1& j = *janela_;
    ContaPinturas pinturas(j);
    for (const int angulo : {10, 175, 100}) {
        pinturas.vezes = 0;
        j.AngVis->setValue(angulo);
        EXPECT_EQ(j.Cam.ViewAngle(), static_cast<float>(angulo));
        ProcessaEventos();
        EXPECT_GE(pinturas.vezes, 1) << angulo;
    }
    // One step per arrow key, left and up towards the minimum.
    QTest::keyClick(j.AngVis, Qt::Key_Left);
    EXPECT_EQ(j.Cam.ViewAngle(), 99.0f);
    QTest::keyClick(j.AngVis, Qt::Key_Up);
    EXPECT_EQ(j.Cam.ViewAngle(), 98.0f);
    QTest::keyClick(j.AngVis, Qt::Key_Right);
    QTest::keyClick(j.AngVis, Qt::Key_Down);
    EXPECT_EQ(j.Cam.ViewAngle(), 100.0f);
}

TEST_F(JanelaTeste, ShortcutsOpenAndQuit) {
    TForm1& j = *janela_;
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    int perguntas = 0;
    j.OpenDialog = [&](QWidget*) {
        ++perguntas;
        return std::optional<QString>(Amostra("malha_poliface_cubo.dxf"));
    };
    QTest::keyClick(&j, Qt::Key_A, Qt::ControlModifier);
    ProcessaEventos();
    EXPECT_EQ(perguntas, 1);
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

TEST_F(JanelaTeste, TabGoesThroughTheBarsInTheirOrder) {
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
}

} // namespace
