// Finding one's way in the full drawing, through the real window: the standard views on their
// keys, "Enquadrar", the orthographic projection's size, and the wheel zooming towards the
// point under the cursor.

#include "FotoCompleta.h"

#include <QDockWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// A cube 20 wide, each side in its colour: top red, bottom blue, front (-Y) green, back
// yellow, right (+X) magenta, left cyan.
std::string Cubo() {
    const double l = 20;
    return Face3D(1, {{0, 0, l}, {l, 0, l}, {l, l, l}, {0, l, l}}) +
           Face3D(5, {{0, 0, 0}, {l, 0, 0}, {l, l, 0}, {0, l, 0}}) +
           Face3D(3, {{0, 0, 0}, {l, 0, 0}, {l, 0, l}, {0, 0, l}}) +
           Face3D(2, {{0, l, 0}, {l, l, 0}, {l, l, l}, {0, l, l}}) +
           Face3D(6, {{l, 0, 0}, {l, l, 0}, {l, l, l}, {l, 0, l}}) +
           Face3D(4, {{0, 0, 0}, {0, l, 0}, {0, l, l}, {0, 0, l}});
}

// Which of red, green, blue is strong in the colour, as "RGB" letters (magenta is "RB").
std::string Canais(QColor c) {
    std::string s;
    if (c.red() > 150) s += 'R';
    if (c.green() > 150) s += 'G';
    if (c.blue() > 150) s += 'B';
    return s;
}

class Vistas : public Janela {
  protected:
    void Abre(const std::string& entidades) {
        janela_->LeArquivo(EscreveDXF(pasta_, entidades));
        janela_->DesenhoCompleto1->setChecked(true);
        janela_->activateWindow(); // shortcuts go to the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela_.get()));
        ProcessaEventos();
    }
    QColor NoCentro() {
        const QImage foto = Imagem();
        return foto.pixelColor(foto.width() / 2, foto.height() / 2);
    }
};

TEST_F(Vistas, CadaVistaGiraAsBarrasEMostraSeuLado) {
    Abre(Cubo());
    TForm1& j = *janela_;
    const struct {
        const char* Nome;
        Qt::KeyboardModifiers Teclas;
        Qt::Key Tecla;
        std::vector<int> Giro;
        const char* Lado;
    } casos[] = {{"Frente", {}, Qt::Key_1, {270, 0, 0}, "G"},
                 {"Trás", Qt::ControlModifier, Qt::Key_1, {270, 0, 180}, "RG"},
                 {"Esquerda", Qt::ControlModifier, Qt::Key_3, {270, 0, 90}, "GB"},
                 {"Direita", {}, Qt::Key_3, {270, 0, 270}, "RB"},
                 {"Baixo", Qt::ControlModifier, Qt::Key_7, {180, 0, 0}, "B"},
                 {"Topo", {}, Qt::Key_7, {0, 0, 0}, "R"}};
    for (const auto& caso : casos) {
        QTest::keyClick(&j, caso.Tecla, caso.Teclas | Qt::KeypadModifier);
        ProcessaEventos();
        EXPECT_EQ((std::vector<int>{j.RotX->value(), j.RotY->value(), j.RotZ->value()}), caso.Giro)
            << caso.Nome;
        EXPECT_EQ(Canais(NoCentro()), caso.Lado) << caso.Nome;
    }
    // The isometric view shows the top, the front and the right side at once, in parallel
    // projection as three equal rhombi.
    QTest::keyClick(&j, Qt::Key_9, Qt::KeypadModifier);
    QTest::keyClick(&j, Qt::Key_5, Qt::KeypadModifier);
    ProcessaEventos();
    EXPECT_TRUE(j.ProjecaoOrtografica1->isChecked());
    const QImage iso = Imagem();
    int lados[3] = {};
    for (int y = 0; y < iso.height(); ++y)
        for (int x = 0; x < iso.width(); ++x) {
            const std::string c = Canais(iso.pixelColor(x, y));
            lados[0] += c == "R";
            lados[1] += c == "G";
            lados[2] += c == "RB";
        }
    for (int lado : {1, 2})
        EXPECT_NEAR(lados[lado], lados[0], lados[0] / 20) << "side " << lado;

    // Home: the bars as after opening.
    j.AngVis->setValue(60);
    j.CamX->setValue(100);
    QTest::keyClick(&j, Qt::Key_Home);
    EXPECT_EQ(Barras(j), (std::vector<int>{100, 500, 500, 500, 0, 0, 0}));
}

