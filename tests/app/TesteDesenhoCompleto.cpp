// The "Desenho completo" mode: its option and command line, its scene's life in the window, the
// framing and the camera bars, what it draws of the samples made for it (through dxfsnap
// --completo, checked by colour in regions), the probe, and paints that never send a
// non-finite number.

#include "Ajuda.h"
#include "ErroDeArquivo.h"
#include "FotoCompleta.h"
#include "Inicio.h"

#include <GL/gl.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace {

using DesenhoCompleto = Janela;

// Ctrl+T turns it on and off with the bars left alone and greys the two other options; once it
// is off again the default picture is exactly what it was. --completo starts with it on.
TEST_F(DesenhoCompleto, OpcaoAlternaSemMoverAsBarrasEDesligadaVoltaAImagemPadrao) {
    TForm1& j = *janela_;
    EXPECT_FALSE(j.DesenhoCompleto1->isChecked());
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    j.LeArquivo(Amostra("bloco_inserido_varias_vezes.dxf"));
    const std::array barras{j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ};
    const std::vector<int> movidas{90, 400, 600, 550, 30, 0, 20};
    for (std::size_t i = 0; i < barras.size(); ++i)
        barras[i]->setValue(movidas[i]);
    const QImage padrao = Imagem();
    for (const bool ligado : {true, false}) {
        QTest::keySequence(&j, QKeySequence(Qt::CTRL | Qt::Key_T));
        ProcessaEventos();
        EXPECT_EQ(j.DesenhoCompleto1->isChecked(), ligado);
        EXPECT_EQ(j.FacesDosDoisLados1->isEnabled(), !ligado);
        EXPECT_EQ(j.Polilinhas1->isEnabled(), !ligado);
        EXPECT_EQ(Barras(j), movidas);
        const QImage imagem = Imagem();
        EXPECT_EQ(imagem == padrao, !ligado) << ligado;
        EXPECT_GT(PixelsAcima(imagem, 8), 1000) << ligado;
    }
    EXPECT_EQ(Barras(j), movidas);

    const TLinhaDeComando completo = LeOpcoesDeInicio({"VistrelDXF", "--completo", "a.dxf"});
    EXPECT_TRUE(completo.Completo);
    EXPECT_EQ(completo.Arquivo, QString("a.dxf"));
    EXPECT_FALSE(LeOpcoesDeInicio({"VistrelDXF", "a.dxf"}).Completo);
    EXPECT_TRUE(Executa(VISTRELDXF, {"--help"}).second.contains("--completo"));
}

// Every load, failed ones too, makes the scene again from what was read; a scene that stops at
// its budget draws what fits and says so once.
TEST_F(DesenhoCompleto, CadaCargaRefazACenaEOLimiteDaCenaAvisaUmaVez) {
    TForm1& j = *janela_;
    j.DesenhoCompleto1->setChecked(true);
    j.LeArquivo(EscreveDXF(pasta_, Retangulo(3, 0, 0, 100, 50)));
    EXPECT_GT(Conta(Imagem(), Vista, Tom::Verde), 10000);
    j.LeArquivo(EscreveDXF(pasta_, Retangulo(1, 0, 0, 100, 50)));
    QImage imagem = Imagem();
    EXPECT_GT(Conta(imagem, Vista, Tom::Vermelho), 10000);
    EXPECT_EQ(Conta(imagem, Vista, Tom::Verde), 0) << "the scene of the drawing before";
    EXPECT_THROW(
        j.LeArquivo(EscreveDXF(pasta_, Retangulo(5, 0, 0, 100, 50) + "0\r\nLINE\r\n10\r\nx\r\n")),
        ErroDeArquivo);
    imagem = Imagem();
    EXPECT_GT(Conta(imagem, Vista, Tom::Azul), 10000) << "what the failed load read";
    EXPECT_EQ(Conta(imagem, Vista, Tom::Vermelho), 0);

    std::string faces;
    for (int i = 0; i < 100; ++i)
        faces += Retangulo(1, 10 * i, 0, 8, 8);
    j.OpcoesDaCena.LimiteDeVertices = 60;
    j.LeArquivo(EscreveDXF(pasta_, faces));
    for (int vez = 0; vez < 3; ++vez) {
        j.View3D->Redraw();
        EXPECT_GT(Conta(Imagem(), Vista, Tom::Vermelho), 0);
        ProcessaEventos();
    }
    ASSERT_TRUE(j.AvisoDaCena().has_value());
    EXPECT_EQ(MensagensMostradas(), std::vector{QString::fromStdString(*j.AvisoDaCena())});
}

