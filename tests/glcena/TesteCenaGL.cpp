#define GL_GLEXT_PROTOTYPES 1

#include "CapturaGL.h"
#include "CenaGL.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Test names and failures name the storage, not its bytes.
void PrintTo(TArmazenamentoGL armazenamento, std::ostream* saida) {
    *saida << (armazenamento == TArmazenamentoGL::Memoria ? "Memoria" : "BuffersSePossivel");
}

namespace {

constexpr int Lado = 64;
using Pixel = std::array<int, 3>;

TVerticeCena V(float x, float y, float nz, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {x, y, 0, 0, 0, nz, r, g, b, 255};
}

// Drawn under a model-view that doubles every length, so one scene unit is two pixels: a red
// triangle wound clockwise as seen, its normal away from the eye (its back shows); a green
// horizontal segment; a blue point. The origin is far away: the vertices are drawn as they
// are, relative to it.
TCena CenaDeTeste() {
    TCena cena;
    cena.Origem = {650000, 7300000, 100};
    cena.Triangulos = {V(4, 4, -1, 255, 0, 0), V(4, 20, -1, 255, 0, 0), V(20, 4, -1, 255, 0, 0)};
    cena.Segmentos = {V(24.25f, 28.25f, 0, 0, 255, 0), V(30.25f, 28.25f, 0, 0, 255, 0)};
    cena.Pontos = {V(6.25f, 28.25f, 0, 0, 0, 255)};
    return cena;
}

// The scene's GL state before the scene draws: as the viewer's paint leaves it (lit, faces
// culled, colour material on the front's diffuse only) or bare (all of that off).
enum class Estado { ComoAVista, Nu };

// The state Desenha must give back.
std::map<std::string, std::vector<float>> EstadoGL() {
    std::map<std::string, std::vector<float>> e;
    for (auto [nome, valor] : {std::pair{"LIGHTING", GL_LIGHTING},
                               {"CULL_FACE", GL_CULL_FACE},
                               {"COLOR_MATERIAL", GL_COLOR_MATERIAL},
                               {"NORMALIZE", GL_NORMALIZE},
                               {"DEPTH_TEST", GL_DEPTH_TEST},
                               {"VERTEX_ARRAY", GL_VERTEX_ARRAY},
                               {"NORMAL_ARRAY", GL_NORMAL_ARRAY},
                               {"COLOR_ARRAY", GL_COLOR_ARRAY}})
        e[nome] = {static_cast<float>(glIsEnabled(valor))};
    for (auto [nome, valor, n] : {std::tuple{"LIGHT_MODEL_TWO_SIDE", GL_LIGHT_MODEL_TWO_SIDE, 1},
                                  {"COLOR_MATERIAL_FACE", GL_COLOR_MATERIAL_FACE, 1},
                                  {"COLOR_MATERIAL_PARAMETER", GL_COLOR_MATERIAL_PARAMETER, 1},
                                  {"POINT_SIZE", GL_POINT_SIZE, 1},
                                  {"ARRAY_BUFFER_BINDING", GL_ARRAY_BUFFER_BINDING, 1},
                                  {"CURRENT_PROGRAM", GL_CURRENT_PROGRAM, 1},
                                  {"CURRENT_COLOR", GL_CURRENT_COLOR, 4},
                                  {"CURRENT_NORMAL", GL_CURRENT_NORMAL, 3}}) {
        e[nome].resize(n);
        glGetFloatv(valor, e[nome].data());
    }
    for (auto [nome, face] : {std::pair{"DIFFUSE_FRONT", GL_FRONT}, {"DIFFUSE_BACK", GL_BACK}}) {
        e[nome].resize(4);
        glGetMaterialfv(face, GL_DIFFUSE, e[nome].data());
    }
    return e;
}

// An off-screen framebuffer of Lado x Lado pixels, cleared to black, with a depth buffer, one
// white light of diffuse 0.6 along the view and no ambient light; a foreign buffer object
// bound, as another part of a paint may leave one.
class CenaGL : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(glteste::GarantaContexto()) << "no OpenGL context (is a display running?)";
        glGenFramebuffers(1, &quadro_);
        glGenRenderbuffers(2, memorias_);
        glBindRenderbuffer(GL_RENDERBUFFER, memorias_[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, Lado, Lado);
        glBindRenderbuffer(GL_RENDERBUFFER, memorias_[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, Lado, Lado);
        glBindFramebuffer(GL_FRAMEBUFFER, quadro_);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  memorias_[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  memorias_[1]);
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GL_FRAMEBUFFER_COMPLETE);

        glViewport(0, 0, Lado, Lado);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, Lado, 0, Lado, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        constexpr GLfloat Difusa[] = {0.6f, 0.6f, 0.6f, 1}, Nada[] = {0, 0, 0, 1};
        glLightfv(GL_LIGHT0, GL_DIFFUSE, Difusa);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, Nada);
        glEnable(GL_LIGHT0);
        glScalef(2, 2, 2);

