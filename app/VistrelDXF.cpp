// The program: the application with its error handler, and the main window; a file named
// on the command line opens once the window shows (with --completo, in the "Desenho
// completo" mode). Without OpenGL the window cannot be shown at all: the user gets the
// reason in a message box instead, and the program ends.

#include "Aplicacao.h"
#include "Inicio.h"
#include "LeDXF.h"

#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    TAplicacao::setApplicationName(QStringLiteral("VistrelDXF"));
    TAplicacao::setApplicationVersion(QStringLiteral(VISTREL_VERSAO));
    const TLinhaDeComando linha = LeOpcoesDeInicio(TAplicacao::arguments());
    if (const QString falta = FaltaDeOpenGL(); !falta.isEmpty()) {
        std::fprintf(stderr, "VistrelDXF: %s\n", qPrintable(falta));
        // Qt's off-screen and minimal platforms show nothing to anyone: no box to wait on.
        const QString plataforma = TAplicacao::platformName();
        if (plataforma != QStringLiteral("offscreen") && plataforma != QStringLiteral("minimal"))
            QMessageBox::critical(nullptr, QStringLiteral("Vistrel de Arquivos DXF"), falta);
        return 1;
    }

    TForm1 janela;
    Form1 = &janela;
    janela.DesenhoCompleto1->setChecked(linha.Completo);
    janela.show();
    if (linha.Arquivo) janela.AbreAoIniciar(*linha.Arquivo);
    return TAplicacao::exec();
}
