// The mouse in the view, files dropped on it, a window that grows, the command line (and
// dxfsnap's).

#include "Ajuda.h"
#include "Inicio.h"

#include <QMimeData>
#include <QTest>

namespace {

void Roda(QWidget* vista, int angulo, Qt::KeyboardModifiers teclas = {}) {
    const QPointF centro(vista->width() / 2.0, vista->height() / 2.0);
    QWheelEvent roda(centro, vista->mapToGlobal(centro), {}, {0, angulo}, Qt::NoButton, teclas,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(vista, &roda);
}

// A drag across the 521-pixel view turns a full circle, or moves the camera 1000 steps; a wheel
// notch is 5 degrees of zoom, or 20 steps of camera depth with Ctrl.
TEST_F(Janela, MouseNaVistaETeclasDoZoomMovemAsBarrasERedesenham) {
    TForm1& j = *janela_;
    const auto arrasta = [&](Qt::MouseButton botao, int dx, int dy) {
        return [&j, botao, dx, dy] {
            const QPoint de(130, 148), para = de + QPoint(dx, dy);
            QTest::mousePress(j.View3D, botao, {}, de);
            QTest::mouseMove(j.View3D, (de + para) / 2);
            QTest::mouseMove(j.View3D, para);
            QTest::mouseRelease(j.View3D, botao, {}, para);
        };
    };
    const std::pair<std::function<void()>, std::vector<int>> casos[] = {
        {arrasta(Qt::LeftButton, 260, 0), {100, 500, 500, 500, 0, 180, 0}},
        {arrasta(Qt::LeftButton, -130, 130), {100, 500, 500, 500, 90, 270, 0}}, // back past 0
        {arrasta(Qt::RightButton, 130, 52), {100, 250, 600, 500, 0, 0, 0}},     // follows the hand
        {arrasta(Qt::MiddleButton, -130, -52), {100, 750, 400, 500, 0, 0, 0}},
        {[&] { Roda(j.View3D, 120); }, {95, 500, 500, 500, 0, 0, 0}},
        {[&] { Roda(j.View3D, 60), Roda(j.View3D, 60), Roda(j.View3D, -360); },
         {110, 500, 500, 500, 0, 0, 0}}, // parts of a notch add up
        {[&] { Roda(j.View3D, -240, Qt::ControlModifier); }, {100, 500, 500, 540, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Left); }, {99, 500, 500, 500, 0, 0, 0}},
        {[&] { QTest::keyClick(j.AngVis, Qt::Key_Right); }, {101, 500, 500, 500, 0, 0, 0}},
    };
    ASSERT_EQ(j.View3D->width(), 521);
    for (const auto& [gesto, barras] : casos) {
        j.LeArquivo(Amostra("malha_poliface_cubo.dxf"));
        j.AngVis->setValue(100);
        ContaPinturas();
        gesto();
        EXPECT_EQ(Barras(j), barras);
        EXPECT_EQ(j.Cam.ViewAngle(), static_cast<float>(barras[0]));
        ProcessaEventos();
        EXPECT_GE(pinturas_, 1);
    }
}

// Dropped on the view, the window takes one DXF file, whatever the case of its extension.
TEST_F(Janela, ArquivoDxfSoltoAbreOutrosSaoRecusados) {
    TForm1& j = *janela_;
    const QUrl cubo = QUrl::fromLocalFile(pasta_.filePath("CUBO.DXF"));
    ASSERT_TRUE(QFile::copy(Amostra("malha_poliface_cubo.dxf"), cubo.toLocalFile()));
    const std::pair<QList<QUrl>, bool> casos[] = {
        {{QUrl::fromLocalFile(pasta_.filePath("nota.txt"))}, false},
        {{cubo, cubo}, false},
        {{cubo}, true},
    };
    for (const auto& [urls, aceito] : casos) {
        j.RotX->setValue(90);
        QMimeData dados;
        dados.setUrls(urls);
        QDragEnterEvent entra({100, 100}, Qt::CopyAction, &dados, Qt::LeftButton, {});
        QApplication::sendEvent(j.View3D, &entra);
        EXPECT_EQ(entra.isAccepted(), aceito) << urls.size();
        QDropEvent larga({100, 100}, Qt::CopyAction, &dados, Qt::LeftButton, {});
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

// Wrong use, and without OpenGL (the viewer on Qt's off-screen platform, or dxfsnap's window
// picture there) a message, not a crash, and no picture.
TEST_F(Janela, LinhaDeComandoNomeiaOArquivoAbertoQuandoAJanelaAparece) {
    const QString nada = pasta_.filePath("nada.png");
    const std::tuple<const char*, QStringList, QString, int, QString> casos[] = {
        {VISTRELDXF, {"--help"}, "", 0, "[arquivo]"},
        {VISTRELDXF, {"--version"}, "", 0, "VistrelDXF 1."},
        {VISTRELDXF, {"a.dxf", "b.dxf"}, "", 1, "só um arquivo"},
        {VISTRELDXF, {Amostra("todas_as_entidades.dxf")}, "offscreen", 1, "vistas OpenGL"},
        {DXFSNAP, {"so_um_argumento.dxf"}, "", 2, "usage: dxfsnap"},
        {DXFSNAP, {pasta_.filePath("nao_existe.dxf"), nada}, "", 1, "File not found"},
        // Without a display only the view's picture can be made, not the window's.
        {DXFSNAP,
         {Amostra("malha_poliface_cubo.dxf"), nada, "--window"},
         "offscreen",
         3,
         "no OpenGL"},
    };
    for (const auto& [programa, argumentos, plataforma, status, texto] : casos) {
        const auto [estado, saida] = Executa(programa, argumentos, plataforma);
        EXPECT_EQ(estado, status) << argumentos.join(' ').toStdString();
        EXPECT_TRUE(saida.contains(texto)) << saida.toStdString();
        EXPECT_FALSE(QFile::exists(nada));
    }
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

// The thumbnailer's command, run as a file manager runs it (%i, %o and %s replaced) with no
// display at all, makes the full drawing's picture of the given size: the same picture
// dxfsnap makes on a display.
TEST(Miniatura, ComandoDoMiniaturistaSemTelaFazOQuadroDoDesenho) {
    QFile entrada(QStringLiteral(MINIATURISTA));
    ASSERT_TRUE(entrada.open(QIODevice::ReadOnly));
    QString comando;
    for (const QString& linha : QString::fromUtf8(entrada.readAll()).split('\n'))
        if (linha.startsWith("Exec=")) comando = linha.mid(5);
    ASSERT_FALSE(comando.isEmpty());
    QStringList desenhos{Amostra("planta_larga.dxf")};
    for (const char* nome : {"acad_2004_floorplan.dxf", "netdxf_sample_r2018.dxf"})
        if (QFile::exists(QStringLiteral(VISTREL_CORPUS_DIR "/") + nome))
            desenhos << QStringLiteral(VISTREL_CORPUS_DIR "/") + nome;
    QTemporaryDir pasta;
    for (const QString& desenho : desenhos) {
        const QString saida = pasta.filePath(QFileInfo(desenho).baseName() + ".png");
        QStringList argumentos = comando.split(' ', Qt::SkipEmptyParts);
        for (QString& a : argumentos)
            a.replace("%i", desenho).replace("%o", saida).replace("%s", "128");
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove("DISPLAY");
        ambiente.remove("WAYLAND_DISPLAY");
        processo.setProcessEnvironment(ambiente);
        processo.start(argumentos.takeFirst(), argumentos);
        ASSERT_TRUE(processo.waitForFinished(60000)) << desenho.toStdString();
        const QString erros = QString::fromLocal8Bit(processo.readAllStandardError());
        EXPECT_EQ(processo.exitCode(), 0) << erros.toStdString();
        EXPECT_FALSE(erros.contains("QOpenGLWidget")) << "Qt's view is not used there";
        const QImage miniatura(saida);
        ASSERT_EQ(miniatura.size(), QSize(128, 128)) << desenho.toStdString();
        EXPECT_GT(PixelsAcima(miniatura, 40), 300) << "the drawing shows";
        const QString naTela = pasta.filePath("na_tela.png");
        ASSERT_EQ(Executa(DXFSNAP, {"--completo", "--size", "128x128", desenho, naTela}).first, 0);
        EXPECT_EQ(miniatura.convertToFormat(QImage::Format_RGB32),
                  QImage(naTela).convertToFormat(QImage::Format_RGB32))
            << desenho.toStdString();
    }
}

} // namespace
