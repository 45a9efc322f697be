// The menu "Exibir" through the real window: its place, its options off at the start with
// their shortcuts, and the pictures each option changes.

#include "Ajuda.h"
#include "Instantaneo.h"

#include <GL/gl.h>
#include <QTest>

namespace {

using OpcoesDeExibicao = Janela;

TEST_F(OpcoesDeExibicao, MenuAposArquivoComOpcoesDesligadasQueOsAtalhosAlternam) {
    TForm1& j = *janela_;
    const QList<QAction*> menus = j.MainMenu1->actions();
    EXPECT_EQ(menus.value(menus.indexOf(j.Arquivo1->menuAction()) + 1), j.Exibir1->menuAction());
    EXPECT_EQ(j.Exibir1->title(), "&Exibir");
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    QStringList opcoes;
    for (QAction* opcao : j.Exibir1->actions()) {
        opcoes << opcao->text() + " " + opcao->shortcut().toString();
        EXPECT_FALSE(opcao->isChecked());
        for (const bool marcada : {true, false}) {
            const ContaPinturas pinturas(j);
            QTest::keySequence(&j, opcao->shortcut());
            EXPECT_EQ(opcao->isChecked(), marcada);
            ProcessaEventos();
            EXPECT_GE(pinturas.vezes, 1) << "every change redraws";
        }
    }
    EXPECT_EQ(opcoes, (QStringList{"Faces dos &dois lados Ctrl+D", "&Polilinhas Ctrl+L"}));
}

// A face wound clockwise as the camera sees it is culled by default; with the option it shows
// exactly as the same face wound the other way, and the paint leaves the scene's state as
// the scene set-up made it. A plain polyline shows only with its option.
TEST_F(OpcoesDeExibicao, FaceDeTrasComoDeFrenteEPolilinhaSoComSuasOpcoes) {
    TForm1& j = *janela_;
    std::array<GLint, 3> estado{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        estado = {glIsEnabled(GL_CULL_FACE), 0, 0};
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &estado[1]);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &estado[2]);
    });
    auto foto = [&](bool antiHorario, bool doisLados) {
        j.FacesDosDoisLados1->setChecked(doisLados);
        j.LeArquivo(EscreveDXF(
            pasta_, antiHorario ? Face3D(3, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}})
                                : Face3D(3, {{0, 0, 0}, {0, 50, 0}, {100, 50, 0}, {100, 0, 0}})));
        return ImagemDaVista(*j.View3D, j.Cam);
    };
    const QImage deFrente = foto(true, false);
    EXPECT_EQ(deFrente.pixelColor(260, 148).hue(), 120);
    EXPECT_EQ(foto(true, true), deFrente);
    EXPECT_EQ(foto(false, true), deFrente);
    EXPECT_EQ(estado, (std::array<GLint, 3>{GL_TRUE, GL_FALSE, GL_FRONT}));
    QImage fundo = deFrente;
    fundo.fill(Qt::black);
    EXPECT_EQ(foto(false, false), fundo);
    for (const bool polilinhas : {true, false}) {
        j.Polilinhas1->setChecked(polilinhas);
        j.LeArquivo(EscreveDXF(pasta_, Polilinha(1, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}})));
        EXPECT_EQ(ImagemDaVista(*j.View3D, j.Cam) == fundo, !polilinhas);
    }
}

} // namespace