        const std::vector<unsigned char> lixo(64, 0xAB);
        glGenBuffers(1, &alheio_);
        glBindBuffer(GL_ARRAY_BUFFER, alheio_);
        glBufferData(GL_ARRAY_BUFFER, lixo.size(), lixo.data(), GL_STATIC_DRAW);
    }

    void TearDown() override {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glDeleteBuffers(1, &alheio_);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(2, memorias_);
        glDeleteFramebuffers(1, &quadro_);
    }

    static void PoeEstado(Estado estado) {
        const bool vista = estado == Estado::ComoAVista;
        for (GLenum e : {GL_LIGHTING, GL_CULL_FACE, GL_COLOR_MATERIAL, GL_NORMALIZE, GL_DEPTH_TEST})
            vista ? glEnable(e) : glDisable(e);
        for (GLenum a : {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_COLOR_ARRAY})
            glDisableClientState(a);
        glColorMaterial(GL_FRONT, GL_DIFFUSE);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
        glPointSize(1);
        glColor4f(0.2f, 0.3f, 0.4f, 1);
        glNormal3f(0, 1, 0);
    }

    // Draws the scene on black and returns the picture (rows from the bottom, RGB).
    static std::vector<unsigned char> Pinta(const TCenaGL& cena) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        cena.Desenha();
        std::vector<unsigned char> imagem(Lado * Lado * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, Lado, Lado, GL_RGB, GL_UNSIGNED_BYTE, imagem.data());
        return imagem;
    }

    static Pixel Em(const std::vector<unsigned char>& imagem, int x, int y) {
        const unsigned char* p = &imagem[(y * Lado + x) * 3];
        return {p[0], p[1], p[2]};
    }

    GLuint quadro_ = 0, memorias_[2] = {}, alheio_ = 0;
};

void EsperaCor(const Pixel& obtido, const Pixel& esperado, int tolerancia = 3) {
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(obtido[k], esperado[k], tolerancia)
            << "obtained " << obtido[0] << " " << obtido[1] << " " << obtido[2];
}

class CenaGLArmazenada : public CenaGL, public ::testing::WithParamInterface<TArmazenamentoGL> {};