// The bars as after opening frame the whole drawing from above, at the origin, at survey
// coordinates or standing high; X and Y pan over the extents, Z doubles the distance every 125
// steps, ZOOM is the field of view, and the rotation bars turn the drawing about its centre.
// planta_larga is a 5000 x 2850 plan: a green outline, a red left half.
TEST(DesenhoCompletoEnquadra, PlantaEnchesAVistaEAsBarrasAMovem) {
    QTemporaryDir pasta;
    const QRect margens[] = {
        {0, 0, 26, 297}, {495, 0, 26, 297}, {0, 0, 521, 15}, {0, 282, 521, 15}};
    const QRect bordas[] = {{0, 0, 3, 297}, {518, 0, 3, 297}, {0, 0, 521, 3}, {0, 294, 521, 3}};
    const auto enche = [&](const QImage& foto, const char* nome) {
        for (const QRect& margem : margens)
            EXPECT_GT(Conta(foto, margem, Tom::Verde), 100) << nome << " fills the view";
        for (const QRect& borda : bordas)
            EXPECT_EQ(Conta(foto, borda, Tom::Tinta), 0) << nome << " whole";
    };
    for (const char* planta : {"planta_larga.dxf", "planta_em_coordenadas_utm.dxf"}) {
        const QImage foto = Foto(pasta, Amostra(planta));
        enche(foto, planta);
        EXPECT_GT(Conta(foto, Esquerda, Tom::Vermelho), 30000) << planta;
        EXPECT_EQ(Conta(foto, Direita, Tom::Vermelho), 0) << planta;
    }
    // At survey coordinates the plan looks as it does at the origin.
    const QImage naOrigem = Foto(pasta, Amostra("planta_larga.dxf")),
                 longe = Foto(pasta, Amostra("planta_em_coordenadas_utm.dxf"));
    int diferentes = 0;
    for (int y = 0; y < naOrigem.height(); ++y)
        for (int x = 0; x < naOrigem.width(); ++x)
            diferentes += naOrigem.pixel(x, y) != longe.pixel(x, y);
    EXPECT_LT(diferentes, 100);
    // A pyramid 3000 high over a 5000 x 2850 base: the camera comes down to just above its
    // apex (its box's top face would keep it 1259 higher, the base 146 pixels wide).
    std::string piramide;
    const std::vector<Ponto3> base{{0, 0, 0}, {5000, 0, 0}, {5000, 2850, 0}, {0, 2850, 0}};
    for (int i = 0; i < 4; ++i)
        piramide += Face3D(1, {base[i], base[(i + 1) % 4], {2500, 1425, 3000}});
    const QImage foto3D = Foto(pasta, EscreveDXF(pasta, piramide));
    int largura = 0;
    for (int x = 0; x < 521; ++x)
        largura += Conta(foto3D, {x, 0, 1, 297}, Tom::Tinta) > 0;
    EXPECT_GE(largura, 200) << "pyramid framed by its content";
    EXPECT_EQ(Conta(foto3D, {0, 0, 150, 297}, Tom::Tinta) +
                  Conta(foto3D, {371, 0, 150, 297}, Tom::Tinta),
              0);

    const QString planta = Amostra("planta_larga.dxf");

    QImage foto = Foto(pasta, planta, {"--rot", "0,0,180"});
    enche(foto, "turned");
    EXPECT_EQ(Conta(foto, Esquerda, Tom::Vermelho), 0);
    EXPECT_GT(Conta(foto, Direita, Tom::Vermelho), 30000);

    foto = Foto(pasta, planta, {"--cam", "0,500,500"}); // the camera over the left edge
    EXPECT_EQ(Conta(foto, Esquerda, Tom::Tinta), 0);
    EXPECT_GT(Conta(foto, {266, 20, 100, 257}, Tom::Vermelho), 20000);
    foto = Foto(pasta, planta, {"--cam", "500,1000,500"}); // over the top edge
    EXPECT_EQ(Conta(foto, Cima, Tom::Tinta), 0);
    EXPECT_GT(Conta(foto, Baixo, Tom::Vermelho), 10000);

    foto = Foto(pasta, planta, {"--cam", "500,500,625"}); // twice as far: half the size
    EXPECT_EQ(
        Conta(foto, {0, 0, 125, 297}, Tom::Tinta) + Conta(foto, {396, 0, 125, 297}, Tom::Tinta) +
            Conta(foto, {0, 0, 521, 70}, Tom::Tinta) + Conta(foto, {0, 227, 521, 70}, Tom::Tinta),
        0);
    EXPECT_GT(Conta(foto, {130, 70, 10, 157}, Tom::Tinta), 100);

    foto = Foto(pasta, planta, {"--zoom", "50"}); // a narrower view: the outline outside it
    EXPECT_EQ(Conta(foto, Vista, Tom::Verde), 0);
    EXPECT_GT(Conta(foto, Esquerda, Tom::Vermelho), 60000);
    EXPECT_EQ(Conta(foto, Direita, Tom::Vermelho), 0);
}

