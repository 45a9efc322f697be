// The dock "Camadas": the drawing's layers with their colour and the number of elements the
// full drawing drew of each, each shown or hidden at once by its check box (the scene keeps
// every layer apart, so nothing is made again), with "Mostrar todas" and "Ocultar todas".
// A layer that is off or frozen in the file starts unchecked; turning it on makes the scene
// again with it. Closed at start; Exibir > Camadas (Ctrl+K) opens and closes it.

#include "CenaGL.h"
#include "Cores.h"
#include "LeDXF.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Whether the file turns the layer off (a negative colour) or freezes it.
bool DesligadaNoArquivo(const TCamada& c) {
    return (c.IndiceCor && *c.IndiceCor < 0) || (c.Flags & 1);
}

QIcon Amostra(TRGB cor) {
    QPixmap quadro(12, 12);
    quadro.fill(QColor(cor.R, cor.G, cor.B));
    return QIcon(quadro);
}

} // namespace

void TForm1::CriaCamadas() {
    Camadas1 = new QDockWidget(QStringLiteral("Camadas"), this);
    Camadas1->setObjectName(QStringLiteral("Camadas1"));
    auto* conteudo = new QWidget(Camadas1);
    auto* coluna = new QVBoxLayout(conteudo);
    ListaDeCamadas = new QTreeWidget(conteudo);
    ListaDeCamadas->setObjectName(QStringLiteral("ListaDeCamadas"));
    ListaDeCamadas->setColumnCount(2);
    ListaDeCamadas->setHeaderLabels({QStringLiteral("Camada"), QStringLiteral("Elementos")});
    ListaDeCamadas->setRootIsDecorated(false);
    ListaDeCamadas->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    coluna->addWidget(ListaDeCamadas);
    auto* botoes = new QHBoxLayout;
    MostrarTodas = new QPushButton(QStringLiteral("Mostrar todas"), conteudo);
    OcultarTodas = new QPushButton(QStringLiteral("Ocultar todas"), conteudo);
    botoes->addWidget(MostrarTodas);
    botoes->addWidget(OcultarTodas);
    coluna->addLayout(botoes);
    Camadas1->setWidget(conteudo);
    addDockWidget(Qt::RightDockWidgetArea, Camadas1);
    Camadas1->hide();

    QAction* abre = Camadas1->toggleViewAction();
    abre->setText(QStringLiteral("Ca&madas"));
    abre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    Exibir1->addSeparator();
    Exibir1->addAction(abre);
    connect(abre, &QAction::toggled, View3D, &TOGLView::Redraw); // the view's room changes

    connect(ListaDeCamadas, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { MudaCamada(*item); });
    for (auto [botao, mostra] : {std::pair{MostrarTodas, true}, std::pair{OcultarTodas, false}})
        connect(botao, &QPushButton::clicked, this, [this, mostra] {
            for (int i = 0; i < ListaDeCamadas->topLevelItemCount(); ++i)
                ListaDeCamadas->topLevelItem(i)->setCheckState(0, mostra ? Qt::Checked
                                                                         : Qt::Unchecked);
        });
    connect(DesenhoCompleto1, &QAction::toggled, conteudo, &QWidget::setEnabled);
    conteudo->setEnabled(false); // it shows and hides layers of the full drawing only
}

void TForm1::ListaAsCamadas() {
    const QSignalBlocker calado(ListaDeCamadas);
    ListaDeCamadas->clear();
    for (int i = 0; i < Camadas.Count(); ++i) {
        const TCamada& c = Camadas[i];
        auto* item = new QTreeWidgetItem(ListaDeCamadas);
        const QString nome = QString::fromStdString(c.Nome);
        item->setText(0, nome);
        item->setIcon(0, Amostra(CorDaCamada(&c)));
        item->setTextAlignment(1, Qt::AlignRight);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0,
                            camadasOcultas_.contains(nome.toUpper()) ? Qt::Unchecked : Qt::Checked);
        item->setData(0, Qt::UserRole, i); // its place in the table: its index in the scene
    }
    if (!cena_) return;
    for (int i = 0; i < ListaDeCamadas->topLevelItemCount(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        ListaDeCamadas->topLevelItem(i)->setText(
            1, QString::number(n < cena_->ElementosPorCamada.size() ? cena_->ElementosPorCamada[n]
                                                                    : 0));
    }
}

void TForm1::CamadasAoCarregar() {
    camadasOcultas_.clear();
    OpcoesDaCena.CamadasLigadas.clear();
    for (int i = 0; i < Camadas.Count(); ++i)
        if (DesligadaNoArquivo(Camadas[i]))
            camadasOcultas_.insert(QString::fromStdString(Camadas[i].Nome).toUpper());
    ListaAsCamadas();
}

void TForm1::AplicaCamadasOcultas() {
    if (!cenaGL_ || !cena_) return;
    for (std::size_t i = 0; i < cena_->Camadas.size(); ++i)
        cenaGL_->MostraCamada(i, !CamadaOculta(i));
}

void TForm1::MudaCamada(QTreeWidgetItem& item) {
    const int indice = item.data(0, Qt::UserRole).toInt();
    if (indice < 0 || indice >= Camadas.Count()) return;
    const TCamada& camada = Camadas[indice];
    const QString nome = QString::fromStdString(camada.Nome).toUpper();
    const bool mostra = item.checkState(0) == Qt::Checked;
    if (mostra)
        camadasOcultas_.remove(nome);
    else
        camadasOcultas_.insert(nome);
    // A layer the file turns off was left out of the scene: it is made again with it.
    if (mostra && DesligadaNoArquivo(camada) &&
        OpcoesDaCena.CamadasLigadas.insert(nome.toStdString()).second)
        cenaVelha_ = true;
    else if (cenaGL_)
        cenaGL_->MostraCamada(static_cast<std::size_t>(indice), mostra);
    View3D->Redraw();
}
