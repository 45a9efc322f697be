// The paint: the camera, the light, a failure, the clip planes, the local origin and the GL state.

#include "Ajuda.h"
#include "PosicaoDaCamera.h"

#include <GL/gl.h>
#include <QTest>

#include <cfloat>

namespace {

using Posicao = std::array<float, 3>;

Posicao PosicaoDa(const TOGLCamera& c) {
    return {c.Position().X(), c.Position().Y(), c.Position().Z()};
}

// A red face over X 0..100, Y 0..50 at Z 0, and a line that takes Z up to zTopo; moved by d.
std::string FaceELinha(double zTopo, Ponto3 d = {0, 0, 0}) {
    return Retangulo(1, d[0], d[1], 100, 50) + Linha(d, {d[0], d[1], zTopo});
}

using Pintura = Janela;

// Before a load nothing shows. A render places the camera, the next shows it; light 1 stays put.
TEST_F(Pintura, CameraSegueAsBarrasELuzFicaNoLugarQuandoODesenhoGira) {
    TForm1& j = *janela_;
    j.CamX->setValue(0);
    const QImage antes = Imagem();
    ASSERT_FALSE(antes.isNull()) << j.View3D->ContextError();
    EXPECT_EQ(PixelsAcima(antes, 8), 0);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0.2f, 2}));

    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    Imagem();
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 15}));
    ContaPinturas();
    j.CamZ->setValue(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pinturas_ >= 2; }));
    ProcessaEventos();
    EXPECT_EQ(pinturas_, 2);
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{50, 25, 10}));

    std::array<GLfloat, 4> luz1{};
    AposPintar([&] { glGetLightfv(GL_LIGHT1, GL_POSITION, luz1.data()); }); // eye coordinates
    for (const int rotacao : {0, 90}) {
        j.RotX->setValue(rotacao);
        j.RotZ->setValue(rotacao);
        Imagem();
        EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-50, -25, 0, 1})) << rotacao; // (0, 0, 10)
    }
    // Far from the origin the camera stands relative to a local origin.
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10, {650000, 7300000, 0})));
    Imagem();
    EXPECT_EQ(PosicaoDa(j.Cam), (Posicao{0, 0, 10}));
    EXPECT_EQ(luz1, (std::array<GLfloat, 4>{-650050, -7300025, -5, 1}));
}

// Corners of 1e30 inserted at scale 1e30 go beyond the model's number range: the paint fails.
TEST_F(Pintura, PinturaQueFalhaMostraAMensagemUmaVezEACargaSeguinteDesenha) {
    TForm1& j = *janela_;
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10) + Insercao("ENORME", 1e30),
                           Bloco("ENORME", Retangulo(3, 0, 0, 1e30, 1e30))));
    for (int vez = 0; vez < 3; ++vez) {
        j.View3D->Redraw();
        EXPECT_EQ(PixelsAcima(Imagem(), 8), 0);
        ProcessaEventos();
    }
    EXPECT_EQ(MensagensMostradas(), std::vector<QString>{"Floating point overflow"});
    j.LeArquivo(EscreveDXF(pasta_, FaceELinha(10)));
    EXPECT_GT(PixelsAcima(Imagem(), 8), 10000);
    EXPECT_EQ(MensagensMostradas().size(), 1u);
}

// A pit 40 km wide and 4 km deep, the camera halfway down: walls from behind it to 2000 ahead.
std::string Fosso() {
    const std::vector<Ponto3> borda{{0, 0, 0}, {40000, 0, 0}, {40000, 40000, 0}, {0, 40000, 0}};
    std::string texto;
    for (int i = 0; i < 4; ++i)
        texto += Face3D(std::array{1, 3, 5, 2}[i],
                        {borda[i], borda[(i + 1) % 4], {20000, 20000, -4000}});
    return texto;
}

