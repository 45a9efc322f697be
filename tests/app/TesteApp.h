#pragma once

// Shared by the window tests: the messages the application's error handler showed, sample
// and hand-written DXF files, and a shown main window.

#include "LeDXF.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// What the application's error handler showed since the test began.
std::vector<QString>& MensagensMostradas();

QString Amostra(const char* nome);

// DXF text of single entities, with CR LF line ends.
std::string Face3D(int cor, std::initializer_list<std::array<double, 3>> cantos);
std::string Linha(std::array<double, 3> p1, std::array<double, 3> p2);
std::string Bloco(const std::string& nome, const std::string& entidades);
std::string Insercao(const std::string& bloco, std::array<double, 3> ponto, double escala);

// Writes a DXF file whose ENTITIES section holds `entidades` (and BLOCKS `blocos`).
QString EscreveDXF(const QTemporaryDir& pasta, const std::string& entidades,
                   const std::string& blocos = {});

// A main window, shown and exposed, with the error messages cleared.
class JanelaTeste : public testing::Test {
  protected:
    void SetUp() override;
    // Processes the events that are waiting (queued commands, paints, deferred errors).
    static void ProcessaEventos();

    std::unique_ptr<TForm1> janela_;
    QTemporaryDir pasta_;
};
