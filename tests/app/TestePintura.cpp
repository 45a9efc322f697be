// The paint cycle through the real window and view: the camera placed from the extents and
// the bars, the flat-drawing choice, nothing before a load, the scene's lights, and a paint
// that fails.

#include "Instantaneo.h"
#include "TesteApp.h"

#include <GL/gl.h>
#include <QTest>

#include <array>

namespace {

using Posicao = std::array<float, 3>;

Posicao PosicaoDa(const TOGLCamera& camera) {
    return {camera.Position().X(), camera.Position().Y(), camera.Position().Z()};
}

bool Preto(const QColor& cor) {
    return cor.red() < 8 && cor.green() < 8 && cor.blue() < 8;
}

bool Vermelho(const QColor& cor) {
    return cor.red() > 100 && cor.green() < cor.red() / 2 && cor.blue() < cor.red() / 2;
}

int PixelsAcesos(const QImage& imagem) {
    int acesos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            acesos += !Preto(imagem.pixelColor(x, y));
    return acesos;
}

// A face over X 0..100, Y 0..50 at Z 0, and a line that takes Z up to zTopo.
std::string FaceELinha(double zTopo) {
    std::string texto = Face3D(1, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}});
    if (zTopo != 0) texto += Linha({0, 0, 0}, {0, 0, zTopo});
    return texto;
}

using PinturaTeste = JanelaTeste;

TEST_F(PinturaTeste, CameraStandsWithinTheExtentsAsTheBarsSay) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 15}));

    int renders = 0;
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        ++renders;
        j.View3DPaint(sender);
    });
    j.CamZ->setValue(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PosicaoDa(j.Cam)[2] == 10.0f && renders >= 2; }));
    ProcessaEventos();
    // One render to place the camera, one to show the new place, then nothing more.
    EXPECT_EQ(renders, 2);
    j.CamZ->setValue(1000);
    ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 20}));
    j.CamX->setValue(0);
    j.CamY->setValue(1000);
    ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 50, 20}));
}

TEST_F(PinturaTeste, FlatDrawingIsSeenWholeFromAbove) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(0)));
    const QImage imagem = ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 50}));
    // 100 x 50 units at a distance of 50 under a 100 degree view: about 250 x 125 pixels
    // around the centre of the 521 x 297 view.
    EXPECT_TRUE(Vermelho(imagem.pixelColor(260, 148)))
        << imagem.pixelColor(260, 148).name().toStdString();
    EXPECT_TRUE(Vermelho(imagem.pixelColor(150, 100)));
    EXPECT_TRUE(Vermelho(imagem.pixelColor(370, 200)));
    EXPECT_TRUE(Preto(imagem.pixelColor(100, 148)));
    EXPECT_TRUE(Preto(imagem.pixelColor(260, 40)));
    EXPECT_TRUE(Preto(imagem.pixelColor(260, 260)));

    j.CamZ->setValue(750); // the bar still moves the camera along Z
    ImagemDaVista(j);
    EXPECT_EQ(PosicaoDa(j.Cam)[2], 75.0f);
}

TEST_F(PinturaTeste, BeforeALoadTheViewShowsOnlyTheBackground) {
    TForm1& j = *janela_;
    j.CamX->setValue(0);
    j.RotY->setValue(45);
    j.AngVis->setValue(20);
    const QImage imagem = ImagemDaVista(j);
    ASSERT_FALSE(imagem.isNull()) << j.View3D->ContextError();
    EXPECT_EQ(PixelsAcesos(imagem), 0);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0.2f, 2}));
}

// What the scene set-up leaves in the context, read while the paint handler runs.
TEST_F(PinturaTeste, SceneLightStaysAtItsWorldPlaceWhenTheDrawingTurns) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    std::array<GLfloat, 4> luz1{}, ambiente{};
    GLfloat brilho = 0;
    std::array<GLboolean, 4> ligados{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        glGetLightfv(GL_LIGHT1, GL_POSITION, luz1.data()); // in eye coordinates
        glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambiente.data());
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &brilho);
        ligados = {glIsEnabled(GL_LIGHTING), glIsEnabled(GL_CULL_FACE),
                   glIsEnabled(GL_COLOR_MATERIAL), glIsEnabled(GL_NORMALIZE)};
    });
    for (const int rotacao : {0, 90}) {
        j.RotX->setValue(rotacao);
        j.RotZ->setValue(rotacao);
        ImagemDaVista(j);
        // World (0, 0, 10) seen from the camera at (50, 25, 15).
        EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-50, -25, -5, 1})) << rotacao;
    }
    EXPECT_EQ(ambiente, (std::array<GLfloat, 4>{0.25f, 0.25f, 0.25f, 1}));
    EXPECT_EQ(brilho, 128.0f);
    EXPECT_EQ(ligados, (std::array<GLboolean, 4>{GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE}));
}

TEST_F(PinturaTeste, TurningTheDrawingEdgeOnHidesAFlatFace) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    EXPECT_GT(PixelsAcesos(ImagemDaVista(j)), 10000);
    j.RotX->setValue(90);
    EXPECT_LT(PixelsAcesos(ImagemDaVista(j)), 600) << "only the edge and the line remain";
}

// Corners of 1e30 in a block inserted at scale 1e30 go beyond the model's number range
// when the probe places them: the paint fails.
TEST_F(PinturaTeste, APaintThatFailsShowsItsMessageOnceAndTheNextLoadDrawsAgain) {
    TForm1& j = *janela_;
    const std::string bloco =
        Bloco("ENORME", Face3D(3, {{0, 0, 0}, {1e30, 0, 0}, {1e30, 1e30, 0}, {0, 1e30, 0}}));
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10) + Insercao("ENORME", {0, 0, 0}, 1e30), bloco));
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
