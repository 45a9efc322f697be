// The paint cycle through the real window and view: the camera placed from the extents and
// the bars, the flat-drawing choice, nothing before a load, the scene's light, the probe's
// line, and a paint that fails.

#include "Ajuda.h"

#include <GL/gl.h>
#include <QTest>

namespace {

using Posicao = std::array<float, 3>;

Posicao PosicaoDa(const TOGLCamera& c) {
    return {c.Position().X(), c.Position().Y(), c.Position().Z()};
}

// Pixels brighter than `cinza`: 8 counts anything lit, 200 only white.
int PixelsAcima(const QImage& imagem, int cinza) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qGray(imagem.pixel(x, y)) > cinza;
    return n;
}

// A red face over X 0..100, Y 0..50 at Z 0, and a line that takes Z up to zTopo.
std::string FaceELinha(double zTopo) {
    return Face3D(1, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}) +
           Linha({0, 0, 0}, {0, 0, zTopo});
}

using Pintura = Janela;

TEST_F(Pintura, CameraDentroDosExtremosComoAsBarrasDizem) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    Imagem();
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 15}));

    const ContaPinturas pinturas(j);
    j.CamZ->setValue(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pinturas.vezes >= 2; }));
    ProcessaEventos();
    // One render places the camera, the next shows the new place, then nothing more.
    EXPECT_EQ(pinturas.vezes, 2);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 10}));
}

TEST_F(Pintura, DesenhoPlanoEhVistoInteiroDeCima) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(0)));
    const QImage imagem = Imagem();
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 50}));
    // 100 x 50 units at a distance of 50 under a 100 degree view: about 250 x 125 pixels
    // around the centre of the 521 x 297 view.
    for (auto [x, y] : {std::pair{260, 148}, {150, 100}, {370, 200}})
        EXPECT_EQ(imagem.pixelColor(x, y).hue(), 0) << x << "," << y;
    for (auto [x, y] : {std::pair{100, 148}, {260, 40}, {260, 260}})
        EXPECT_EQ(qGray(imagem.pixel(x, y)), 0) << x << "," << y;
}

TEST_F(Pintura, AntesDeCarregarSoOFundo) {
    TForm1& j = *janela_;
    j.CamX->setValue(0);
    j.RotY->setValue(45);
    const QImage imagem = Imagem();
    ASSERT_FALSE(imagem.isNull()) << j.View3D->ContextError();
    EXPECT_EQ(PixelsAcima(imagem, 8), 0);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0.2f, 2}));
}

// Read while the paint handler runs: light 1 is placed before the drawing's rotations.
TEST_F(Pintura, LuzDaCenaFicaNoLugarQuandoODesenhoGira) {
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
        Imagem();
        // World (0, 0, 10) seen from the camera at (50, 25, 15).
        EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-50, -25, -5, 1})) << rotacao;
    }
}

// The probe's line runs through X 4, Y 3 of the camera's space: with the camera above the
// origin, a face 0.2 wide about that point, in an inserted block, gets the white marker; a
// line moved by a tenth of a unit would miss it.
TEST_F(Pintura, SondaMarcaAFaceEmXQuatroYTres) {
    const std::string alvo =
        Bloco("ALVO", Face3D(1, {{3.9, 2.9, 0}, {4.1, 2.9, 0}, {4.1, 3.1, 0}, {3.9, 3.1, 0}}));
    janela_->LeArquivo(
        EscreveDXF(pasta_, Insercao("ALVO", 1) + Linha({-100, -100, 0}, {100, 100, 0}), alvo));
    const QImage imagem = Imagem();
    EXPECT_EQ(PosicaoDa(janela_->Cam), (Posicao{0, 0, 100}));
    EXPECT_GT(PixelsAcima(imagem, 200), 100);
}

// Corners of 1e30 in a block inserted at scale 1e30 go beyond the model's number range
// when the probe places them, so the paint fails.
TEST_F(Pintura, PinturaQueFalhaMostraAMensagemUmaVezEACargaSeguinteDesenha) {
    TForm1& j = *janela_;
    const std::string bloco =
        Bloco("ENORME", Face3D(3, {{0, 0, 0}, {1e30, 0, 0}, {1e30, 1e30, 0}, {0, 1e30, 0}}));
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10) + Insercao("ENORME", 1e30), bloco));
    for (int vez = 0; vez < 3; ++vez) {
        j.View3D->Redraw();
        EXPECT_EQ(PixelsAcima(Imagem(), 8), 0);
        ProcessaEventos();
    }
    EXPECT_EQ(MensagensMostradas(), std::vector<QString>{"Floating point overflow"});
    EXPECT_TRUE(Carregado);

    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    EXPECT_GT(PixelsAcima(Imagem(), 8), 10000);
    EXPECT_EQ(MensagensMostradas().size(), 1u);
}

} // namespace
