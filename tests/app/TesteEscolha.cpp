// Picking in the full drawing, through the real window: a click names the element under the
// cursor and the world point clicked (far from the world's origin, within what a pixel
// allows), inside a block by its insertion, not on a hidden layer; the top view's status bar
// follows the cursor; the status bar shows in the full drawing only, the view keeping its size.

#include "FotoCompleta.h"

#include "RotuloEncurtado.h"

#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr double X0 = 1e6, Y0 = 2e6; // the drawing's corner

// The world X, Y (and Z when given) a status text shows, as Portuguese writes them.
std::vector<double> Coordenadas(const QString& texto) {
    static const QRegularExpression numeros(
        QStringLiteral("X (-?[0-9]+(?:,[0-9]+)?)  Y (-?[0-9]+(?:,[0-9]+)?)(?:  Z (-?[0-9,]+))?"));
    const QRegularExpressionMatch m = numeros.match(texto);
    std::vector<double> v;
    for (int i = 1; m.hasMatch() && i <= m.lastCapturedIndex(); ++i)
        v.push_back(m.captured(i).replace(',', '.').toDouble());
    return v;
}

class Escolha : public Janela {
  protected:
    // A red face 10 x 10 on layer PISO, and right of it a green line 6 long in block PORTA
    // (layer 0, colour ByBlock) inserted on layer PORTAS: the full drawing from the top.
    void SetUp() override {
        Janela::SetUp();
        const auto camada = [](const char* nome, int cor) {
            return Grupo(0, "LAYER") + Grupo(2, nome) + Grupo(70, "0") +
                   Grupo(62, std::to_string(cor));
        };
        const std::string tabelas = Grupo(0, "SECTION") + Grupo(2, "TABLES") + Grupo(0, "TABLE") +
                                    Grupo(2, "LAYER") + camada("PISO", 1) + camada("PORTAS", 3) +
                                    Grupo(0, "ENDTAB") + Grupo(0, "ENDSEC");
        std::string face = Grupo(0, "3DFACE") + Grupo(8, "PISO");
        const std::vector<Ponto3> cantos{
            {X0, Y0, 0}, {X0 + 10, Y0, 0}, {X0 + 10, Y0 + 10, 0}, {X0, Y0 + 10, 0}};
        for (int i = 0; i < 4; ++i)
            face += Ponto(10 + i, cantos[std::size_t(i)]);
        const std::string porta = Grupo(0, "LINE") + Grupo(8, "0") + Grupo(62, "0") +
                                  Ponto(10, {0, 0, 0}) + Ponto(11, {0, 6, 0});
        const std::string insercao = Grupo(0, "INSERT") + Grupo(8, "PORTAS") + Grupo(2, "PORTA") +
                                     Ponto(10, {X0 + 13, Y0 + 2, 0});
        janela_->LeArquivo(EscreveDXF(pasta_, face + insercao, Bloco("PORTA", porta), tabelas));
        vista_ = janela_->View3D->size();
        janela_->DesenhoCompleto1->setChecked(true);
        ProcessaEventos();
        // Where the face shows: its pixels' bounds, and a pixel's world size from them.
        const QImage foto = Imagem();
        for (int y = 0; y < foto.height(); ++y)
            for (int x = 0; x < foto.width(); ++x)
                if (DoTom(foto.pixelColor(x, y), Tom::Vermelho)) face_ |= QRect(x, y, 1, 1);
        ASSERT_GT(face_.width(), 100);
        pixel_ = 10.0 / face_.width();
        for (int x = face_.right() + 1; x < foto.width() && linha_ < 0; ++x)
            if (DoTom(foto.pixelColor(x, face_.center().y()), Tom::Verde)) linha_ = x;
        ASSERT_GT(linha_, 0);
    }
    // The world point the centre of pixel p shows on the drawing's plane.
    std::array<double, 2> NoMundo(QPoint p) const {
        return {X0 + (p.x() + 0.5 - face_.left()) * pixel_,
                Y0 + 10 - (p.y() + 0.5 - face_.top()) * pixel_};
    }
    // Through the window system, as a pointer moving over the window would.
    void Move(QPoint p) {
        QTest::mouseMove(janela_->windowHandle(), janela_->View3D->mapTo(janela_.get(), p));
        ProcessaEventos();
    }
    QString Clica(QPoint p) {
        QTest::mouseClick(janela_->View3D, Qt::LeftButton, {}, p);
        ProcessaEventos();
        return janela_->Escolhido1->Texto();
    }
    QSize vista_;
    QRect face_;
    double pixel_ = 0;
    int linha_ = -1;
};

