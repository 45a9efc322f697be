// The main window with its real widgets: layout, loading (its progress and error box), the error
// handler, the file dialog, the shortcuts, the menu "Exibir", the tab order and Qt's own texts.

#include "Ajuda.h"
#include "Aplicacao.h"
#include "UDXF.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

TEST_F(Janela, TituloTamanhoERotulosComoDesenhados) {
    TForm1& j = *janela_;
    EXPECT_EQ(j.windowTitle(), "Vistrel de Arquivos DXF");
    EXPECT_EQ(j.size(), QSize(536, 471)); // 544 x 502 with a 4-pixel frame and 23-pixel title
    EXPECT_GE(j.centralWidget()->height(), 446) << "the last bars must fit";
    const QPoint centro = j.screen()->availableGeometry().center();
    EXPECT_LE((j.frameGeometry().center() - centro).manhattanLength(), 1);
    for (const QLabel* r : j.findChildren<QLabel*>())
        EXPECT_GE(r->width(), r->fontMetrics().horizontalAdvance(r->text())) << "shows whole";
    QFileDialog dialogo(&j);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialogo.findChild<QLabel*>("fileNameLabel")->text(), "&Nome do arquivo:");
    QMessageBox caixa(QMessageBox::Critical, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text(), "Cancelar");
}

// By menu or button a load resets the camera and rotation bars; a failed or cancelled one does not.
TEST_F(Janela, CargaVoltaAsBarrasEQueFalhaOuCanceladaNadaMuda) {
    TForm1& j = *janela_;
    const std::array barras{j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ};
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
        for (std::size_t i = 0; i < barras.size(); ++i)
            barras[i]->setValue(movidas[i]);
        ContaPinturas();
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
        EXPECT_EQ(pinturas_ > 0, carrega) << caso;
        ++caso;
    }
}

TEST_F(Janela, AtalhosAbremAlternamOpcoesEFechamETabSegueAsBarras) {
    TForm1& j = *janela_;
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    j.AngVis->setFocus();
    for (const char* proxima : {"CamX", "CamY", "CamZ", "RotX", "RotY", "RotZ", "AngVis"}) {
        QTest::keyClick(j.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(j.focusWidget()->objectName(), proxima);
    }

    // The menu "Exibir" right after "Arquivo", its options off; each change redraws.
    const QList<QAction*> menus = j.MainMenu1->actions();
    EXPECT_EQ(menus.value(menus.indexOf(j.Arquivo1->menuAction()) + 1), j.Exibir1->menuAction());
    EXPECT_EQ(j.Exibir1->title(), "&Exibir");
    QStringList opcoes;
    for (QAction* opcao : j.Exibir1->actions()) {
        if (!opcao->isCheckable() || !opcao->isEnabled()) continue; // the views
        opcoes << opcao->text() + " " + opcao->shortcut().toString();
        EXPECT_FALSE(opcao->isChecked());
        for (const bool marcada : {true, false}) {
            ContaPinturas();
            QTest::keySequence(&j, opcao->shortcut());
            EXPECT_EQ(opcao->isChecked(), marcada);
            ProcessaEventos();
            EXPECT_GE(pinturas_, 1);
        }
    }
    EXPECT_EQ(opcoes, (QStringList{"Faces dos &dois lados Ctrl+D", "&Polilinhas Ctrl+L",
                                   "Desenho &completo Ctrl+T", "&Espessuras de linha Ctrl+E",
                                   "Ca&madas Ctrl+K"}));

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

// Runs `durante` from the event loop while a widget of type W shows, until it returns true.
template <class W> void QuandoAparecer(std::function<bool(W&)> durante) {
    auto* relogio = new QTimer(qApp);
    QObject::connect(relogio, &QTimer::timeout, [relogio, durante] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* alvo = qobject_cast<W*>(w); alvo != nullptr && alvo->isVisible())
                if (durante(*alvo)) {
                    relogio->stop();
                    relogio->deleteLater();
                    return;
                }
    });
    relogio->start(0);
}

TEST_F(Janela, CargaLongaMostraProgressoENaoAceitaOutraEntradaNemDesenho) {
    TForm1& j = *janela_;
    std::string faces;
    while (faces.size() < 3'000'000)
        faces += Retangulo(1, 0, 0, 1, 1);
    const QString grande = EscreveDXF(pasta_, faces);
    j.LeArquivo(Amostra("todas_as_entidades.dxf"));
    j.EsperaDoProgresso = std::chrono::milliseconds(0);

    int dialogosPedidos = 0;
    j.OpenDialog = [&](QWidget*) {
        ++dialogosPedidos;
        return std::optional(Amostra("malha_poliface_cubo.dxf"));
    };
    std::optional<int> progresso;
    Qt::CursorShape cursor{};
    QImage pintura;
    QuandoAparecer<QProgressDialog>([&](QProgressDialog& d) {
        if (d.value() < 500) return false; // half the drawing is in the model
        progresso = d.value();
        cursor = QApplication::overrideCursor()->shape();
        j.Abrir1Click();
        j.AbreArquivo(Amostra("malha_poliface_cubo.dxf"));
        j.close();
        pintura = j.View3D->grabFramebuffer();
        return true;
    });
    j.AbreArquivo(grande);
    ASSERT_TRUE(progresso.has_value()) << "no progress dialog";
    EXPECT_LT(*progresso, 1000);
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(dialogosPedidos, 0) << "no second load inside one";
    EXPECT_EQ(Faces3D.Count(), faces.size() / Retangulo(1, 0, 0, 1, 1).size()) << "the big one";
    EXPECT_EQ(PixelsAcima(pintura, 0), 0) << "half-read, not drawn";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(j.Carregando());
    EXPECT_TRUE(j.isVisible()) << "not closed during the load";
}

// The real message box: the message as before, the file and the line as its detail.
TEST_F(Janela, CaixaDeErroDizOndeEAVistaMostraOQueFoiLido) {
    TForm1& j = *janela_;
    const auto antes = std::exchange(TAplicacao::MostraMensagem, TAplicacao::MensagemEmCaixa);
    const auto volta = qScopeGuard([&] { TAplicacao::MostraMensagem = antes; });
    const QString ruim = EscreveDXF(pasta_, "0\r\nLINE\r\n10\r\nx\r\n");
    const QString ausente = pasta_.filePath("nao_existe.dxf");
    const std::tuple<QString, QString, QString> casos[] = {
        {ruim, "Invalid numeric input", "Arquivo: " + ruim + "\nLinha: 8"},
        {ausente, "File not found", "Arquivo: " + ausente},
    };
    for (const auto& [nome, mensagem, detalhe] : casos) {
        j.LeArquivo(Amostra("todas_as_entidades.dxf"));
        ContaPinturas();
        std::pair<QString, QString> vista;
        QuandoAparecer<QMessageBox>([&](QMessageBox& caixa) {
            vista = {caixa.text(), caixa.informativeText()};
            caixa.accept();
            return true;
        });
        j.OpenDialog = [&](QWidget*) { return std::optional(nome); };
        j.Abrir1->trigger();
        ProcessaEventos();
        EXPECT_EQ(vista, std::pair(mensagem, detalhe));
        EXPECT_GE(pinturas_, 1) << "the view repaints once the box closes";
    }
}

} // namespace