TEST_F(Vistas, OrtograficaDeUmQuadradoVistoDeCimaEhUmQuadradoDoTamanhoEsperado) {
    Abre(Retangulo(1, 0, 0, 1, 1));
    TForm1& j = *janela_;
    EXPECT_FALSE(j.ProjecaoOrtografica1->isChecked()) << "off at start";
    const auto lados = [&] {
        const QImage foto = Imagem();
        return std::pair{Conta(foto, {0, foto.height() / 2, foto.width(), 1}, Tom::Vermelho),
                         Conta(foto, {foto.width() / 2, 0, 1, foto.height()}, Tom::Vermelho)};
    };
    const auto perspectiva = lados();
    j.ProjecaoOrtografica1->setChecked(true);
    ProcessaEventos();
    // Framed to 95 % of the view's 297 pixels, in both projections.
    const auto [largura, altura] = lados();
    EXPECT_NEAR(largura, 0.95 * 297, 3);
    EXPECT_NEAR(altura, largura, 1) << "a square";
    EXPECT_NEAR(perspectiva.first, largura, 3) << "the same size on switching";
    j.CamZ->setValue(625); // twice as far: half as wide
    ProcessaEventos();
    EXPECT_NEAR(lados().first, 0.95 * 297 / 2, 3);
    j.DesenhoCompleto1->setChecked(false);
    EXPECT_FALSE(j.ProjecaoOrtografica1->isEnabled()) << "a view of the full drawing only";
}

TEST_F(Vistas, RodaAproximaMantendoOPontoSobOCursor) {
    // A green field with a red mark off its centre, just above it.
    Abre(Retangulo(3, 0, 0, 100, 60) +
         Face3D(1, {{70, 40, 0.1}, {72, 40, 0.1}, {72, 42, 0.1}, {70, 42, 0.1}}));
    TForm1& j = *janela_;
    const auto marca = [&] {
        const QImage foto = Imagem();
        double x = 0, y = 0;
        int n = 0;
        for (int py = 0; py < foto.height(); ++py)
            for (int px = 0; px < foto.width(); ++px)
                if (DoTom(foto.pixelColor(px, py), Tom::Vermelho)) {
                    x += px + 0.5;
                    y += py + 0.5;
                    ++n;
                }
        return std::tuple{x / std::max(n, 1), y / std::max(n, 1), n};
    };
    const auto [x0, y0, n0] = marca();
    ASSERT_GT(n0, 0);
    for (int vez = 0; vez < 3; ++vez) {
        QWheelEvent roda({x0, y0}, j.View3D->mapToGlobal(QPointF(x0, y0)), {}, {0, 120},
                         Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(j.View3D, &roda);
    }
    ProcessaEventos();
    const auto [x1, y1, n1] = marca();
    EXPECT_LT(j.CamZ->value(), 500) << "closer";
    EXPECT_GT(n1, n0 * 1.6) << "larger";
    EXPECT_NEAR(x1, x0, 1.5);
    EXPECT_NEAR(y1, y0, 1.5);
}

} // namespace

namespace {

TEST_F(Janela, ExportaAImagemDaVistaEmPNGNoTamanhoPedido) {
    TForm1& j = *janela_;
    const QString desenho = Amostra("planta_larga.dxf");
    j.AbreArquivo(desenho);
    ProcessaEventos();
    QString nomeOferecido;
    std::optional<TForm1::TExportacao> resposta;
    j.ExportDialog = [&](QWidget*, const QString& nome, QSize tamanho) {
        nomeOferecido = nome;
        if (resposta && resposta->Tamanho.isEmpty()) resposta->Tamanho = tamanho;
        return resposta;
    };
    const QString arquivo = pasta_.filePath("vista.png");
    resposta = TForm1::TExportacao{arquivo, {}}; // the size offered: the view's
    j.ExportarImagem1->trigger();
    EXPECT_EQ(nomeOferecido, QString(VISTREL_SAMPLES_DIR "/planta_larga.png"));
    const QImage salva(arquivo), vista = Imagem();
    EXPECT_EQ(salva.size(), vista.size());
    EXPECT_EQ(salva.convertToFormat(QImage::Format_RGB32),
              vista.convertToFormat(QImage::Format_RGB32))
        << "the exported PNG is the view";

    const QSize antes = j.View3D->size();
    resposta = TForm1::TExportacao{pasta_.filePath("grande.png"), {800, 450}};
    j.ExportarImagem1->trigger();
    const QImage grande(pasta_.filePath("grande.png"));
    EXPECT_EQ(grande.size(), QSize(800, 450));
    EXPECT_GT(PixelsAcima(grande, 40), PixelsAcima(vista, 40)) << "drawn at that size";
    EXPECT_EQ(j.View3D->size(), antes) << "the view keeps its size";

    resposta = TForm1::TExportacao{pasta_.filePath("nao/existe/x.png"), {10, 10}};
    j.ExportarImagem1->trigger();
    ASSERT_EQ(MensagensMostradas().size(), 1u);
    EXPECT_TRUE(MensagensMostradas()[0].startsWith("Não foi possível salvar a imagem em"));
    resposta.reset(); // cancelled: nothing written
    j.ExportarImagem1->trigger();
    EXPECT_EQ(MensagensMostradas().size(), 1u);
}

} // namespace