TEST_F(Escolha, CliqueNumaFaceNomeiaSuaCamadaESeuPontoNoMundo) {
    TForm1& j = *janela_;
    EXPECT_TRUE(j.statusBar()->isVisible());
    EXPECT_EQ(j.View3D->size(), vista_) << "the window grew by the status bar";
    const QPoint alvo(face_.left() + face_.width() / 4, face_.top() + face_.height() / 3);
    const QString texto = Clica(alvo);
    EXPECT_TRUE(texto.startsWith("3DFACE · camada PISO · cor PorCamada: 1 (vermelho) · X "))
        << texto.toStdString();
    const std::vector<double> xyz = Coordenadas(texto);
    ASSERT_EQ(xyz.size(), 3u) << texto.toStdString();
    const auto esperado = NoMundo(alvo);
    EXPECT_NEAR(xyz[0], esperado[0], 1.5 * pixel_);
    EXPECT_NEAR(xyz[1], esperado[1], 1.5 * pixel_);
    EXPECT_NEAR(xyz[2], 0, pixel_);

    EXPECT_EQ(Clica({4, 4}), "") << "the background clears it";
    j.DesenhoCompleto1->setChecked(false);
    ProcessaEventos();
    EXPECT_FALSE(j.statusBar()->isVisible());
    EXPECT_EQ(j.size(), QSize(536, 471)) << "the window as designed again";
}

TEST_F(Escolha, CliquePertoDaLinhaDoBlocoENaoNaCamadaOculta) {
    TForm1& j = *janela_;
    // Two pixels beside the one-pixel line: within the pick box.
    const QString texto = Clica({linha_ - 2, face_.center().y()});
    EXPECT_TRUE(texto.startsWith("LINE do bloco PORTA · camada PORTAS · cor PorBloco · X "))
        << texto.toStdString();
    const std::vector<double> xyz = Coordenadas(texto);
    ASSERT_EQ(xyz.size(), 3u);
    EXPECT_NEAR(xyz[0], X0 + 13, 1.5 * pixel_) << "the point drawn, not the one clicked";

    QTreeWidgetItem& piso = *j.ListaDeCamadas->topLevelItem(0);
    ASSERT_EQ(piso.text(0), "PISO");
    piso.setCheckState(0, Qt::Unchecked);
    ProcessaEventos();
    EXPECT_EQ(Clica(face_.center()), "") << "a hidden layer is not there to pick";
}

TEST_F(Escolha, VistaDeTopoMostraOXEYSobOCursor) {
    TForm1& j = *janela_;
    // On the face, and on the background beyond the drawing (its plane).
    for (const QPoint p : {face_.center() + QPoint(7, -5), QPoint(j.View3D->width() - 6, 20)}) {
        Move(p);
        const std::vector<double> xy = Coordenadas(j.Coordenadas1->text());
        ASSERT_EQ(xy.size(), 2u) << j.Coordenadas1->text().toStdString();
        const auto esperado = NoMundo(p);
        EXPECT_NEAR(xy[0], esperado[0], 1.5 * pixel_) << p.x();
        EXPECT_NEAR(xy[1], esperado[1], 1.5 * pixel_) << p.x();
    }
    j.RotX->setValue(270); // from the front: no X and Y to show
    ProcessaEventos();
    Move(face_.center());
    EXPECT_EQ(j.Coordenadas1->text(), "");
}

} // namespace
