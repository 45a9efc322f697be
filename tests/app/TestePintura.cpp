// The paint cycle through the real window and view: the camera, the scene's light, the
// probe's line, a paint that fails, the clip planes and the local origin.

#include "Ajuda.h"

#include <GL/gl.h>
#include <QTest>

#include <functional>
#include <optional>
#include <tuple>

namespace {

using Posicao = std::array<float, 3>;

Posicao PosicaoDa(const TOGLCamera& c) {
    return {c.Position().X(), c.Position().Y(), c.Position().Z()};
}

Ponto3 Mais(Ponto3 a, Ponto3 b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

// A red face over X 0..100, Y 0..50 at Z 0, and a line that takes Z up to zTopo; moved by d.
std::string FaceELinha(double zTopo, Ponto3 d = {0, 0, 0}) {
    const auto p = [&](double x, double y, double z) { return Mais(d, {x, y, z}); };
    return Face3D(1, {p(0, 0, 0), p(100, 0, 0), p(100, 50, 0), p(0, 50, 0)}) +
           Linha(p(0, 0, 0), p(0, 0, zTopo));
}

using Pintura = Janela;

// Before a load the camera stays where it was made and nothing shows. A flat drawing is seen
// whole from above: 100 x 50 units at a distance of 50 under a 100 degree view, about 250 x
// 125 pixels around the centre of the 521 x 297 view.
TEST_F(Pintura, AntesDeCarregarSoOFundoEDesenhoPlanoVistoInteiroDeCima) {
    TForm1& j = *janela_;
    j.CamX->setValue(0);
    j.RotY->setValue(45);
    const QImage antes = Imagem();
    ASSERT_FALSE(antes.isNull()) << j.View3D->ContextError();
    EXPECT_EQ(PixelsAcima(antes, 8), 0);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0.2f, 2}));

    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(0)));
    const QImage imagem = Imagem();
    for (auto [x, y] : {std::pair{260, 148}, {150, 100}, {370, 200}})
        EXPECT_EQ(imagem.pixelColor(x, y).hue(), 0) << x << "," << y;
    for (auto [x, y] : {std::pair{100, 148}, {260, 40}, {260, 260}})
        EXPECT_EQ(qGray(imagem.pixel(x, y)), 0) << x << "," << y;
}

// One render places the camera, the next shows the new place, then nothing more. Light 1,
// read while the paint handler runs, is placed before the drawing's rotations.
TEST_F(Pintura, CameraSegueAsBarrasELuzFicaNoLugarQuandoODesenhoGira) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    Imagem();
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 15}));
    {
        const ContaPinturas pinturas(j);
        j.CamZ->setValue(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pinturas.vezes >= 2; }));
        ProcessaEventos();
        EXPECT_EQ(pinturas.vezes, 2);
        EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 10}));
    }
    std::array<GLfloat, 4> luz1{};
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        glGetLightfv(GL_LIGHT1, GL_POSITION, luz1.data()); // in eye coordinates
    });
    for (const int rotacao : {0, 90}) {
        j.RotX->setValue(rotacao);
        j.RotZ->setValue(rotacao);
        Imagem();
        EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-50, -25, 0, 1})) << rotacao; // (0, 0, 10)
    }
    // The same far from the origin, where the camera stands relative to a local origin.
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10, {650000, 7300000, 0})));
    ImagemDaVista(*j.View3D, j.Cam);
    EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-650050, -7300025, -5, 1}));
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

// A pit 40 km wide and 4 km deep, the camera halfway down: its walls run from behind the
// camera to 2000 units ahead, red, green, blue and yellow to the south, east, north and west.
std::string Fosso() {
    const std::vector<Ponto3> borda{{0, 0, 0}, {40000, 0, 0}, {40000, 40000, 0}, {0, 40000, 0}};
    std::string texto;
    for (int i = 0; i < 4; ++i)
        texto += Face3D(std::array{1, 3, 5, 2}[i],
                        {borda[i], borda[(i + 1) % 4], {20000, 20000, -4000}});
    return texto;
}

std::string Retangulo(int cor, double largura, double altura) {
    return Face3D(cor, {{0, 0, 0}, {largura, 0, 0}, {largura, altura, 0}, {0, altura, 0}});
}

// The channels lit at the centre, up right, top, bottom, left and right of the view: k none,
// r, g, b, y red and green, w all.
std::string Cores(const QImage& imagem) {
    std::string cores;
    for (const auto& [x, y] :
         {std::pair{260, 148}, {400, 60}, {260, 5}, {260, 290}, {5, 148}, {515, 148}}) {
        const QColor c = imagem.pixelColor(x, y);
        cores += "krgyb??w"[(c.red() > 100) | (c.green() > 100) << 1 | (c.blue() > 100) << 2];
    }
    return cores;
}

