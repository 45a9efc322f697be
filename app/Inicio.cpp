#include "Inicio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <cstdio>
#include <cstdlib>

std::optional<QString> LeLinhaDeComando(const QStringList& argumentos) {
    QCommandLineParser linha;
    linha.setApplicationDescription(
        QStringLiteral("Vistrel de Arquivos DXF: mostra desenhos DXF em 3D."));
    linha.addHelpOption();
    linha.addVersionOption();
    linha.addPositionalArgument(QStringLiteral("arquivo"),
                                QStringLiteral("O desenho DXF a abrir (opcional)."),
                                QStringLiteral("[arquivo]"));
    linha.process(argumentos);
    const QStringList arquivos = linha.positionalArguments();
    if (arquivos.size() > 1) {
        std::fputs("VistrelDXF: só um arquivo pode ser aberto de cada vez.\n", stderr);
        std::exit(1);
    }
    if (arquivos.isEmpty()) return std::nullopt;
    return arquivos.front();
}

QString FaltaDeOpenGL() {
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
