// Picking in the full drawing: a click (without a drag) names in the status bar the element
// drawn under the cursor, its layer, its colour and the world point clicked; a click on the
// background clears it. In the top view the status bar also follows the cursor's world X
// and Y. The point is read from what the last paint drew (the depth at the pixel, unprojected
// in double precision with the scene's origin added back) and the element is found by the
// decomposition (EscolheElemento): nothing is drawn again for a pick. The status bar shows
// only in the full drawing, and the window grows by its height so that the view keeps its
// size.

#include "Escolha.h"
#include "LeDXF.h"
#include "RotuloEncurtado.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

// How far from the cursor a click looks for something drawn, in pixels: a pick box, as CAD
// programs have, so that a thin line is found without a pixel-perfect aim.
constexpr int RaioDoClique = 3;

// A coordinate as Portuguese writes it (decimal comma, no grouping), with the decimals that
// the world size of a pixel there makes meaningful.
QString Coordenada(double valor, double pixel) {
    static const QLocale brasil = [] {
        QLocale l(QLocale::Portuguese, QLocale::Brazil);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    const int casas = pixel > 0 && std::isfinite(pixel)
                          ? std::clamp(int(std::ceil(-std::log10(pixel))), 0, 8)
                          : 3;
    return brasil.toString(valor, 'f', casas);
}

} // namespace

void TForm1::CriaBarraDeEstado() {
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("BarraDeEstado1"));
    barra->setSizeGripEnabled(false);
    Escolhido1 = new TRotuloEncurtado(barra);
    Escolhido1->setObjectName(QStringLiteral("Escolhido1"));
    // It gives up its width to the cursor's coordinates and shows what fits.
    Escolhido1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Coordenadas1 = new QLabel(barra);
    Coordenadas1->setObjectName(QStringLiteral("Coordenadas1"));
    Coordenadas1->setContentsMargins(8, 0, 6, 0);
    barra->addWidget(Escolhido1, 1);
    barra->addPermanentWidget(Coordenadas1);
    barra->hide(); // as designed, until the full drawing shows
    connect(DesenhoCompleto1, &QAction::toggled, this, &TForm1::MostraBarraDeEstado);
}

void TForm1::MostraBarraDeEstado(bool mostra) {
    QStatusBar* barra = statusBar();
    Escolhido1->Define({});
    Coordenadas1->clear();
    View3D->setMouseTracking(mostra);
    if (barra->isVisibleTo(this) == mostra) return;
    if (mostra) alturaDaBarra_ = barra->sizeHint().height();
    const int d = mostra ? alturaDaBarra_ : -alturaDaBarra_;
    const bool livre = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const int altura = height() + d;
    // Hidden first when it goes, so that the smaller minimum is not refused.
    if (!mostra) barra->hide();
    setMinimumSize(minimumSize() + QSize(0, d)); // a larger one also grows the window
    if (livre) resize(width(), altura);
    if (mostra) barra->show();
}

void TForm1::GuardaMatrizesDaCena() {
    TMatrizesDaVista m;
    glGetDoublev(GL_MODELVIEW_MATRIX, m.Modelo);
    glGetDoublev(GL_PROJECTION_MATRIX, m.Projecao);
    glGetIntegerv(GL_VIEWPORT, m.Janela);
    matrizes_ = m;
}

std::optional<TP3> TForm1::Desprojeta(double x, double y, double profundidade) const {
    const TMatrizesDaVista& m = *matrizes_;
    TP3 p;
    if (gluUnProject(x, y, profundidade, m.Modelo, m.Projecao, m.Janela, &p[0], &p[1], &p[2]) !=
            GL_TRUE ||
        !Finito3(p))
        return std::nullopt;
    return Soma3(p, cena_->Origem);
}