// Each drawing with the depths it spans ahead of the camera, or none where the stored planes
// hold it: big, huge, a block scaled up far below the camera (the probe marks it, white),
// the pit, small, no points.
// The planes are read back from the projection the paint leaves.
TEST_F(Pintura, GrandesDesenhosETerrenosAbremCheiosNumaProfundidadeQueOBufferResolve) {
    TForm1& j = *janela_;
    float perto = 0, longe = 0;
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        std::array<GLfloat, 16> p{};
        glGetFloatv(GL_PROJECTION_MATRIX, p.data()); // a perspective: the camera is unturned
        perto = p[14] / (p[10] - 1);
        longe = p[14] / (p[10] + 1);
    });
    const std::vector<std::tuple<std::string, std::string, std::string, float, float>> casos{
        {Retangulo(1, 5000, 4000), "", "rkkkkk", 2500, 2500},
        {Retangulo(3, 3e5, 2e5), "", "gkkkkk", 1.5e5, 1.5e5},
        {Insercao("B", 1000, {0, 0, -3000}), Bloco("B", Retangulo(5, 5, 5)), "wbbkkb", 1500, 1500},
        {Fosso(), "", "ggbryg", 0, 2000},
        {FaceELinha(10), "", "rrrrrr", -1, -1},
        {"", "", "kkkkkk", -1, -1},
    };
    int caso = 0;
    for (const auto& [entidades, blocos, cores, maisPerto, maisLonge] : casos) {
        j.LeArquivo(EscreveDXF(pasta_, entidades, blocos));
        EXPECT_EQ(Cores(ImagemDaVista(*j.View3D, j.Cam)), cores) << caso;
        if (maisLonge < 0) { // the stored planes
            EXPECT_NEAR(perto, 0.1f, 1e-4) << caso;
            EXPECT_NEAR(longe, 1000, 1) << caso;
        } else {
            EXPECT_GE(longe, maisLonge) << caso;
            EXPECT_LE(longe, maisLonge * 1.05f) << caso;
            // A depth resolution of 1e4 / 2^24 of the distance or finer; where something
            // crosses the camera's plane, the nearest plane that allows.
            EXPECT_LE(longe / perto, 1.001e4) << caso;
            EXPECT_LE(perto, maisPerto > 0 ? maisPerto : longe / 0.999e4) << caso;
            EXPECT_GE(perto, maisPerto * 0.95f) << caso;
        }
        EXPECT_EQ(std::pair(j.Cam.ViewNear(), j.Cam.ViewFar()), std::pair(0.1f, 1000.0f));
        ++caso;
    }
}

// Pixels that differ clearly between two pictures of the same size; white ones of the first.
std::pair<int, int> DiferentesEBrancos(const QImage& a, const QImage& b) {
    int diferentes = 0, brancos = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            diferentes +=
                std::max({std::abs(ca.red() - cb.red()), std::abs(ca.green() - cb.green()),
                          std::abs(ca.blue() - cb.blue())}) > 24;
            brancos += ca.lightness() > 230;
        }
    return {diferentes, brancos};
}

// An L of faces two units wide; and a plate of four faces inserted under the probe, seen
// from the extents' far corner (the block's own coordinates widen the extents down to
// -100). At the origin and at survey coordinates with fractions of a unit that floats
// cannot hold there, each shows the same picture, the probe's white marker included.
TEST_F(Pintura, DesenhosEmCoordenadasDeLevantamentoParecemComoNaOrigem) {
    TForm1& j = *janela_;
    const auto forma = [](Ponto3 d) {
        const auto p = [&](double x, double y) { return Mais(d, {x, y, 0}); };
        return Face3D(1, {p(0, 0), p(2, 0), p(2, 0.5), p(0, 0.5)}) +
               Face3D(3, {p(0, 0.5), p(0.5, 0.5), p(0.5, 2), p(0, 2)}) +
               Face3D(5, {p(1, 1), p(2, 1), p(1.5, 2), p(1.5, 2)});
    };
    const auto placa = [](Ponto3 d) {
        return Insercao("PLACA", 1, Mais(d, {300, 300, 0})) +
               Linha(Mais(d, {0, 0, -50}), Mais(d, {300, 300, 100}));
    };
    std::string quadrantes;
    for (const auto& [cor, x, y] :
         {std::tuple{1, -100.0, -100.0}, {2, 0.0, -100.0}, {3, -100.0, 0.0}, {5, 0.0, 0.0}})
        quadrantes +=
            Face3D(cor, {{x, y, 0}, {x + 100, y, 0}, {x + 100, y + 100, 0}, {x, y + 100, 0}});
    const std::vector<std::tuple<std::function<std::string(Ponto3)>, std::string, int>> casos{
        {forma, "", 500}, {placa, Bloco("PLACA", quadrantes), 1000}};
    for (const auto& [entidades, blocos, camXY] : casos) {
        std::array<QImage, 2> fotos;
        for (int i = 0; i < 2; ++i) {
            const Ponto3 d = i == 0 ? Ponto3{0, 0, 0} : Ponto3{650000.37, 7300000.61, 0};
            j.LeArquivo(EscreveDXF(pasta_, entidades(d), blocos));
            j.CamX->setValue(camXY);
            j.CamY->setValue(camXY);
            fotos[i] = ImagemDaVista(*j.View3D, j.Cam);
        }
        EXPECT_GT(PixelsAcima(fotos[0], 8), fotos[0].width() * fotos[0].height() / 8) << camXY;
        const auto [diferentes, brancos] = DiferentesEBrancos(fotos[1], fotos[0]);
        EXPECT_LE(diferentes, 50) << camXY;
        EXPECT_EQ(brancos > 100, camXY == 1000) << camXY; // the probe's marker on the plate
    }
}

} // namespace
