// The paint cycle through the real window and view: the camera placed from the extents and
// the bars, the flat-drawing choice, nothing before a load, the scene's light, and a paint
// that fails.

#include "Instantaneo.h"
#include "TesteApp.h"

#include <GL/gl.h>
#include <QTest>

#include <optional>
#include <tuple>

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

// A drawing a few thousand units wide, one a few hundred thousand, and a pit 40 km wide
// and 4 km deep with the camera halfway down: its walls run from behind the camera to
// 2000 units ahead of it, in red, green, blue and yellow to the south, east, north and west.
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

// Near and far planes of the projection a paint leaves, read back while the handler runs.
struct PlanosLidos {
    float perto = 0, longe = 0;
};

// Each drawing with the depths it spans in front of the camera, or none where the stored
// planes hold it: a big drawing, a huge one, a block scaled up far below the camera, a pit
// (its walls cross the camera's plane), and two that the stored planes already hold.
TEST_F(PinturaTeste, BigDrawingsAndTerrainsOpenFilledWithinADepthRangeTheBufferResolves) {
    TForm1& j = *janela_;
    PlanosLidos planos;
    j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
        j.View3DPaint(sender);
        std::array<GLfloat, 16> p{};
        glGetFloatv(GL_PROJECTION_MATRIX, p.data()); // a perspective: the camera is unturned
        planos = {p[14] / (p[10] - 1), p[14] / (p[10] + 1)};
    });
    struct Caso {
        const char* nome;
        std::string entidades, blocos;
        std::vector<std::tuple<int, int, char>> pixels; // x, y, colour: r g b y, or k black
        std::optional<std::pair<float, float>> profundidades;
    };
    const std::vector<Caso> casos{
        {"big",
         Retangulo(1, 5000, 4000),
         "",
         {{260, 148, 'r'}, {140, 60, 'r'}, {30, 148, 'k'}},
         std::pair(2500, 2500)},
        {"huge",
         Retangulo(3, 3e5, 2e5),
         "",
         {{260, 148, 'g'}, {380, 230, 'g'}, {260, 5, 'k'}},
         std::pair(150000, 150000)},
        {"block",
         Insercao("B", 1000, {0, 0, -3000}),
         Bloco("B", Retangulo(5, 5, 5)),
         {{400, 60, 'b'}, {100, 250, 'k'}},
         std::pair(1500, 1500)},
        {"pit",
         Fosso(),
         "",
         {{260, 290, 'r'}, {515, 148, 'g'}, {260, 5, 'b'}, {5, 148, 'y'}},
         std::pair(0, 2000)},
        {"small", FaceELinha(10), "", {{260, 148, 'r'}}, std::nullopt},
        {"no points", "", "", {{260, 148, 'k'}}, std::nullopt},
    };
    for (const Caso& caso : casos) {
        j.LeArquivo(EscreveDXF(pasta_, caso.entidades, caso.blocos));
        const QImage imagem = ImagemDaVista(j);
        for (const auto& [x, y, cor] : caso.pixels) {
            const QColor c = imagem.pixelColor(x, y);
            const std::array acesos{c.red() > 100, c.green() > 100, c.blue() > 100};
            const std::array esperados{cor == 'r' || cor == 'y', cor == 'g' || cor == 'y',
                                       cor == 'b'};
            EXPECT_EQ(acesos, esperados) << caso.nome << " " << x << "," << y;
        }
        if (!caso.profundidades) {
            EXPECT_NEAR(planos.perto, 0.1f, 1e-4) << caso.nome;
            EXPECT_NEAR(planos.longe, 1000, 1) << caso.nome;
        } else {
            const auto [maisPerto, maisLonge] = *caso.profundidades;
            EXPECT_GE(planos.longe, maisLonge) << caso.nome;
            EXPECT_LE(planos.longe, maisLonge * 1.05f) << caso.nome;
            // A depth resolution of 1e4 / 2^24 of the distance, or finer; where something
            // crosses the camera's plane, the nearest plane that allows.
            const float ratio = planos.longe / planos.perto;
            EXPECT_LE(ratio, 1.001e4) << caso.nome;
            if (maisPerto > 0) {
                EXPECT_LE(planos.perto, maisPerto) << caso.nome;
                EXPECT_GE(planos.perto, maisPerto * 0.95f) << caso.nome;
            } else {
                EXPECT_GE(ratio, 0.999e4) << caso.nome;
            }
        }
        // The camera keeps its own planes.
        EXPECT_EQ(std::pair(j.Cam.ViewNear(), j.Cam.ViewFar()), std::pair(0.1f, 1000.0f));
    }
}

} // namespace
