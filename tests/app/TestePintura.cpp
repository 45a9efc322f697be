// The paint cycle through the real window and view: the camera placed from the extents and
// the bars, the flat-drawing choice, nothing before a load, the scene's light, and a paint
// that fails.

#include "Instantaneo.h"
#include "TesteApp.h"

#include <GL/gl.h>
#include <QTest>

namespace {

using Posicao = std::array<float, 3>;

Posicao PosicaoDa(const TOGLCamera& c) {
    return {c.Position().X(), c.Position().Y(), c.Position().Z()};
}

int PixelsAcesos(const QImage& imagem) {
    int acesos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            acesos += qGray(imagem.pixel(x, y)) > 8;
    return acesos;
}

// A red face over X 0..100, Y 0..50 at Z 0, and a line that takes Z up to zTopo.
std::string FaceELinha(double zTopo) {
    return Face3D(1, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}) +
           Linha({0, 0, 0}, {0, 0, zTopo});
}

using PinturaTeste = JanelaTeste;

TEST_F(PinturaTeste, CameraStandsWithinTheExtentsAsTheBarsSay) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 15}));

    const ContaPinturas pinturas(j);
    j.CamZ->setValue(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pinturas.vezes >= 2; }));
    ProcessaEventos();
    // One render places the camera, the next shows the new place, then nothing more.
    EXPECT_EQ(pinturas.vezes, 2);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 10}));
}

TEST_F(PinturaTeste, FlatDrawingIsSeenWholeFromAbove) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(0)));
    const QImage imagem = ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 50}));
    // 100 x 50 units at a distance of 50 under a 100 degree view: about 250 x 125 pixels
    // around the centre of the 521 x 297 view.
    for (auto [x, y] : {std::pair{260, 148}, {150, 100}, {370, 200}})
        EXPECT_EQ(imagem.pixelColor(x, y).hue(), 0) << x << "," << y;
    for (auto [x, y] : {std::pair{100, 148}, {260, 40}, {260, 260}})
        EXPECT_EQ(qGray(imagem.pixel(x, y)), 0) << x << "," << y;
}

TEST_F(PinturaTeste, BeforeALoadTheViewShowsOnlyTheBackground) {
    TForm1& j = *janela_;
    j.CamX->setValue(0);
    j.RotY->setValue(45);
    const QImage imagem = ImagemDaVista(j);
    ASSERT_FALSE(imagem.isNull()) << j.View3D->ContextError();
    EXPECT_EQ(PixelsAcesos(imagem), 0);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0.2f, 2}));
}

// Read while the paint handler runs: light 1 is placed before the drawing's rotations.
TEST_F(PinturaTeste, SceneLightStaysAtItsWorldPlaceWhenTheDrawingTurns) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    std::array<GLfloat, 4> luz1{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        glGetLightfv(GL_LIGHT1, GL_POSITION, luz1.data()); // in eye coordinates
    });
    for (const int rotacao : {0, 90}) {
        j.RotX->setValue(rotacao);
        j.RotZ->setValue(rotacao);
        ImagemDaVista(j);
        // World (0, 0, 10) seen from the camera at (50, 25, 15).
        EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-50, -25, -5, 1})) << rotacao;
    }
}

// Corners of 1e30 in a block inserted at scale 1e30 go beyond the model's number range
// when the probe places them, so the paint fails.
TEST_F(PinturaTeste, APaintThatFailsShowsItsMessageOnceAndTheNextLoadDrawsAgain) {
    TForm1& j = *janela_;
    const std::string bloco =
        Bloco("ENORME", Face3D(3, {{0, 0, 0}, {1e30, 0, 0}, {1e30, 1e30, 0}, {0, 1e30, 0}}));
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10) + Insercao("ENORME", 1e30), bloco));
    for (int vez = 0; vez < 3; ++vez) {
        j.View3D->Redraw();
        EXPECT_EQ(PixelsAcesos(ImagemDaVista(j)), 0);
        ProcessaEventos();
    }
    EXPECT_EQ(MensagensMostradas(), std::vector<QString>{"Floating point overflow"});
    EXPECT_TRUE(Carregado);

    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    EXPECT_GT(PixelsAcesos(ImagemDaVista(j)), 10000);
    EXPECT_EQ(MensagensMostradas().size(), 1u);
}

} // namespace
