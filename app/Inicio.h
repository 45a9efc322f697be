#pragma once

// What the program checks and reads at start: its command line and whether OpenGL works.

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for: the file to open, if any, and whether the window starts
// with "Desenho completo" on (--completo). --help, --version and a wrong command line are
// answered here, and end the program.
struct TLinhaDeComando {
    std::optional<QString> Arquivo;
    bool Completo = false;
};
TLinhaDeComando LeOpcoesDeInicio(const QStringList& argumentos);

// The file named on the command line, if any (the rest as LeOpcoesDeInicio).
std::optional<QString> LeLinhaDeComando(const QStringList& argumentos);

// Why no OpenGL context can be had on this display, in the user's words; empty when one
// can. Without one, Qt cannot show a window that holds an OpenGL view at all.
QString FaltaDeOpenGL();
