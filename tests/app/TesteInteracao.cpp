// What the window does beyond its bars and menu, through its real widgets: the mouse in the
// view, files dropped on it, a window that grows, the command line.

#include "Ajuda.h"
#include "Inicio.h"

#include <QMimeData>
#include <QTest>

namespace {

void Roda(QWidget* alvo, QEvent&& evento) {
    QApplication::sendEvent(alvo, &evento);
}

void Roda(QWidget* vista, QPoint de, QPoint para, Qt::MouseButton botao) {
    QTest::mousePress(vista, botao, {}, de);
    QTest::mouseMove(vista, (de + para) / 2);
    QTest::mouseMove(vista, para);
    QTest::mouseRelease(vista, botao, {}, para);
}

void Roda(QWidget* vista, int angulo, Qt::KeyboardModifiers teclas = {}) {
    const QPointF centro(vista->width() / 2.0, vista->height() / 2.0);
    Roda(vista, QWheelEvent(centro, vista->mapToGlobal(centro), {}, {0, angulo}, Qt::NoButton,
                            teclas, Qt::NoScrollPhase, false));
}

// The view is 521 pixels wide: a drag across it turns a full circle, or moves the camera
// across the drawing's extents (1000 steps); a wheel notch is 5 degrees of the field of
// view (the zoom bar's value), or 20 steps of the camera's depth with Ctrl.
TEST_F(Janela, MouseNaVistaETeclasDoZoomMovemAsBarrasERedesenham) {
    TForm1& j = *janela_;
    const QPoint c(260, 148);
    const struct {
        std::function<void()> gesto;
        std::vector<int> barras; // AngVis, CamX, CamY, CamZ, RotX, RotY, RotZ
    } casos[] = {
        {[&] { Roda(j.View3D, c - QPoint(130, 0), c + QPoint(130, 0), Qt::LeftButton); },
         {100, 500, 500, 500, 0, 180, 0}},
        {[&] { Roda(j.View3D, c, c + QPoint(-130, 130), Qt::LeftButton); },
         {100, 500, 500, 500, 90, 270, 0}}, // turned back past 0
        {[&] { Roda(j.View3D, c, c + QPoint(130, 52), Qt::RightButton); },
         {100, 250, 600, 500, 0, 0, 0}}, // the drawing follows the hand
        {[&] { Roda(j.View3D, c, c + QPoint(-130, -52), Qt::MiddleButton); },
         {100, 750, 400, 500, 0, 0, 0}},
        {[&] { Roda(j.View3D, 120); }, {95, 500, 500, 500, 0, 0, 0}},
        {[&] { Roda(j.View3D, 60), Roda(j.View3D, 60), Roda(j.View3D, -360); },
         {110, 500, 500, 500, 0, 0, 0}}, // parts of a notch add up
        {[&] { Roda(j.View3D, -240, Qt::ControlModifier); }, {100, 500, 500, 540, 0, 0, 0}},
        // The zoom bar by hand: one step per arrow key, left and up towards the minimum.
        {[&] { j.AngVis->setValue(10); }, {10, 500, 500, 500, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Left); }, {99, 500, 500, 500, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Up); }, {99, 500, 500, 500, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Right); }, {101, 500, 500, 500, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Down); }, {101, 500, 500, 500, 0, 0, 0}},
    };
    ASSERT_EQ(j.View3D->width(), 521);
    for (const auto& caso : casos) {
        j.LeArquivo(Amostra("malha_poliface_cubo.dxf"));
        j.AngVis->setValue(100);
        const ContaPinturas pinturas(j);
        caso.gesto();
        EXPECT_EQ(Barras(j), caso.barras);
        EXPECT_EQ(j.Cam.ViewAngle(), static_cast<float>(caso.barras[0]));
        ProcessaEventos();
        EXPECT_GE(pinturas.vezes, 1);
    }
}

std::unique_ptr<QMimeData> Arquivos(const QStringList& nomes) {
    auto dados = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& nome : nomes)
        urls.push_back(QUrl::fromLocalFile(nome));
    dados->setUrls(urls);
    return dados;
}

