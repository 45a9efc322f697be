#include "LeDXF.h"
#include "RotuloEncurtado.h"

#include "Carga.h"
#include "CenaGL.h"
#include "ErroDeArquivo.h"
#include "OGLDescription.h"

#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

TForm1* Form1 = nullptr;
bool Carregado = false;

namespace {

QString DescricaoArmazenada() {
    QFile arquivo(QStringLiteral(":/LeDXF.desc"));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("The main window's stored description is missing.");
    return QString::fromUtf8(arquivo.readAll());
}

void CentraNaTela(QWidget& janela) {
    const QScreen* tela = janela.screen();
    if (tela == nullptr) return;
    QRect area = janela.frameGeometry();
    area.moveCenter(tela->availableGeometry().center());
    janela.move(area.topLeft());
}

} // namespace

// Outside any namespace: links the window's resources (icons, stored description) into
// whichever program uses the window.
static void IniciaRecursos() {
    Q_INIT_RESOURCE(LeDXF);
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), OpenDialog(EscolheArquivoDXF) {
    IniciaRecursos();
    setupUi(this);
    Cam.setObjectName(QStringLiteral("Cam"));
    N1 = Arquivo1->actions().at(1);
    CriaMenuExibir();
    CriaExportacao();
    CriaCamadas();
    CriaBarraDeEstado();
    // Each label takes the width its text needs in the font the system gives for the
    // designed one, keeping its place.
    for (QLabel* rotulo : findChildren<QLabel*>())
        rotulo->adjustSize();
    CarregaDescricao(DescricaoArmazenada().toStdString(), {{"View3D", View3D}, {"Cam", &Cam}});
    LigaEventos();
    GuardaDisposicao();
    setAcceptDrops(true);
    CentraNaTela(*this);
    FormCreate();
}

TForm1::~TForm1() {
    LiberaCenaGL(); // while the view and its context are still whole
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::LigaEventos() {
    View3D->OnPaint = TNotifyEvent(this, [this](TObject* sender) { View3DPaint(sender); });
    for (QScrollBar* barra : {AngVis, CamX, CamY, CamZ, RotX, RotY, RotZ})
        barra->installEventFilter(this);
    View3D->installEventFilter(this);
    connect(AngVis, &QScrollBar::valueChanged, this, &TForm1::AngVisChange);
    connect(CamX, &QScrollBar::valueChanged, this, &TForm1::CamXChange);
    connect(CamY, &QScrollBar::valueChanged, this, &TForm1::CamYChange);
    connect(CamZ, &QScrollBar::valueChanged, this, &TForm1::CamZChange);
    connect(RotX, &QScrollBar::valueChanged, this, &TForm1::RotXChange);
    connect(RotY, &QScrollBar::valueChanged, this, &TForm1::RotYChange);
    connect(RotZ, &QScrollBar::valueChanged, this, &TForm1::RotZChange);
    // Commands run from the event loop, after the menu or button has finished its own work,
    // so that an error they raise unwinds only to the application's handler.
    connect(Abrir1, &QAction::triggered, this, &TForm1::Abrir1Click, Qt::QueuedConnection);
    connect(Sair1, &QAction::triggered, this, &TForm1::Sair1Click, Qt::QueuedConnection);
    connect(BotAbrir, &QToolButton::clicked, this, &TForm1::BotAbrirClick, Qt::QueuedConnection);
    connect(BotSair, &QToolButton::clicked, this, &TForm1::BotSairClick, Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == View3D) return MouseNaVista(evento) || QMainWindow::eventFilter(objeto, evento);
    auto* barra = qobject_cast<QScrollBar*>(objeto);
    if (barra == nullptr || evento->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(objeto, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Left && tecla != Qt::Key_Right)
        return QMainWindow::eventFilter(objeto, evento);
    barra->triggerAction(tecla == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
    return true;
}

void TForm1::FormCreate() {
    Carregado = false;
}

void TForm1::LeArquivo(const QString& nome) {
    // Whatever the load's outcome, the drawing changes: the full drawing's scene is made
    // again from it, and the old one's memory is free for the load.
    cenaVelha_ = true;
    cenaFalhou_ = false;
    LiberaCenaGL();
    cena_.reset();
    {
        carregando_ = true;
        const auto fim = qScopeGuard([this] { carregando_ = false; });
        try {
            CarregaComProgresso(this, nome, EsperaDoProgresso);
        } catch (const ErroDXF& erro) {
            throw ErroDeArquivo(erro, nome);
        }
    }
    desenhoFalhou_ = false;
    BarrasComoAoAbrir();
    Carregado = true;
    arquivoAtual_ = nome;
    CamadasAoCarregar();
    Escolhido1->Define({}); // it named an element of the drawing before
}

void TForm1::BarrasComoAoAbrir() {
    CamX->setValue(500);
    CamY->setValue(500);
    CamZ->setValue(500);
    RotX->setValue(0);
    RotY->setValue(0);
    RotZ->setValue(0);
}

void TForm1::AngVisChange() {
    Cam.SetViewAngle(static_cast<float>(AngVis->value()));
}

void TForm1::CamXChange() {
    View3D->Redraw();
}
void TForm1::CamYChange() {
    View3D->Redraw();
}
void TForm1::CamZChange() {
    View3D->Redraw();
}
void TForm1::RotXChange() {
    View3D->Redraw();
}
void TForm1::RotYChange() {
    View3D->Redraw();
}
void TForm1::RotZChange() {
    View3D->Redraw();
}

void TForm1::Abrir1Click() {
    if (carregando_) return;
    const std::optional<QString> nome = OpenDialog ? OpenDialog(this) : std::nullopt;
    if (!nome) return;
    AbreArquivo(*nome);
}

void TForm1::AbreArquivo(const QString& nome) {
    if (carregando_) return;
    LeArquivo(nome);
    View3D->Redraw();
}

void TForm1::AbreAoIniciar(const QString& nome) {
    QTimer::singleShot(0, this, [this, nome] { AbreArquivo(nome); });
}

void TForm1::BotAbrirClick() {
    Abrir1Click();
}

void TForm1::Sair1Click() {
    if (carregando_) return;
    close();
}

void TForm1::BotSairClick() {
    Sair1Click();
}

bool NomeDeDXF(const QString& nome) {
    return nome.endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive);
}

std::optional<QString> EscolheArquivoDXF(QWidget* parent) {
    // CAD programs write both "name.dxf" and "NAME.DXF".
    const QString nome = QFileDialog::getOpenFileName(parent, QString(), QString(),
                                                      QStringLiteral("Arquivos DXF (*.dxf *.DXF)"));
    if (nome.isEmpty()) return std::nullopt;
    return nome;
}
