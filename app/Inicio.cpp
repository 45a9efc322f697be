#include "Inicio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWidget>

#include <cstdio>
#include <cstdlib>

TLinhaDeComando LeOpcoesDeInicio(const QStringList& argumentos) {
    QCommandLineParser linha;
    linha.setApplicationDescription(
        QStringLiteral("Vistrel de Arquivos DXF: mostra desenhos DXF em 3D."));
    linha.addHelpOption();
    linha.addVersionOption();
    const QCommandLineOption completo(
        QStringLiteral("completo"),
        QStringLiteral("Abre com a opção Exibir > Desenho completo ligada: todo o desenho, "
                       "enquadrado, em suas cores, como nos programas de CAD."));
    linha.addOption(completo);
    linha.addPositionalArgument(QStringLiteral("arquivo"),
                                QStringLiteral("O desenho DXF a abrir (opcional)."),
                                QStringLiteral("[arquivo]"));
    linha.process(argumentos);
    const QStringList arquivos = linha.positionalArguments();
    if (arquivos.size() > 1) {
        std::fputs("VistrelDXF: só um arquivo pode ser aberto de cada vez.\n", stderr);
        std::exit(1);
    }
    TLinhaDeComando lida;
    lida.Completo = linha.isSet(completo);
    if (!arquivos.isEmpty()) lida.Arquivo = arquivos.front();
    return lida;
}

std::optional<QString> LeLinhaDeComando(const QStringList& argumentos) {
    return LeOpcoesDeInicio(argumentos).Arquivo;
}

namespace {

QtMessageHandler tratadorAnterior = nullptr;
bool widgetRecusado = false;

// Qt's OpenGL widget checks the platform itself and only warns when it cannot work there
// (Qt's off-screen platform, for one); a window holding it would then crash when shown.
bool PlataformaAceitaWidgetGL() {
    widgetRecusado = false;
    tratadorAnterior = qInstallMessageHandler(
        [](QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensagem) {
            if (tipo == QtWarningMsg && mensagem.startsWith(QStringLiteral("QOpenGLWidget")))
                widgetRecusado = true;
            else if (tratadorAnterior != nullptr)
                tratadorAnterior(tipo, contexto, mensagem);
        });
    { const QOpenGLWidget sonda; }
    qInstallMessageHandler(tratadorAnterior);
    return !widgetRecusado;
}

} // namespace

QString FaltaDeOpenGL() {
    if (!PlataformaAceitaWidgetGL())
        return QStringLiteral("Esta plataforma de janelas (%1) não mostra vistas OpenGL, e sem "
                              "elas os desenhos não podem ser mostrados.")
            .arg(QGuiApplication::platformName());
    QOpenGLContext contexto;
    QOffscreenSurface superficie;
    superficie.create();
    if (!contexto.create() || !contexto.makeCurrent(&superficie))
        return QStringLiteral("Não foi possível obter um contexto OpenGL nesta tela, e sem "
                              "ele os desenhos não podem ser mostrados. Verifique se o "
                              "OpenGL (por exemplo o Mesa) está instalado e se a tela o "
                              "oferece.");
    contexto.doneCurrent();
    return {};
}
