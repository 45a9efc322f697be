// The main window with its real widgets: layout, loading, the error handler, the file
// dialog, the shortcuts, the tab order and Qt's own texts in Portuguese.

#include "Ajuda.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

namespace {

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
    // Qt's own texts in Portuguese.
    QFileDialog dialogo(&j);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialogo.findChild<QLabel*>("fileNameLabel")->text(), "&Nome do arquivo:");
    QMessageBox caixa(QMessageBox::Critical, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text(), "Cancelar");
}

// Through the menu or the button, both reaching the application's one error handler: a load
// puts the camera and rotation bars back and keeps the zoom; a failed or cancelled one
// changes nothing and requests no redraw.
TEST_F(Janela, CargaVoltaAsBarrasEQueFalhaOuCanceladaNadaMuda) {
    TForm1& j = *janela_;
    const std::vector<int> movidas{40, 10, 20, 30, 90, 180, 270};
    const std::tuple<bool, std::optional<QString>, bool> casos[] = {
        {false, pasta_.filePath("nao_existe.dxf"), false},
        {true, Amostra("malha_poliface_cubo.dxf"), true},
        {true, pasta_.filePath("nao_existe.dxf"), false},
        {false, std::nullopt, false},
        {false, Amostra("todas_as_entidades.dxf"), true},
    };
    int caso = 0;
    for (const auto& [botao, arquivo, carrega] : casos) {
        j.OpenDialog = [&](QWidget*) { return arquivo; };
        PoeBarras(j, movidas);
        const ContaPinturas pinturas(j);
        MensagensMostradas().clear();
        if (botao)
            QTest::mouseClick(j.BotAbrir, Qt::LeftButton);
        else
            j.Abrir1->trigger();
        ProcessaEventos();
        EXPECT_EQ(MensagensMostradas(), arquivo && !carrega ? std::vector<QString>{"File not found"}
                                                            : std::vector<QString>{})
            << caso;
        const std::vector<int> voltas{40, 500, 500, 500, 0, 0, 0};
        EXPECT_EQ(Barras(j), carrega ? voltas : movidas) << caso;
        EXPECT_EQ(Carregado, caso > 0) << caso;
        EXPECT_EQ(pinturas.vezes > 0, carrega) << caso;
        EXPECT_TRUE(j.isVisible());
        ++caso;
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
