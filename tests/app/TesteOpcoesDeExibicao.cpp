// The menu "Exibir" through the real window: its place, its options off at the start with
// their shortcuts, and the scene's state a paint leaves.

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

// A face wound clockwise as the camera sees it shows with its option (the pictures of both
// options are guarded through dxfsnap), and the paint leaves the scene's state as the scene
// set-up made it.
TEST_F(OpcoesDeExibicao, FaceDeTrasMostradaDeixaOEstadoDaCenaComoEstava) {
    TForm1& j = *janela_;
    std::array<GLint, 3> estado{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        estado = {glIsEnabled(GL_CULL_FACE), 0, 0};
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &estado[1]);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &estado[2]);
    });
    j.FacesDosDoisLados1->setChecked(true);
    j.LeArquivo(EscreveDXF(pasta_, Face3D(3, {{0, 0, 0}, {0, 50, 0}, {100, 50, 0}, {100, 0, 0}})));
    EXPECT_EQ(Imagem().pixelColor(260, 148).hue(), 120);
    EXPECT_EQ(estado, (std::array<GLint, 3>{GL_TRUE, GL_FALSE, GL_FRONT}));
}

} // namespace
