// Whatever a file holds, what it loads (whole or up to a failure) paints without failing and with
// no NaN or infinity in OpenGL's calls, matrices or feedback. VISTREL_PINTURA_EXTRA adds a folder.

#include "Ajuda.h"
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
    return arquivos;
}

bool Finitos(const GLfloat* valores, std::size_t n) {
    return std::all_of(valores, valores + n, [](GLfloat v) { return std::isfinite(v); });
}

class RobustezDaPintura : public Janela {
  protected:
    // Loaded over a drawing, a failed load leaves its partial model on the screen, as for the user.
    void PintaSemFalhar(const fs::path& nome) {
        janela_->LeArquivo(Amostra("todas_as_entidades.dxf"));
        try {
            janela_->LeArquivo(QString::fromStdString(nome.string()));
        } catch (const ErroDXF&) {
        }
        int pinturas = 0;
        bool finitos = true;
        janela_->View3D->OnPaint = TNotifyEvent(janela_.get(), [&](TObject* sender) {
            glFeedbackBuffer(static_cast<GLsizei>(buffer_.size()), GL_3D_COLOR, buffer_.data());
            glRenderMode(GL_FEEDBACK);
            janela_->View3DPaint(sender);
            const GLint usados = glRenderMode(GL_RENDER); // -1 if the buffer overflowed
            ++pinturas;
            GLfloat matriz[16];
            for (GLenum qual : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
                glGetFloatv(qual, matriz);
                finitos &= Finitos(matriz, 16);
            }
            finitos &= usados >= 0 && Finitos(buffer_.data(), std::size_t(usados));
        });
        MensagensMostradas().clear();
        NaoFinitosEnviadosAoGL();
        janela_->View3D->Redraw();
        Imagem();
        ProcessaEventos();
        EXPECT_GT(pinturas, 0) << nome;
        EXPECT_TRUE(finitos) << nome;
        EXPECT_EQ(NaoFinitosEnviadosAoGL(), 0) << nome;
        // Only numbers beyond the model's range stop a paint, with the model's own message.
        for (const QString& mensagem : MensagensMostradas())
            EXPECT_EQ(mensagem, QStringLiteral("Floating point overflow")) << nome;
        janela_->View3D->OnPaint = TNotifyEvent(janela_.get(), [](TObject*) {});
    }

    std::vector<GLfloat> buffer_ = std::vector<GLfloat>(std::size_t{1} << 24);
};

TEST_F(RobustezDaPintura, AmostrasSementesEAchadosDoFuzzerECortesDasAmostras) {
    janela_->LeArquivo(Amostra("todas_as_entidades.dxf"));
    AposPintar([] {
        glBegin(GL_POINTS);
        glVertex3f(0.0f, std::nanf(""), 0.0f);
        glEnd();
    });
    NaoFinitosEnviadosAoGL();
    Imagem();
    ASSERT_GT(NaoFinitosEnviadosAoGL(), 0) << "the watch sees a NaN";
    std::vector<std::string> pastas{VISTREL_SAMPLES_DIR, VISTREL_FUZZ_DIR "/seeds",
                                    VISTREL_FUZZ_DIR "/regressions"};
    if (const char* extra = std::getenv("VISTREL_PINTURA_EXTRA")) pastas.push_back(extra);
    for (const std::string& pasta : pastas)
        for (const fs::path& arquivo : ArquivosDe(pasta))
            if (arquivo.extension() != ".py") PintaSemFalhar(arquivo);
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
