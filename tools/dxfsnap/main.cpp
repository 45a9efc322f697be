// dxfsnap: writes the picture the viewer's window shows for a DXF file, rendered by the
// window's own view and paint cycle; where Qt's platform has no OpenGL (the offscreen one,
// with no display), the same paint drawn into an OpenGL context of Mesa's surfaceless EGL.
// Exit status: 0 done, 1 the file does not load or cannot be drawn, 2 wrong usage, 3 no
// picture could be made (no display, no OpenGL, the PNG cannot be written).

#include "Aplicacao.h"
#include "ContextoEGL.h"
#include "Inicio.h"
#include "Instantaneo.h"
#include "LeDXF.h"
#include "Opcoes.h"

#include <QImage>
#include <QPixmap>

#include <cstdlib>
#include <iostream>

namespace {

bool TemTela() {
    for (const char* variavel : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* valor = std::getenv(variavel); valor != nullptr && *valor != '\0')
            return true;
    return false;
}

void PosicionaBarras(TForm1& janela, const TOpcoesSnap& opcoes) {
    janela.AngVis->setValue(opcoes.zoom);
    janela.RotX->setValue(opcoes.rotacao[0]);
    janela.RotY->setValue(opcoes.rotacao[1]);
    janela.RotZ->setValue(opcoes.rotacao[2]);
    janela.CamX->setValue(opcoes.camera[0]);
    janela.CamY->setValue(opcoes.camera[1]);
    janela.CamZ->setValue(opcoes.camera[2]);
    janela.FacesDosDoisLados1->setChecked(opcoes.doisLados);
    janela.Polilinhas1->setChecked(opcoes.polilinhas);
    janela.DesenhoCompleto1->setChecked(opcoes.completo);
    janela.EspessurasDeLinha1->setChecked(opcoes.espessuras);
    janela.ProjecaoOrtografica1->setChecked(opcoes.orto);
}

// Qt warns, as the window's view is made, that its off-screen platform has no OpenGL
// widgets: true and expected where the picture is drawn apart from the view, through EGL.
QtMessageHandler mensagensDoQt = nullptr;
void SemAvisoDoWidgetGL(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("QOpenGLWidget is not supported"))) return;
    mensagensDoQt(tipo, contexto, texto);
}

} // namespace

int main(int argc, char** argv) {
    const TLeituraOpcoes leitura = LeOpcoesSnap({argv + 1, argv + argc});
    if (!leitura.opcoes) {
        std::cerr << "dxfsnap: " << leitura.erro << "\n" << UsoSnap;
        return 2;
    }
    const TOpcoesSnap& opcoes = *leitura.opcoes;
    // No display at all: Qt's off-screen platform, the picture drawn through EGL.
    if (!TemTela()) qputenv("QT_QPA_PLATFORM", "offscreen");

    int argcQt = 1; // the options are dxfsnap's, not Qt's
    TAplicacao aplicacao(argcQt, argv);
    std::string falhaNoDesenho;
    TAplicacao::MostraMensagem = [&](const QString& mensagem) {
        falhaNoDesenho = mensagem.toStdString();
    };

    // Without OpenGL on Qt's platform, only the off-screen one can still draw, through EGL;
    // the context comes before the window, which lets go of its buffers in it.
    std::unique_ptr<TContextoEGL> semTela;
    if (const QString falta = FaltaDeOpenGL(); !falta.isEmpty()) {
        if (TAplicacao::platformName() != QStringLiteral("offscreen") || opcoes.janela) {
            std::cerr << "dxfsnap: no OpenGL context can be had on this display\n";
            return 3;
        }
        semTela = std::make_unique<TContextoEGL>(opcoes.largura, opcoes.altura);
        if (!semTela->Erro().empty()) {
            std::cerr << "dxfsnap: no OpenGL context: " << semTela->Erro() << "\n";
            return 3;
        }
        mensagensDoQt = qInstallMessageHandler(SemAvisoDoWidgetGL);
    }

    TForm1 janela;
    try {
        janela.LeArquivo(QString::fromLocal8Bit(opcoes.entrada.c_str()));
    } catch (const std::exception& erro) {
        std::cerr << "dxfsnap: " << opcoes.entrada << ": " << erro.what() << "\n";
        return 1;
    }
    PosicionaBarras(janela, opcoes);
    if (!opcoes.janela) janela.View3D->resize(opcoes.largura, opcoes.altura);
    // Not shown without a display: Qt's off-screen platform cannot put an OpenGL view on
    // screen, and the picture is drawn apart from it.
    if (!semTela) janela.show();

    QImage imagem;
    if (semTela) {
        imagem = ImagemDaVista(
            [&] {
                janela.View3D->RenderInCurrentContext();
                return semTela->Imagem();
            },
            janela.Cam);
    } else {
        imagem = ImagemDaVista(*janela.View3D, janela.Cam);
        if (opcoes.janela) imagem = janela.grab().toImage();
    }
    TAplicacao::processEvents(); // a paint that failed reports from the event loop
    // A scene that stopped at its budget is drawn as far as it fits: a warning, not a failure.
    if (const auto& aviso = janela.AvisoDaCena(); aviso && falhaNoDesenho == *aviso) {
        std::cerr << "dxfsnap: " << opcoes.entrada << ": " << *aviso << "\n";
        falhaNoDesenho.clear();
    }
    if (!falhaNoDesenho.empty()) {
        std::cerr << "dxfsnap: " << opcoes.entrada << ": " << falhaNoDesenho << "\n";
        return 1;
    }
    if ((!semTela && !janela.View3D->HasContext()) || imagem.isNull()) {
        std::cerr << "dxfsnap: no OpenGL context: " << janela.View3D->ContextError() << "\n";
        return 3;
    }
    if (!imagem.save(QString::fromLocal8Bit(opcoes.saida.c_str()), "PNG")) {
        std::cerr << "dxfsnap: cannot write " << opcoes.saida << "\n";
        return 3;
    }
    return 0;
}
