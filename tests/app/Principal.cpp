// Runs the window tests inside the program's own application object, with its error handler;
// the messages it would show are collected instead. Listing the tests needs no display.

#include "Ajuda.h"
#include "Aplicacao.h"

#include <QFile>
#include <QProcess>
#include <QTest>

std::vector<QString>& MensagensMostradas() {
    static std::vector<QString> mensagens;
    return mensagens;
}

QString Amostra(const char* nome) {
    return QStringLiteral(VISTREL_SAMPLES_DIR "/") + QString::fromUtf8(nome);
}

namespace {

std::string Grupo(int codigo, const std::string& valor) {
    return std::to_string(codigo) + "\r\n" + valor + "\r\n";
}

std::string Numero(double v) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.17g", v);
    return texto;
}

std::string Ponto(int base, const Ponto3& p) {
    std::string texto;
    for (int i = 0; i < 3; ++i)
        texto += Grupo(base + 10 * i, Numero(p[i]));
    return texto;
}

std::string Secao(const std::string& nome, const std::string& corpo) {
    return Grupo(0, "SECTION") + Grupo(2, nome) + corpo + Grupo(0, "ENDSEC");
}

} // namespace

std::string Face3D(int cor, const std::vector<Ponto3>& cantos) {
    std::string texto = Grupo(0, "3DFACE") + Grupo(8, "0") + Grupo(62, std::to_string(cor));
    for (int i = 0; i < static_cast<int>(cantos.size()); ++i)
        texto += Ponto(10 + i, cantos[i]);
    return texto;
}

std::string Linha(Ponto3 p1, Ponto3 p2) {
    return Grupo(0, "LINE") + Grupo(8, "0") + Ponto(10, p1) + Ponto(11, p2);
}

std::string Polilinha(int flags, const std::vector<Ponto3>& vertices) {
    std::string texto = Grupo(0, "POLYLINE") + Grupo(8, "0") + Grupo(66, "1") +
                        Ponto(10, {0, 0, 0}) + Grupo(70, std::to_string(flags));
    for (const Ponto3& v : vertices)
        texto += Grupo(0, "VERTEX") + Grupo(8, "0") + Ponto(10, v);
    return texto + Grupo(0, "SEQEND");
}

std::string Bloco(const std::string& nome, const std::string& entidades) {
    return Grupo(0, "BLOCK") + Grupo(8, "0") + Grupo(2, nome) + Grupo(70, "0") +
           Ponto(10, {0, 0, 0}) + entidades + Grupo(0, "ENDBLK");
}

std::string Insercao(const std::string& bloco, double escala, Ponto3 ponto) {
    const std::string e = Numero(escala);
    return Grupo(0, "INSERT") + Grupo(8, "0") + Grupo(2, bloco) + Ponto(10, ponto) + Grupo(41, e) +
           Grupo(42, e) + Grupo(43, e);
}

QString EscreveDXF(const QTemporaryDir& pasta, const std::string& entidades,
                   const std::string& blocos) {
    static int numero = 0;
    const QString nome = pasta.filePath(QStringLiteral("desenho%1.dxf").arg(++numero));
    QFile arquivo(nome);
    EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
    const std::string texto = (blocos.empty() ? std::string() : Secao("BLOCKS", blocos)) +
                              Secao("ENTITIES", entidades) + Grupo(0, "EOF");
    arquivo.write(texto.data(), static_cast<qint64>(texto.size()));
    return nome;
}

std::pair<int, QString> Executa(const char* programa, const QStringList& argumentos,
                                const QString& plataforma) {
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

int PixelsAcima(const QImage& imagem, int cinza) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qGray(imagem.pixel(x, y)) > cinza;
    return n;
}

std::vector<int> Barras(const TForm1& j) {
    return {j.AngVis->value(), j.CamX->value(), j.CamY->value(), j.CamZ->value(),
            j.RotX->value(),   j.RotY->value(), j.RotZ->value()};
}

void PoeBarras(TForm1& j, const std::vector<int>& posicoes) {
    const std::array barras{j.AngVis, j.CamX, j.CamY, j.CamZ, j.RotX, j.RotY, j.RotZ};
    for (std::size_t i = 0; i < barras.size(); ++i)
        barras[i]->setValue(posicoes[i]);
}

void Janela::SetUp() {
    MensagensMostradas().clear();
    janela_ = std::make_unique<TForm1>();
    janela_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela_.get()));
    ProcessaEventos();
}

void Janela::ProcessaEventos() {
    for (int vez = 0; vez < 5; ++vez)
        QCoreApplication::processEvents();
}

ContaPinturas::ContaPinturas(TForm1& j) : janela(j) {
    Janela::ProcessaEventos(); // renders asked for earlier are not counted
    j.View3D->OnPaint = TNotifyEvent(this, [this](TObject* sender) {
        ++vezes;
        janela.View3DPaint(sender);
    });
}

ContaPinturas::~ContaPinturas() {
    janela.View3D->OnPaint =
        TNotifyEvent(&janela, [j = &janela](TObject* sender) { j->View3DPaint(sender); });
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    TAplicacao aplicacao(argc, argv);
    TAplicacao::MostraMensagem = [](const QString& m) { MensagensMostradas().push_back(m); };
    return RUN_ALL_TESTS();
}