// Whatever state the scene is drawn in, the triangle seen from behind shows red, lit on its
// visible side at the light's 0.6 (a scaled model-view must not dim it); the segment and the
// point show in their full colours, unlit, the point three pixels wide; the rest stays black;
// and the state is given back, the foreign buffer still bound. The scene's vectors are
// overwritten after the upload: what is drawn does not depend on them.
TEST_P(CenaGLArmazenada, TrianguloDeCostasIluminadoSegmentoEPontoEmSuasCoresEstadoDevolvido) {
    TCena cena = CenaDeTeste();
    const TCenaGL gl(cena, GetParam());
    EXPECT_EQ(gl.EmBuffers(), GetParam() == TArmazenamentoGL::BuffersSePossivel);
    EXPECT_EQ(gl.ChamadasDeDesenho(), 3);
    for (auto* lista : {&cena.Triangulos, &cena.Segmentos, &cena.Pontos})
        lista->assign(lista->size(), TVerticeCena{});

    for (Estado estado : {Estado::ComoAVista, Estado::Nu}) {
        SCOPED_TRACE(estado == Estado::ComoAVista ? "state as the view's" : "bare state");
        PoeEstado(estado);
        const auto antes = EstadoGL();
        const auto imagem = Pinta(gl);
        EXPECT_EQ(EstadoGL(), antes);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

        EsperaCor(Em(imagem, 18, 18), {153, 0, 0}); // triangle
        EsperaCor(Em(imagem, 54, 56), {0, 255, 0}); // segment
        for (int x : {11, 12, 13})
            EsperaCor(Em(imagem, x, 56), {0, 0, 255}); // point
        for (auto [x, y] : {std::pair{30, 30}, {50, 20}, {12, 52}, {54, 60}, {16, 56}})
            EsperaCor(Em(imagem, x, y), {0, 0, 0}, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(, CenaGLArmazenada,
                         ::testing::Values(TArmazenamentoGL::BuffersSePossivel,
                                           TArmazenamentoGL::Memoria),
                         [](const auto& info) {
                             return info.param == TArmazenamentoGL::Memoria ? "ArraysEmMemoria"
                                                                            : "Buffers";
                         });

// Buffer objects and client-side arrays make the same picture, pixel for pixel, also when the
// scene's vertices are freed as they are copied; an empty scene draws nothing and makes no
// draw call.
TEST_F(CenaGL, BuffersEArraysEmMemoriaFazemAMesmaImagemCenaVaziaNaoDesenha) {
    PoeEstado(Estado::ComoAVista);
    // The test scene and more triangles than one buffer object takes: tiny ones out of sight,
    // then one in the second buffer, in cyan, where the picture is otherwise black.
    TCena cena = CenaDeTeste();
    for (int i = 0; i < 200000; ++i)
        for (int k = 0; k < 3; ++k)
            cena.Triangulos.push_back(V(-50.0f + 0.01f * static_cast<float>(k), -50, 1, 9, 9, 9));
    for (auto [x, y] : {std::pair{22.0f, 2.0f}, {30.0f, 2.0f}, {22.0f, 10.0f}})
        cena.Triangulos.push_back(V(x, y, 1, 0, 200, 200));
    const TCenaGL emBuffers(cena);
    ASSERT_EQ(emBuffers.ChamadasDeDesenho(), 2 + 1 + 1);
    const auto buffers = Pinta(emBuffers);
    EsperaCor(Em(buffers, 46, 6), {0, 120, 120});
    const auto memoria = Pinta(TCenaGL(cena, TArmazenamentoGL::Memoria));
    EXPECT_TRUE(buffers == memoria);
    TCena copia = cena;
    EXPECT_TRUE(Pinta(TCenaGL(copia, TCenaGL::TLiberaVertices{})) == buffers);
    EXPECT_TRUE(copia.Triangulos.empty() && copia.Segmentos.empty() && copia.Pontos.empty());
    TCena outra = cena;
    EXPECT_TRUE(Pinta(TCenaGL(outra, TCenaGL::TLiberaVertices{}, TArmazenamentoGL::Memoria)) ==
                buffers);

    const TCenaGL vazia(TCena{});
    EXPECT_EQ(vazia.ChamadasDeDesenho(), 0);
    EXPECT_TRUE(Pinta(vazia) == std::vector<unsigned char>(Lado * Lado * 3, 0));
}

// A bumpy surface seen in perspective from above and, folded over, from below: its faces
// lit by the program's own lighting look as OpenGL's two-sided lighting makes them, with
// ambient light, a directional light along the view and two coloured positional lights,
// one fading with distance.
TEST_F(CenaGL, IluminacaoPropriaComoADoOpenGLDosDoisLados) {
    TCena cena;
    using P = std::array<float, 3>;
    // A quadrilateral as two triangles, each with its normal by its winding.
    auto quadrilatero = [&](const std::array<P, 4>& q, std::uint8_t cor) {
        for (auto [a, b, c] : {std::array{0, 1, 2}, std::array{0, 2, 3}}) {
            const P &p = q[a], &r = q[b], &t = q[c];
            const P u = {r[0] - p[0], r[1] - p[1], r[2] - p[2]};
            const P v = {t[0] - p[0], t[1] - p[1], t[2] - p[2]};
            const P n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                         u[0] * v[1] - u[1] * v[0]};
            const float k = std::hypot(n[0], n[1], n[2]);
            for (const P* w : {&p, &r, &t})
                cena.Triangulos.push_back({(*w)[0], (*w)[1], (*w)[2], n[0] / k, n[1] / k, n[2] / k,
                                           cor, 200, static_cast<std::uint8_t>(255 - cor), 255});
        }
    };
    auto altura = [](float x, float y) { return 0.15f * std::sin(x) * std::cos(1.3f * y); };
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j) {
            const float x = i - 6.0f, y = j - 6.0f;
            quadrilatero({P{x, y, altura(x, y)}, P{x + 1, y, altura(x + 1, y)},
                          P{x + 1, y + 1, altura(x + 1, y + 1)}, P{x, y + 1, altura(x, y + 1)}},
                         static_cast<std::uint8_t>(40 + 17 * ((i + j) % 12)));
        }
    // A wall leaning in, its face turned up and out: in the perspective the eye sees its back.
    quadrilatero({P{4, -3, -1}, P{4, 3, -1}, P{3.5f, 3, 1}, P{3.5f, -3, 1}}, 90);
    PoeEstado(Estado::ComoAVista);
    glPushAttrib(GL_LIGHTING_BIT);
    constexpr GLfloat Ambiente[] = {0.1f, 0.1f, 0.1f, 1}, Material[] = {0.25f, 0.25f, 0.25f, 1};
    constexpr GLfloat Cor1[] = {0.3f, 0.5f, 0.7f, 1}, Lugar1[] = {3, -2, 4, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, Ambiente);
    glLightfv(GL_LIGHT0, GL_AMBIENT, Ambiente);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, Material);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0, 0, -7);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, Cor1);
    glLightfv(GL_LIGHT1, GL_POSITION, Lugar1);
    glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, 0.05f);
    glEnable(GL_LIGHT1);
    constexpr GLfloat Cor2[] = {0.4f, 0.2f, 0.1f, 1}, Lugar2[] = {-4, 3, 2, 1};
    glLightfv(GL_LIGHT2, GL_DIFFUSE, Cor2);
    glLightfv(GL_LIGHT2, GL_POSITION, Lugar2);
    glEnable(GL_LIGHT2);

    for (float giro : {25.0f, 150.0f}) {
        SCOPED_TRACE(giro < 90 ? "seen from above" : "seen from below");
        glPushMatrix();
        glRotatef(giro, 1, 0.3f, 0);
        const TCenaGL propria(cena);
        ASSERT_TRUE(propria.IluminacaoPropria());
        const auto nossa = Pinta(propria);
        const auto doOpenGL =
            Pinta(TCenaGL(cena, TArmazenamentoGL::BuffersSePossivel, TIluminacaoGL::DoOpenGL));
        glPopMatrix();
        int acesos = 0, diferentes = 0, maior = 0;
        for (std::size_t k = 0; k < nossa.size(); ++k) {
            acesos += k % 3 == 1 && doOpenGL[k] > 0; // green is never 0 on the surface
            const int d = std::abs(int(nossa[k]) - int(doOpenGL[k]));
            diferentes += d > 2;
            maior = std::max(maior, d);
        }
        EXPECT_GT(acesos, Lado * Lado / 2); // the surface fills most of the view
        EXPECT_EQ(diferentes, 0) << "largest difference " << maior;
    }
    glPopAttrib();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

} // namespace