// An arc drawn in its object coordinate system, a polyline's bulge and width, colours ByBlock
// through two levels, hidden layers, an array insertion and a mirrored one.
TEST(DesenhoCompletoMostra, ElementosEmSeuLugarECor) {
    QTemporaryDir pasta;
    // The arc's extrusion (0, 0, -1) mirrors it to the left of the frame.
    QImage foto = Foto(pasta, Amostra("arco_com_extrusao_negativa.dxf"));
    EXPECT_GT(Conta(foto, Esquerda, Tom::Vermelho), 100);
    EXPECT_EQ(Conta(foto, Direita, Tom::Vermelho), 0);

    // A half circle below its chord, 10 units wide (a frame 200 high): about 14 pixels.
    foto = Foto(pasta, Amostra("polilinha_com_bulge_e_largura.dxf"));
    const QPoint fundo = NaVista({-100, -100}, {100, 100}, 0, -50);
    EXPECT_GE(Conta(foto, {fundo.x(), fundo.y() - 20, 1, 41}, Tom::Amarelo), 11);
    EXPECT_EQ(Conta(foto, Cima, Tom::Amarelo), 0);

    // ByBlock inside ByBlock takes the colour of the outer insertion: red, then blue.
    foto = Foto(pasta, Amostra("cores_por_bloco_aninhadas.dxf"));
    EXPECT_GT(Conta(foto, Esquerda, Tom::Vermelho), 15000);
    EXPECT_GT(Conta(foto, Direita, Tom::Azul), 15000);
    EXPECT_EQ(Conta(foto, Esquerda, Tom::Azul) + Conta(foto, Direita, Tom::Vermelho), 0);

    // Red faces on a layer that is off, blue ones on a frozen layer: none, in blocks neither.
    foto = Foto(pasta, Amostra("camadas_desligada_e_congelada.dxf"));
    EXPECT_GT(Conta(foto, Vista, Tom::Verde), 30000);
    EXPECT_EQ(Conta(foto, Vista, Tom::Vermelho) + Conta(foto, Vista, Tom::Azul), 0);

    // Three columns and two rows of squares 20 apart, black between them.
    foto = Foto(pasta, Amostra("matriz_de_insercoes.dxf"));
    for (const double x : {5, 25, 45})
        for (const double y : {5, 25})
            EXPECT_EQ(Conta(foto, Redor(NaVista({0, 0}, {50, 30}, x, y)), Tom::Vermelho), 25)
                << x << "," << y;
    for (const auto& [x, y] : {std::pair{15, 5}, {35, 25}, {5, 15}, {45, 15}})
        EXPECT_EQ(Conta(foto, Redor(NaVista({0, 0}, {50, 30}, x, y)), Tom::Tinta), 0)
            << x << "," << y;

    // Mirrored by a scale of -1, the face lies on the left, as brightly lit as the one it mirrors.
    foto = Foto(pasta, Amostra("insercao_espelhada.dxf"));
    const QColor espelhada = foto.pixelColor(NaVista({-50, -20}, {50, 20}, -30, 0)),
                 original = foto.pixelColor(NaVista({-50, -20}, {50, 20}, 30, 0));
    EXPECT_TRUE(DoTom(espelhada, Tom::Vermelho)) << espelhada.name().toStdString();
    EXPECT_TRUE(DoTom(original, Tom::Vermelho)) << original.name().toStdString();
    EXPECT_NEAR(espelhada.red(), original.red(), 12);
}

