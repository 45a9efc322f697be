// The program: the application with its error handler, and the main window.

#include "Aplicacao.h"
#include "LeDXF.h"

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    TAplicacao::setApplicationName(QStringLiteral("VistrelDXF"));
    TForm1 janela;
    Form1 = &janela;
    janela.show();
    return TAplicacao::exec();
}