// Planes read back from the projection: the depths each drawing spans, or else the stored ones.
TEST_F(Pintura, GrandesDesenhosETerrenosAbremCheiosNumaProfundidadeQueOBufferResolve) {
    TForm1& j = *janela_;
    float perto = 0, longe = 0;
    AposPintar([&] {
        std::array<GLfloat, 16> p{}; // a perspective: the camera is unturned
        glGetFloatv(GL_PROJECTION_MATRIX, p.data());
        perto = p[14] / (p[10] - 1);
        longe = p[14] / (p[10] + 1);
    });
    const std::vector<std::tuple<std::string, std::string, float, float>> casos{
        {Retangulo(1, 0, 0, 5000, 4000), "", 2500, 2500},
        {Retangulo(3, 0, 0, 3e5, 2e5), "", 1.5e5, 1.5e5},
        {Insercao("B", 1000, {0, 0, -3000}), Bloco("B", Retangulo(5, 0, 0, 5, 5)), 1500, 1500},
        {Fosso(), "", 0, 2000},
        {FaceELinha(10), "", -1, -1},
        {"", "", -1, -1},
    };
    int caso = 0;
    for (const auto& [entidades, blocos, maisPerto, maisLonge] : casos) {
        j.LeArquivo(EscreveDXF(pasta_, entidades, blocos));
        SCOPED_TRACE(caso++);
        Imagem();
        if (maisLonge < 0) { // the stored planes
            EXPECT_NEAR(perto, 0.1f, 1e-4);
            EXPECT_NEAR(longe, 1000, 1);
        } else {
            EXPECT_GE(longe, maisLonge);
            EXPECT_LE(longe, maisLonge * 1.05f);
            // A depth resolution of 1e4 / 2^24 of the distance or finer.
            EXPECT_LE(longe / perto, 1.001e4);
            EXPECT_LE(perto, maisPerto > 0 ? maisPerto : longe / 0.999e4);
            EXPECT_GE(perto, maisPerto * 0.95f);
        }
        EXPECT_EQ(std::pair(j.Cam.ViewNear(), j.Cam.ViewFar()), std::pair(0.1f, 1000.0f));
    }
}

// A face wound clockwise shows with its option; the paint leaves the scene's state as it found it.
TEST_F(Pintura, FaceDeTrasMostradaDeixaOEstadoDaCenaComoEstava) {
    TForm1& j = *janela_;
    std::array<GLint, 3> estado{};
    AposPintar([&] {
        estado = {glIsEnabled(GL_CULL_FACE), 0, 0};
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &estado[1]);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &estado[2]);
    });
    j.FacesDosDoisLados1->setChecked(true);
    j.LeArquivo(EscreveDXF(pasta_, Retangulo(3, 100, 0, -100, 50)));
    EXPECT_EQ(Imagem().pixelColor(260, 148).hue(), 120);
    EXPECT_EQ(estado, (std::array<GLint, 3>{GL_TRUE, GL_FALSE, GL_FRONT}));
}

// Sent relative to O, the drawing still turns about the world origin: M * (p - O) + O = R * p, R
// turning about Z first, then Y, then X. Without a turn the translation is exactly 0.
TEST(PosicaoDaCamera, DesenhoGiraEmTornoDaOrigemDoMundoQualquerQueSejaAOrigemLocal) {
    const std::array<double, 3> o{650000, 7300000, 30}, p{1, 2, 3};
    const std::vector<std::pair<std::array<double, 3>, std::array<double, 3>>> casos{
        {{0, 0, 0}, {1, 2, 3}},   {{90, 0, 0}, {1, -3, 2}}, {{0, 90, 0}, {3, 2, -1}},
        {{0, 0, 90}, {-2, 1, 3}}, {{90, 90, 0}, {3, 1, 2}}, {{90, 0, 90}, {-2, -3, 1}},
    };
    for (const auto& [giro, esperado] : casos) {
        const auto m = GiroDoDesenho(giro[0], giro[1], giro[2], o);
        for (int l = 0; l < 3; ++l) {
            double v = m[12 + l] + o[l];
            for (int c = 0; c < 3; ++c)
                v += m[4 * c + l] * (p[c] - o[c]);
            EXPECT_NEAR(v, esperado[l], 1e-6) << giro[0] << "," << giro[1] << "," << giro[2];
        }
    }
    const auto semGiro = GiroDoDesenho(0, 0, 0, o);
    EXPECT_EQ((std::array{semGiro[12], semGiro[13], semGiro[14]}), (std::array{0.0, 0.0, 0.0}));
}

// Beyond the float range the camera stops at the largest float; a span too tiny counts as none.
TEST(PosicaoDaCamera, ExtremosForaDaFaixaDoFloatParamNoMaiorFloat) {
    const long double m = Real::Maior;
    const std::tuple<TExtremos, int, int, int, std::array<float, 3>> casos[] = {
        {{0, 0, 0, 1e-37, 10, 10}, 500, 500, 500, {5, 5, 15}},
        {{0, 0, 0, 1, 1, m}, 0, 0, 1000, {0, 0, FLT_MAX}},
        {{0, 0, -m, 1, 1, -m}, 0, 0, 0, {0, 0, -FLT_MAX}},
    };
    for (const auto& [e, x, y, z, posicao] : casos)
        EXPECT_EQ(PosicaoDaCamera(e, x, y, z), posicao);
}

} // namespace