std::optional<TForm1::TPontoDaVista> TForm1::PontoDesenhado(QPointF cursor, int raio) {
    if (!matrizes_ || !cena_ || !View3D->context()) return std::nullopt;
    const int* janela = matrizes_->Janela;
    const double escala = View3D->devicePixelRatioF();
    // The paint's frame buffer is the view's as it is now: a resized view waits for its paint.
    if (std::lround(View3D->width() * escala) != janela[2] ||
        std::lround(View3D->height() * escala) != janela[3])
        return std::nullopt;
    const int cx = janela[0] + int(std::floor(cursor.x() * escala));
    const int cy = janela[1] + janela[3] - 1 - int(std::floor(cursor.y() * escala));
    const int x0 = std::max(janela[0], cx - raio), y0 = std::max(janela[1], cy - raio);
    const int x1 = std::min(janela[0] + janela[2] - 1, cx + raio);
    const int y1 = std::min(janela[1] + janela[3] - 1, cy + raio);
    if (x1 < x0 || y1 < y0) return std::nullopt;
    const int largura = x1 - x0 + 1, altura = y1 - y0 + 1;
    std::vector<float> profundidades(std::size_t(largura) * std::size_t(altura), 1.0f);
    View3D->makeCurrent();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x0, y0, largura, altura, GL_DEPTH_COMPONENT, GL_FLOAT, profundidades.data());
    View3D->doneCurrent();
    // The drawn pixel nearest the cursor.
    std::optional<std::array<int, 2>> achado;
    float profundidade = 1;
    int melhor = 0;
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x) {
            const float z = profundidades[std::size_t(y) * std::size_t(largura) + std::size_t(x)];
            const int d = (x0 + x - cx) * (x0 + x - cx) + (y0 + y - cy) * (y0 + y - cy);
            if (z < 1 && (!achado || d < melhor)) {
                achado = {x0 + x, y0 + y};
                profundidade = z;
                melhor = d;
            }
        }
    if (!achado) return std::nullopt;
    const double px = (*achado)[0] + 0.5, py = (*achado)[1] + 0.5;
    const std::optional<TP3> p = Desprojeta(px, py, profundidade);
    const std::optional<TP3> vizinho = Desprojeta(px + 1, py, profundidade);
    if (!p || !vizinho) return std::nullopt;
    return TPontoDaVista{*p, Norma3(Menos3(*vizinho, *p))};
}

bool TForm1::CamadaOculta(std::size_t camada) const {
    return cena_ && camada < cena_->Camadas.size() &&
           camadasOcultas_.contains(QString::fromStdString(cena_->Camadas[camada]).toUpper());
}

void TForm1::Escolhe(QPointF cursor) {
    Escolhido1->Define({});
    if (!DesenhoCompleto1->isChecked()) return;
    const std::optional<TPontoDaVista> ponto = PontoDesenhado(cursor, RaioDoClique);
    if (!ponto) return;
    // What the pixel shows lies within a pixel of the element; a wide line within half its
    // width (at most 2.11 mm at 96 dots per inch: 8 pixels).
    const double raio = ponto->Pixel * (EspessurasDeLinha1->isChecked() ? 5 : 1.5);
    const std::optional<TElementoEscolhido> e =
        EscolheElemento(Desenho, OpcoesDaCena, *cena_, ponto->Mundo, raio,
                        [this](std::size_t camada) { return CamadaOculta(camada); });
    if (!e) return;
    QString texto = QString::fromStdString(e->Tipo);
    if (!e->Bloco.empty()) texto += QStringLiteral(" do bloco ") + QString::fromStdString(e->Bloco);
    const auto& p = ponto->Mundo;
    texto += QStringLiteral(" · camada %1 · cor %2 · X %3  Y %4  Z %5")
                 .arg(QString::fromStdString(e->Camada), QString::fromStdString(e->Cor),
                      Coordenada(p[0], ponto->Pixel), Coordenada(p[1], ponto->Pixel),
                      Coordenada(p[2], ponto->Pixel));
    Escolhido1->Define(texto);
}

void TForm1::MostraCoordenadas(std::optional<QPointF> cursor) {
    if (!cursor || !DesenhoCompleto1->isChecked() || !matrizes_ || !cena_ || RotX->value() != 0 ||
        RotY->value() != 0) {
        Coordenadas1->clear();
        return;
    }
    // What is drawn under the cursor, else the plane through the drawing's centre.
    std::optional<TPontoDaVista> ponto = PontoDesenhado(*cursor, 0);
    if (!ponto) {
        const double escala = View3D->devicePixelRatioF();
        const int* janela = matrizes_->Janela;
        const double x = janela[0] + cursor->x() * escala;
        const double y = janela[1] + janela[3] - cursor->y() * escala;
        const double z = cena_->Extremos.Centro()[2];
        const auto noPlano = [&](double wx) -> std::optional<TP3> {
            const std::optional<TP3> perto = Desprojeta(wx, y, 0), longe = Desprojeta(wx, y, 1);
            if (!perto || !longe || (*longe)[2] == (*perto)[2]) return std::nullopt;
            const double t = (z - (*perto)[2]) / ((*longe)[2] - (*perto)[2]);
            return Soma3(*perto, Vezes3(Menos3(*longe, *perto), t));
        };
        const std::optional<TP3> p = noPlano(x), vizinho = noPlano(x + 1);
        if (p && vizinho) ponto = TPontoDaVista{*p, Norma3(Menos3(*vizinho, *p))};
    }
    if (!ponto) {
        Coordenadas1->clear();
        return;
    }
    Coordenadas1->setText(QStringLiteral("X %1  Y %2")
                              .arg(Coordenada(ponto->Mundo[0], ponto->Pixel),
                                   Coordenada(ponto->Mundo[1], ponto->Pixel)));
}