// The probe's white sphere where its line crosses a face that an insertion places, as in the
// default picture; a face at the top level is not tested.
TEST_F(DesenhoCompleto, SondaMarcaAsFacesDasInsercoes) {
    TForm1& j = *janela_;
    j.DesenhoCompleto1->setChecked(true);
    const QRect centro(230, 118, 61, 61);
    j.LeArquivo(Amostra("placa_cruzada_pela_sonda.dxf"));
    QImage imagem = Imagem();
    EXPECT_GT(Conta(imagem, centro, Tom::Branco), 20);
    j.LeArquivo(EscreveDXF(pasta_, Retangulo(3, -100, -100, 200, 200)));
    EXPECT_EQ(Conta(Imagem(), Vista, Tom::Branco), 0);
}

bool Finitos(const std::vector<GLfloat>& valores, std::size_t n) {
    return std::all_of(valores.begin(), valores.begin() + std::ptrdiff_t(n),
                       [](GLfloat v) { return std::isfinite(v); });
}

// Samples, fuzzer seeds and drawings at the edges of the number range paint in the mode with
// nothing non-finite in OpenGL's calls, matrices or feedback.
TEST_F(DesenhoCompleto, PinturaNuncaEnviaNumerosNaoFinitos) {
    TForm1& j = *janela_;
    j.DesenhoCompleto1->setChecked(true);
    std::vector<QString> arquivos{
        EscreveDXF(pasta_, Retangulo(1, -1e30, -1e30, 2e30, 2e30)),
        EscreveDXF(pasta_, Retangulo(1, 0, 0, 1e-30, 1e-30)),
        EscreveDXF(pasta_, Linha({1e15, 1e15, 0}, {1e15, 1e15, 0})),
        EscreveDXF(pasta_, Linha({0, 0, -1e30}, {0, 0, 1e30})),
        EscreveDXF(pasta_, Insercao("B", 1e30), Bloco("B", Retangulo(3, 0, 0, 1e5, 1e5))),
        EscreveDXF(pasta_, ""),
    };
    for (const char* pasta :
         {VISTREL_SAMPLES_DIR, VISTREL_FUZZ_DIR "/seeds", VISTREL_FUZZ_DIR "/regressions"})
        for (const auto& entrada : std::filesystem::directory_iterator(pasta))
            if (entrada.path().extension() != ".py")
                arquivos.push_back(QString::fromStdString(entrada.path().string()));
    std::vector<GLfloat> buffer(std::size_t{1} << 22);
    for (const QString& arquivo : arquivos) {
        try {
            j.LeArquivo(arquivo);
        } catch (const ErroDeArquivo&) {
        }
        bool finitos = true;
        j.View3D->OnPaint = TNotifyEvent(&j, [&](TObject* sender) {
            glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
            glRenderMode(GL_FEEDBACK);
            j.View3DPaint(sender);
            const GLint usados = glRenderMode(GL_RENDER);
            std::vector<GLfloat> matriz(16);
            for (GLenum qual : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
                glGetFloatv(qual, matriz.data());
                finitos &= Finitos(matriz, 16);
            }
            finitos &= usados >= 0 && Finitos(buffer, std::size_t(usados));
        });
        MensagensMostradas().clear();
        NaoFinitosEnviadosAoGL();
        j.View3D->Redraw();
        Imagem();
        ProcessaEventos();
        EXPECT_TRUE(finitos) << arquivo.toStdString();
        EXPECT_EQ(NaoFinitosEnviadosAoGL(), 0) << arquivo.toStdString();
        for (const QString& mensagem : MensagensMostradas())
            EXPECT_EQ(mensagem, QStringLiteral("Floating point overflow")) << arquivo.toStdString();
    }
}

} // namespace
