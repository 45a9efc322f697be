// What the window does beyond its bars, buttons and menu: the mouse in the view moves the
// bars, a DXF file dropped on the window opens, a larger window gives the view its extra
// room, and the window stays open while a load runs. The bars stay the one state of the view: every
// gesture moves a bar and the bar's handler does the rest.

#include "LeDXF.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int VoltaCompleta = 360;   // a drag across the view's width turns a full circle
constexpr int CursoDaCamera = 1000;  // and moves the camera across the drawing's extents
constexpr int GrausPorEntalhe = 5;   // the wheel's field of view, per notch
constexpr int CameraPorEntalhe = 20; // Ctrl + wheel: the camera's depth, per notch
constexpr int Entalhe = 120;         // QWheelEvent's angle units per notch
constexpr int DistanciaDoClique = 2; // pixels a click may move between press and release

int Circular(int angulo) {
    return ((angulo % VoltaCompleta) + VoltaCompleta) % VoltaCompleta;
}

// The one local file a drop carries, when it names a DXF file.
std::optional<QString> ArquivoLargado(const QMimeData* dados) {
    if (dados == nullptr || dados->urls().size() != 1) return std::nullopt;
    const QUrl url = dados->urls().front();
    if (!url.isLocalFile() || !NomeDeDXF(url.toLocalFile())) return std::nullopt;
    return url.toLocalFile();
}

} // namespace

bool TForm1::MouseNaVista(QEvent* evento) {
    switch (evento->type()) {
    case QEvent::MouseButtonPress: {
        const auto* m = static_cast<QMouseEvent*>(evento);
        if (arrasto_) return true;
        const bool gira = m->button() == Qt::LeftButton;
        if (!gira && m->button() != Qt::RightButton && m->button() != Qt::MiddleButton)
            return false;
        arrasto_ =
            TArrasto{m->button(), m->position().toPoint(), gira ? RotY->value() : CamX->value(),
                     gira ? RotX->value() : CamY->value()};
        return true;
    }
    case QEvent::MouseMove: {
        if (!arrasto_) {
            MostraCoordenadas(static_cast<QMouseEvent*>(evento)->position());
            return false;
        }
        const auto* m = static_cast<QMouseEvent*>(evento);
        const QPoint d = m->position().toPoint() - arrasto_->inicio;
        const double largura = std::max(1, View3D->width());
        const auto passos = [&](int pixels, int curso) {
            return static_cast<int>(std::lround(pixels * curso / largura));
        };
        if (arrasto_->botao == Qt::LeftButton) {
            // Right turns the drawing's front to the right, down turns it downwards.
            RotY->setValue(Circular(arrasto_->x + passos(d.x(), VoltaCompleta)));
            RotX->setValue(Circular(arrasto_->y + passos(d.y(), VoltaCompleta)));
        } else {
            // The drawing follows the hand: the camera moves the other way.
            CamX->setValue(arrasto_->x - passos(d.x(), CursoDaCamera));
            CamY->setValue(arrasto_->y + passos(d.y(), CursoDaCamera));
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* m = static_cast<QMouseEvent*>(evento);
        if (!arrasto_ || m->button() != arrasto_->botao) return false;
        // A left click that did not drag picks what it points at.
        const bool clique =
            arrasto_->botao == Qt::LeftButton &&
            (m->position().toPoint() - arrasto_->inicio).manhattanLength() <= DistanciaDoClique;
        arrasto_.reset();
        if (clique) Escolhe(m->position());
        return true;
    }
    case QEvent::Leave:
        MostraCoordenadas(std::nullopt);
        return false;
    case QEvent::Wheel: {
        const auto* w = static_cast<QWheelEvent*>(evento);
        // Fine-grained wheels and touch pads send parts of a notch; they add up.
        rodaAcumulada_ += w->angleDelta().y();
        const int entalhes = rodaAcumulada_ / Entalhe;
        rodaAcumulada_ -= entalhes * Entalhe;
        // Forward (away from the user) goes closer: a narrower field, a camera further in; in
        // the full drawing, towards the point under the cursor.
        if (!(w->modifiers() & Qt::ControlModifier) &&
            ZoomNoCursor(entalhes, CameraPorEntalhe, w->position()))
            return true;
        if (w->modifiers() & Qt::ControlModifier)
            CamZ->setValue(CamZ->value() - entalhes * CameraPorEntalhe);
        else
            AngVis->setValue(AngVis->value() - entalhes * GrausPorEntalhe);
        return true;
    }
    default:
        return false;
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* evento) {
    if (!carregando_ && ArquivoLargado(evento->mimeData())) evento->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* evento) {
    const std::optional<QString> nome = ArquivoLargado(evento->mimeData());
    if (!nome || carregando_) return;
    evento->acceptProposedAction();
    // Opened from the event loop once the drop has finished, so that an error reaches the
    // application's handler as the menu's do.
    QTimer::singleShot(0, this, [this, n = *nome] { AbreArquivo(n); });
}

void TForm1::closeEvent(QCloseEvent* evento) {
    if (carregando_)
        evento->ignore();
    else
        QMainWindow::closeEvent(evento);
}

void TForm1::GuardaDisposicao() {
    for (QWidget* controle : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        disposicao_.emplace_back(controle, controle->geometry());
    setMinimumSize(size());
}

void TForm1::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    const QSize acrescimo = (size() - minimumSize()).expandedTo({0, 0});
    if (acrescimo == acrescimo_) return; // the designed places stay untouched at the start
    acrescimo_ = acrescimo;
    for (const auto& [controle, lugar] : disposicao_) {
        if (controle == View3D)
            controle->setGeometry(lugar.adjusted(0, 0, acrescimo.width(), acrescimo.height()));
        else if (controle == Panel1)
            controle->setGeometry(lugar.adjusted(0, 0, acrescimo.width(), 0));
        else
            controle->setGeometry(lugar.translated(0, acrescimo.height()));
    }
}
