#pragma once

// A drawing's load as the window runs it: a busy cursor throughout, and a progress dialog
// with the share of the file read once the load has lasted longer than `espera`. User input
// waits until the load ends; paints and timers still run.

#include <QString>

#include <chrono>

class QWidget;

void CarregaComProgresso(QWidget* janela, const QString& nome, std::chrono::milliseconds espera);
