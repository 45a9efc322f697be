// Whatever a file holds, the drawing it loads (whole, or the part read before a failure)
// paints through the real window without failing and without a NaN or an infinity reaching
// OpenGL: as a vertex, normal, colour or transform argument (feedback mode cannot show
// those: OpenGL drops their primitives) or in the matrices. Inputs: the samples, the fuzzer's
// seeds and findings, cuts of the samples, and any folder named by VISTREL_PINTURA_EXTRA
// (e.g. a fuzzer's corpus, for runs by hand).

#include "Ajuda.h"
#include "SentinelaGL.h"
#include "UDXF.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ArquivosDe(const fs::path& pasta) {
    std::vector<fs::path> arquivos;
    std::error_code erro;
    for (const auto& entrada : fs::directory_iterator(pasta, erro))
        if (entrada.is_regular_file()) arquivos.push_back(entrada.path());
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

bool Finitos(const GLfloat* valores, std::size_t n) {
    return std::all_of(valores, valores + n, [](GLfloat v) { return std::isfinite(v); });
}

class RobustezDaPintura : public Janela {
  protected:
    void SetUp() override {
        Janela::SetUp();
        buffer_.resize(std::size_t{1} << 24);
        janela_->View3D->OnPaint = TNotifyEvent(janela_.get(), [this](TObject* sender) {
            glFeedbackBuffer(static_cast<GLsizei>(buffer_.size()), GL_3D_COLOR, buffer_.data());
            glRenderMode(GL_FEEDBACK);
            janela_->View3DPaint(sender);
            const GLint usados = glRenderMode(GL_RENDER);
            ++captura_.pinturas;
            GLfloat matriz[16];
            for (GLenum qual : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
                glGetFloatv(qual, matriz);
                captura_.finitos &= Finitos(matriz, 16);
            }
            captura_.finitos &= usados >= 0 && Finitos(buffer_.data(), std::size_t(usados));
        });
    }

    // Loads `nome` over a drawing that loaded, so that a failed load leaves its partial
    // model on the screen as it does for the user, paints it and checks what reached OpenGL.
    void PintaSemFalhar(const fs::path& nome) {
        janela_->LeArquivo(Amostra("todas_as_entidades.dxf"));
        try {
            janela_->LeArquivo(QString::fromStdString(nome.string()));
        } catch (const ErroDXF&) {
        }
        captura_ = {0, true};
        MensagensMostradas().clear();
        NaoFinitosEnviadosAoGL();
        janela_->View3D->Redraw();
        Imagem();
        ProcessaEventos();
        EXPECT_GT(captura_.pinturas, 0) << nome;
        EXPECT_TRUE(captura_.finitos) << nome;
        EXPECT_EQ(NaoFinitosEnviadosAoGL(), 0) << nome;
        // Only numbers beyond the model's range stop a paint, with the model's own message.
        for (const QString& mensagem : MensagensMostradas())
            EXPECT_EQ(mensagem, QStringLiteral("Floating point overflow")) << nome;
    }

    std::vector<GLfloat> buffer_;
    // What the paints sent to OpenGL, captured in feedback mode around the real paint handler
    // (a buffer that overflows would leave the vertices unchecked).
    struct {
        int pinturas = 0;
        bool finitos = true;
    } captura_;
};

// The watch itself: a NaN handed to OpenGL during a paint is counted.
TEST_F(RobustezDaPintura, NaNEnviadoAoOpenGLEhVisto) {
    janela_->LeArquivo(Amostra("todas_as_entidades.dxf"));
    NaoFinitosEnviadosAoGL();
    janela_->View3D->OnPaint = TNotifyEvent(janela_.get(), [](TObject*) {
        glBegin(GL_POINTS);
        glVertex3f(0.0f, std::nanf(""), 0.0f);
        glEnd();
    });
    Imagem();
    EXPECT_GT(NaoFinitosEnviadosAoGL(), 0);
}

TEST_F(RobustezDaPintura, AmostrasSementesEAchadosDoFuzzer) {
    std::vector<std::string> pastas{VISTREL_SAMPLES_DIR, VISTREL_FUZZ_DIR "/seeds",
                                    VISTREL_FUZZ_DIR "/regressions"};
    if (const char* extra = std::getenv("VISTREL_PINTURA_EXTRA")) pastas.push_back(extra);
    for (const std::string& pasta : pastas)
        for (const fs::path& arquivo : ArquivosDe(pasta))
            if (arquivo.extension() != ".py") PintaSemFalhar(arquivo);
}

TEST_F(RobustezDaPintura, CortesDasAmostrasPintamOQueFoiLido) {
    for (const fs::path& amostra : ArquivosDe(VISTREL_SAMPLES_DIR)) {
        if (amostra.extension() != ".dxf") continue;
        std::ifstream f(amostra, std::ios::binary);
        const std::string texto{std::istreambuf_iterator<char>(f), {}};
        for (std::size_t corte = 7; corte < texto.size(); corte += texto.size() / 23 + 1) {
            const fs::path cortado = fs::path(pasta_.path().toStdString()) / "cortado.dxf";
            std::ofstream(cortado, std::ios::binary).write(texto.data(), std::streamsize(corte));
            SCOPED_TRACE(amostra.filename().string() + " cut at " + std::to_string(corte));
            PintaSemFalhar(cortado);
        }
    }
}

} // namespace
