// The menu "Exibir" and its two options through the real window: faces from both sides and
// plain polylines as lines, each off at every start, and with both off the picture and the
// GL state of the scene as without them.

#include "Instantaneo.h"
#include "TesteApp.h"

#include <GL/gl.h>
#include <QTest>

namespace {

using OpcoesDeExibicao = JanelaTeste;

int Acesos(const QImage& imagem) {
    int acesos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            acesos += qGray(imagem.pixel(x, y)) > 8;
    return acesos;
}

// A green face over X 0..100, Y 0..50 seen from the camera above it, wound counter-clockwise
// (its front towards the camera) or clockwise.
std::string FaceVerde(bool antiHorario) {
    return antiHorario ? Face3D(3, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}})
                       : Face3D(3, {{0, 0, 0}, {0, 50, 0}, {100, 50, 0}, {100, 0, 0}});
}

TEST_F(OpcoesDeExibicao, MenuExibirSegueArquivoComAsDuasOpcoesDesligadas) {
    TForm1& j = *janela_;
    QStringList menus;
    for (const QAction* menu : j.MainMenu1->actions())
        menus << menu->text();
    EXPECT_EQ(menus.mid(menus.indexOf("Ar&quivo"), 2), (QStringList{"Ar&quivo", "&Exibir"}));
    QStringList opcoes;
    for (const QAction* opcao : j.Exibir1->actions())
        opcoes << opcao->text() + " " + opcao->shortcut().toString() + " " +
                      (opcao->isCheckable() ? "marcavel" : "") + (opcao->isChecked() ? "+" : "");
    EXPECT_EQ(opcoes, (QStringList{"Faces dos &dois lados Ctrl+D marcavel",
                                   "&Polilinhas Ctrl+L marcavel"}));

    // Each shortcut turns its option on and off, and every change redraws.
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    for (auto [tecla, opcao] :
         {std::pair{Qt::Key_D, j.FacesDosDoisLados1}, {Qt::Key_L, j.Polilinhas1}})
        for (const bool marcada : {true, false}) {
            const ContaPinturas pinturas(j);
            QTest::keyClick(&j, tecla, Qt::ControlModifier);
            EXPECT_EQ(opcao->isChecked(), marcada);
            ProcessaEventos();
            EXPECT_GE(pinturas.vezes, 1);
        }
    // Kept nowhere: a new window starts with both off.
    j.FacesDosDoisLados1->setChecked(true);
    j.Polilinhas1->setChecked(true);
    const TForm1 outra;
    EXPECT_FALSE(outra.FacesDosDoisLados1->isChecked() || outra.Polilinhas1->isChecked());
}

// A face seen from behind shows only with the option, then exactly as one seen from the front;
// a plain polyline shows only with its option. Turned off again, the scene's state is as before.
TEST_F(OpcoesDeExibicao, CadaOpcaoMostraOQueLheCabeEDesligadaNadaMuda) {
    TForm1& j = *janela_;
    auto foto = [&](const std::string& desenho, bool doisLados, bool polilinhas) {
        j.FacesDosDoisLados1->setChecked(doisLados);
        j.Polilinhas1->setChecked(polilinhas);
        j.LeArquivo(EscreveDXF(pasta_, desenho));
        return ImagemDaVista(j);
    };
    std::array<GLint, 3> estado{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        estado = {glIsEnabled(GL_CULL_FACE), 0, 0};
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &estado[1]);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &estado[2]);
    });
    const QImage deFrente = foto(FaceVerde(true), false, false);
    ASSERT_GT(Acesos(deFrente), 10000);
    EXPECT_EQ(foto(FaceVerde(true), true, true), deFrente);
    EXPECT_EQ(foto(FaceVerde(false), true, false), deFrente);
    // The paint leaves the scene's state as it found it.
    EXPECT_EQ(estado, (std::array<GLint, 3>{GL_TRUE, GL_FALSE, GL_FRONT}));
    EXPECT_EQ(Acesos(foto(FaceVerde(false), false, false)), 0);

    const std::string quadrado = Polilinha(1, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}});
    EXPECT_GT(Acesos(foto(quadrado, false, true)), 400);
    EXPECT_EQ(Acesos(foto(quadrado, true, false)), 0);
}

} // namespace