// Dropped on the view, the window takes one DXF file, whatever the case of its extension.
TEST_F(Janela, ArquivoDxfSoltoAbreOutrosSaoRecusados) {
    TForm1& j = *janela_;
    const QString maiusculo = pasta_.filePath("CUBO.DXF");
    ASSERT_TRUE(QFile::copy(Amostra("malha_poliface_cubo.dxf"), maiusculo));
    const std::pair<QStringList, bool> casos[] = {
        {{pasta_.filePath("nota.txt")}, false},
        {{maiusculo, maiusculo}, false},
        {{maiusculo}, true},
    };
    for (const auto& [nomes, aceito] : casos) {
        j.RotX->setValue(90);
        const auto dados = Arquivos(nomes);
        const QPoint ponto(100, 100);
        QDragEnterEvent entra(ponto, Qt::CopyAction, dados.get(), Qt::LeftButton, {});
        QApplication::sendEvent(j.View3D, &entra);
        EXPECT_EQ(entra.isAccepted(), aceito) << nomes.front().toStdString();
        QDropEvent larga(ponto, Qt::CopyAction, dados.get(), Qt::LeftButton, {});
        QApplication::sendEvent(j.View3D, &larga);
        ProcessaEventos();
        EXPECT_EQ(Carregado, aceito);
        EXPECT_EQ(j.RotX->value(), aceito ? 0 : 90);
    }
    EXPECT_TRUE(MensagensMostradas().empty());
}

TEST_F(Janela, JanelaMaiorDaEspacoAVistaEMantemAsBarrasEmbaixo) {
    TForm1& j = *janela_;
    const auto lugares = [&] {
        return std::vector<QRect>{j.View3D->geometry(), j.Panel1->geometry(), j.BotSair->geometry(),
                                  j.RotZ->geometry(), j.Label9->geometry()};
    };
    const std::vector<QRect> inicio = lugares();
    j.resize(836, 571);
    ProcessaEventos();
    EXPECT_EQ(lugares(),
              (std::vector<QRect>{inicio[0].adjusted(0, 0, 300, 100),
                                  inicio[1].adjusted(0, 0, 300, 0), inicio[2],
                                  inicio[3].translated(0, 100), inicio[4].translated(0, 100)}));
    j.resize(300, 200); // never smaller than designed
    ProcessaEventos();
    EXPECT_EQ(lugares(), inicio);
}

TEST_F(Janela, LinhaDeComandoNomeiaOArquivoAbertoQuandoAJanelaAparece) {
    const std::tuple<QStringList, QString, int, QString> casos[] = {
        {{"--help"}, "", 0, "[arquivo]"},
        {{"a.dxf", "b.dxf"}, "", 1, "só um arquivo"},
        // Without OpenGL (Qt's off-screen platform): the reason, not a crash.
        {{Amostra("todas_as_entidades.dxf")}, "offscreen", 1, "não mostra vistas OpenGL"},
    };
    for (const auto& [argumentos, plataforma, status, texto] : casos) {
        const auto [estado, saida] = Executa(VISTRELDXF, argumentos, plataforma);
        EXPECT_EQ(estado, status) << argumentos.join(' ').toStdString();
        EXPECT_TRUE(saida.contains(texto)) << saida.toStdString();
    }
    const auto [versao, textoDaVersao] = Executa(VISTRELDXF, {"--version"});
    EXPECT_TRUE(versao == 0 && textoDaVersao.startsWith("VistrelDXF 1.")) << versao;
    EXPECT_EQ(LeLinhaDeComando({"VistrelDXF"}), std::nullopt);

    TForm1& j = *janela_;
    for (const QString& nome :
         {pasta_.filePath("nao_existe.dxf"), Amostra("todas_as_entidades.dxf")}) {
        j.RotY->setValue(30);
        j.AbreAoIniciar(*LeLinhaDeComando({"VistrelDXF", nome}));
        EXPECT_FALSE(Carregado) << "opens from the event loop";
        ProcessaEventos();
        EXPECT_EQ(j.RotY->value(), Carregado ? 0 : 30);
    }
    EXPECT_TRUE(Carregado);
    EXPECT_EQ(MensagensMostradas(), std::vector<QString>{"File not found"});
}

} // namespace
