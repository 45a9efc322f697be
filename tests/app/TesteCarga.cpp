// A load as the user sees it: the progress of a long one, with no other input and no
// drawing meanwhile, and the error box that says where reading stopped, after which the view
// shows what the model now holds.

#include "Ajuda.h"
#include "Aplicacao.h"
#include "UDXF.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QTimer>

namespace {

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
    int quantas = 0;
    for (; faces.size() < 3'000'000; ++quantas)
        faces += Face3D(1, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
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
    EXPECT_EQ(Faces3D.Count(), quantas) << "the big drawing is the one loaded";
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
        const ContaPinturas pinturas(j);
        QString texto, informativo;
        QuandoAparecer<QMessageBox>([&](QMessageBox& caixa) {
            texto = caixa.text();
            informativo = caixa.informativeText();
            caixa.accept();
            return true;
        });
        j.OpenDialog = [&](QWidget*) { return std::optional(nome); };
        j.Abrir1->trigger();
        ProcessaEventos();
        EXPECT_EQ(std::pair(texto, informativo), std::pair(mensagem, detalhe));
        EXPECT_GE(pinturas.vezes, 1) << "the view repaints once the box closes";
    }
}

} // namespace