namespace {

// A face over x..x + 30, 0..30 on `camada`, in its layer's colour.
std::string FaceNaCamada(const char* camada, double x) {
    std::string f = Grupo(0, "3DFACE") + Grupo(8, camada);
    const std::vector<Ponto3> cantos{{x, 0, 0}, {x + 30, 0, 0}, {x + 30, 30, 0}, {x, 30, 0}};
    for (int i = 0; i < 4; ++i)
        f += Ponto(10 + i, cantos[static_cast<std::size_t>(i)]);
    return f;
}

TEST_F(Vistas, CamadasMostramEOcultamSemRefazerACena) {
    const auto camada = [](const char* nome, int cor, int flags) {
        return Grupo(0, "LAYER") + Grupo(2, nome) + Grupo(70, std::to_string(flags)) +
               Grupo(62, std::to_string(cor));
    };
    const std::string tabelas = Grupo(0, "SECTION") + Grupo(2, "TABLES") + Grupo(0, "TABLE") +
                                Grupo(2, "LAYER") + camada("VERMELHA", 1, 0) +
                                camada("VERDE", 3, 0) + camada("CONGELADA", 5, 1) +
                                Grupo(0, "ENDTAB") + Grupo(0, "ENDSEC");
    janela_->LeArquivo(EscreveDXF(pasta_,
                                  FaceNaCamada("VERMELHA", 0) + FaceNaCamada("VERDE", 40) +
                                      FaceNaCamada("CONGELADA", 80),
                                  {}, tabelas));
    janela_->DesenhoCompleto1->setChecked(true);
    ProcessaEventos();
    TForm1& j = *janela_;
    EXPECT_FALSE(j.Camadas1->isVisible()) << "closed at start: the window as designed";
    j.Camadas1->toggleViewAction()->trigger();
    ProcessaEventos();
    ASSERT_TRUE(j.Camadas1->isVisible());
    const auto tons = [&] {
        const QImage foto = Imagem();
        const QRect vista = foto.rect();
        return std::array{Conta(foto, vista, Tom::Vermelho), Conta(foto, vista, Tom::Verde),
                          Conta(foto, vista, Tom::Azul)};
    };
    QTreeWidget& lista = *j.ListaDeCamadas;
    ASSERT_EQ(lista.topLevelItemCount(), 3);
    QTreeWidgetItem &vermelha = *lista.topLevelItem(0), &congelada = *lista.topLevelItem(2);
    EXPECT_EQ(vermelha.text(0), "VERMELHA");
    EXPECT_EQ(vermelha.text(1), "1") << "elements drawn";
    EXPECT_EQ(congelada.checkState(0), Qt::Unchecked) << "frozen in the file";
    EXPECT_EQ(congelada.text(1), "0");
    const auto inicio = tons();
    EXPECT_GT(inicio[0], 1000);
    EXPECT_GT(inicio[1], 1000);
    EXPECT_EQ(inicio[2], 0);

    vermelha.setCheckState(0, Qt::Unchecked);
    ProcessaEventos();
    EXPECT_EQ(tons()[0], 0) << "hidden";
    EXPECT_EQ(tons()[1], inicio[1]);
    vermelha.setCheckState(0, Qt::Checked);
    ProcessaEventos();
    EXPECT_EQ(tons(), inicio) << "back";

    congelada.setCheckState(0, Qt::Checked); // made again with it
    ProcessaEventos();
    EXPECT_GT(tons()[2], 1000);
    QTest::mouseClick(j.OcultarTodas, Qt::LeftButton);
    ProcessaEventos();
    EXPECT_EQ(PixelsAcima(Imagem(), 8), 0) << "every layer hidden";
    QTest::mouseClick(j.MostrarTodas, Qt::LeftButton);
    ProcessaEventos();
    const auto todas = tons();
    EXPECT_GT(todas[0] * todas[1] * todas[2], 0);
}

} // namespace
