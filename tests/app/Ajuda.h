#pragma once

// Shared by the window tests: DXF files, other programs run, a shown main window and its renders.

#include "Instantaneo.h"
#include "LeDXF.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The NaN and infinity arguments of the drawing's OpenGL calls since the last call (SentinelaGL).
int NaoFinitosEnviadosAoGL();

inline std::vector<QString>& MensagensMostradas() {
    static std::vector<QString> mensagens;
    return mensagens;
}

inline QString Amostra(const char* nome) {
    return QStringLiteral(VISTREL_SAMPLES_DIR "/") + QString::fromUtf8(nome);
}

// DXF text of single entities and block definitions, with CR LF line ends.
using Ponto3 = std::array<double, 3>;

inline std::string Grupo(int codigo, const std::string& valor) {
    return std::to_string(codigo) + "\r\n" + valor + "\r\n";
}

inline std::string Ponto(int base, const Ponto3& p, int passo = 10) {
    std::string texto;
    for (int i = 0; i < 3; ++i)
        texto += Grupo(base + passo * i, QString::number(p[i], 'g', 17).toStdString());
    return texto;
}

inline std::string Face3D(int cor, const std::vector<Ponto3>& cantos) {
    std::string texto = Grupo(0, "3DFACE") + Grupo(8, "0") + Grupo(62, std::to_string(cor));
    for (int i = 0; i < static_cast<int>(cantos.size()); ++i)
        texto += Ponto(10 + i, cantos[i]);
    return texto;
}

// A face over X x..x + largura, Y y..y + altura at Z 0, wound counter-clockwise from above.
inline std::string Retangulo(int cor, double x, double y, double largura, double altura) {
    return Face3D(
        cor, {{x, y, 0}, {x + largura, y, 0}, {x + largura, y + altura, 0}, {x, y + altura, 0}});
}

inline std::string Linha(Ponto3 p1, Ponto3 p2) {
    return Grupo(0, "LINE") + Grupo(8, "0") + Ponto(10, p1) + Ponto(11, p2);
}

inline std::string Polilinha(int flags, const std::vector<Ponto3>& vertices) {
    std::string texto = Grupo(0, "POLYLINE") + Grupo(8, "0") + Grupo(66, "1") +
                        Ponto(10, {0, 0, 0}) + Grupo(70, std::to_string(flags));
    for (const Ponto3& v : vertices)
        texto += Grupo(0, "VERTEX") + Grupo(8, "0") + Ponto(10, v);
    return texto + Grupo(0, "SEQEND");
}

inline std::string Bloco(const std::string& nome, const std::string& entidades) {
    return Grupo(0, "BLOCK") + Grupo(8, "0") + Grupo(2, nome) + Grupo(70, "0") +
           Ponto(10, {0, 0, 0}) + entidades + Grupo(0, "ENDBLK");
}

inline std::string Insercao(const std::string& bloco, double escala, Ponto3 ponto = {0, 0, 0}) {
    return Grupo(0, "INSERT") + Grupo(8, "0") + Grupo(2, bloco) + Ponto(10, ponto) +
           Ponto(41, {escala, escala, escala}, 1);
}

// `antes`: whole sections (HEADER, TABLES) written before the blocks.
inline QString EscreveDXF(const QTemporaryDir& pasta, const std::string& entidades,
                          const std::string& blocos = {}, const std::string& antes = {}) {
    static int numero = 0;
    const QString nome = pasta.filePath(QStringLiteral("desenho%1.dxf").arg(++numero));
    std::string texto = antes;
    for (const auto& [secao, corpo] : {std::pair{"BLOCKS", blocos}, {"ENTITIES", entidades}})
        if (secao == std::string("ENTITIES") || !corpo.empty())
            texto += Grupo(0, "SECTION") + Grupo(2, secao) + corpo + Grupo(0, "ENDSEC");
    std::ofstream(nome.toStdString(), std::ios::binary) << texto << Grupo(0, "EOF");
    return nome;
}

// A program's exit status (-1 if it hangs) and output, on Qt's `plataforma` if given.
inline std::pair<int, QString> Executa(const char* programa, const QStringList& argumentos,
                                       const QString& plataforma = {}) {
    QProcess processo;
    if (!plataforma.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
        processo.setProcessEnvironment(ambiente);
    }
    processo.start(QString::fromUtf8(programa), argumentos);
    if (!processo.waitForFinished(60000)) return {-1, {}};
    return {processo.exitCode(),
            QString::fromUtf8(processo.readAllStandardOutput() + processo.readAllStandardError())};
}

// Pixels brighter than `cinza`: 8 counts anything lit, 200 only white.
inline int PixelsAcima(const QImage& imagem, int cinza) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qGray(imagem.pixel(x, y)) > cinza;
    return n;
}

// AngVis, CamX, CamY, CamZ, RotX, RotY, RotZ.
inline std::vector<int> Barras(const TForm1& j) {
    return {j.AngVis->value(), j.CamX->value(), j.CamY->value(), j.CamZ->value(),
            j.RotX->value(),   j.RotY->value(), j.RotZ->value()};
}

class Janela : public testing::Test {
  protected:
    void SetUp() override { // a main window, shown and exposed; no messages yet
        MensagensMostradas().clear();
        janela_ = std::make_unique<TForm1>();
        janela_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela_.get()));
        ProcessaEventos();
    }
    static void ProcessaEventos() {
        for (int vez = 0; vez < 5; ++vez)
            QCoreApplication::processEvents();
    }
    QImage Imagem() { return ImagemDaVista(*janela_->View3D, janela_->Cam); }
    // Runs `depois` inside every later render, right after the window's paint handler.
    void AposPintar(std::function<void()> depois) {
        janela_->View3D->OnPaint = TNotifyEvent(janela_.get(), [this, depois](TObject* sender) {
            janela_->View3DPaint(sender);
            depois();
        });
    }
    // Counts in pinturas_ the renders from now on (not those asked for earlier).
    void ContaPinturas() {
        ProcessaEventos();
        pinturas_ = 0;
        AposPintar([this] { ++pinturas_; });
    }

    std::unique_ptr<TForm1> janela_;
    QTemporaryDir pasta_;
    int pinturas_ = 0;
};
