#pragma once

// Shared by the window tests: the messages the application's error handler showed, sample
// and hand-written DXF files, a shown main window, its picture, and a count of its renders.

#include "Instantaneo.h"
#include "LeDXF.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

std::vector<QString>& MensagensMostradas();

QString Amostra(const char* nome);

// DXF text of single entities and block definitions, with CR LF line ends.
using Ponto3 = std::array<double, 3>;
std::string Face3D(int cor, const std::vector<Ponto3>& cantos);
std::string Linha(Ponto3 p1, Ponto3 p2);
std::string Polilinha(int flags, const std::vector<Ponto3>& vertices);
std::string Bloco(const std::string& nome, const std::string& entidades);
std::string Insercao(const std::string& bloco, double escala, Ponto3 ponto = {0, 0, 0});

// A DXF file with these block definitions and entities.
QString EscreveDXF(const QTemporaryDir& pasta, const std::string& entidades,
                   const std::string& blocos = {});

// Runs a program (on Qt's `plataforma` if given): its exit status (-1 if it hangs), and its
// standard output and error.
std::pair<int, QString> Executa(const char* programa, const QStringList& argumentos,
                                const QString& plataforma = {});

// Pixels brighter than `cinza`: 8 counts anything lit, 200 only white.
int PixelsAcima(const QImage& imagem, int cinza);

// The positions of the zoom, camera and rotation bars, in that order.
std::vector<int> Barras(const TForm1& j);
void PoeBarras(TForm1& j, const std::vector<int>& posicoes);

class Janela : public testing::Test {
  public:
    static void ProcessaEventos();

  protected:
    void SetUp() override; // a main window, shown and exposed; no messages yet

    QImage Imagem() { return ImagemDaVista(*janela_->View3D, janela_->Cam); }

    std::unique_ptr<TForm1> janela_;
    QTemporaryDir pasta_;
};

// Counts the renders that reach the window's paint handler from now on.
struct ContaPinturas {
    explicit ContaPinturas(TForm1& j);
    ~ContaPinturas();
    ContaPinturas(const ContaPinturas&) = delete;
    ContaPinturas& operator=(const ContaPinturas&) = delete;

    TForm1& janela;
    int vezes = 0;
};
