// The menu Exibir's views: the whole drawing framed again, the standard views of CAD and 3D
// programs (each a turn of the rotation bars, on the numeric keypad's keys as in Blender:
// 7 top, 1 front, 3 right, with Ctrl the opposite side; 9 isometric; Home frames), and, in
// the full drawing, the orthographic projection (keypad 5) and the wheel zooming towards
// the point under the cursor.

#include "LeDXF.h"

#include <QMenu>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct TVista {
    const char* Nome;
    QKeySequence Atalho;
    int X, Y, Z; // the rotation bars
};

// The drawing turned so that the camera, which looks down -Z, sees it from each side: the
// front from -Y with Z up, the right side from +X, the south-east isometric view from
// (1, -1, 1) (turned 315 degrees about Z, then tilted 35.26 degrees above the horizon).
const TVista Vistas[] = {
    {"&Topo", QKeySequence(Qt::KeypadModifier | Qt::Key_7), 0, 0, 0},
    {"&Frente", QKeySequence(Qt::KeypadModifier | Qt::Key_1), 270, 0, 0},
    {"T&rás", QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_1), 270, 0, 180},
    {"&Esquerda", QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_3), 270, 0, 90},
    {"&Direita", QKeySequence(Qt::KeypadModifier | Qt::Key_3), 270, 0, 270},
    {"&Baixo", QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_7), 180, 0, 0},
    {"&Isométrica", QKeySequence(Qt::KeypadModifier | Qt::Key_9), 305, 0, 315},
};

} // namespace

void TForm1::CriaVistas() {
    Exibir1->addSeparator();
    Enquadrar1 = Exibir1->addAction(QStringLiteral("E&nquadrar"));
    Enquadrar1->setObjectName(QStringLiteral("Enquadrar1"));
    Enquadrar1->setShortcut(QKeySequence(Qt::Key_Home));
    connect(Enquadrar1, &QAction::triggered, this, &TForm1::Enquadrar);
    Vistas1 = Exibir1->addMenu(QStringLiteral("&Vistas"));
    Vistas1->setObjectName(QStringLiteral("Vistas1"));
    for (const TVista& v : Vistas) {
        QAction* acao = Vistas1->addAction(QString::fromUtf8(v.Nome));
        acao->setShortcut(v.Atalho);
        connect(acao, &QAction::triggered, this, [this, v] {
            RotX->setValue(v.X);
            RotY->setValue(v.Y);
            RotZ->setValue(v.Z);
        });
    }
    ProjecaoOrtografica1 = Exibir1->addAction(QStringLiteral("Projeção &ortográfica"));
    ProjecaoOrtografica1->setObjectName(QStringLiteral("ProjecaoOrtografica1"));
    ProjecaoOrtografica1->setCheckable(true);
    ProjecaoOrtografica1->setShortcut(QKeySequence(Qt::KeypadModifier | Qt::Key_5));
    ProjecaoOrtografica1->setEnabled(false); // a view of the full drawing only
    connect(ProjecaoOrtografica1, &QAction::toggled, View3D, &TOGLView::Redraw);
    connect(DesenhoCompleto1, &QAction::toggled, ProjecaoOrtografica1, &QAction::setEnabled);
}

void TForm1::Enquadrar() {
    AngVis->setValue(static_cast<int>(AnguloDeEnquadramento));
    BarrasComoAoAbrir();
}

std::optional<TEnquadramento> TForm1::EnquadramentoAtual() const {
    if (!cena_) return std::nullopt;
    return Enquadra(cena_->Extremos, cena_->Origem, CamX->value(), CamY->value(), CamZ->value(),
                    TOGLCamera::AspectRatio(View3D->ClientWidth(), View3D->ClientHeight()),
                    perfil_);
}

// A parallel projection as wide, at the drawing's centre, as the perspective one: half its
// height is the distance to the centre times the tangent of half the field of view. Its
// depth range holds the scene's box wherever it lies, in front of the eye or behind it.
void TForm1::AplicaOrtografica(const TEnquadramento& e) {
    const double h = std::max(e.Olho[2] - e.Centro[2], 1e-30) *
                     std::tan(AngVis->value() / 2.0 * std::numbers::pi / 180);
    const double aspecto = TOGLCamera::AspectRatio(View3D->ClientWidth(), View3D->ClientHeight());
    GLdouble mv[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    const TCaixaCena& c = cena_->Extremos;
    double perto = HUGE_VAL, longe = -HUGE_VAL;
    for (int i = 0; i < 8; ++i) {
        const double x = (i & 1 ? c.Max : c.Min)[0] - cena_->Origem[0];
        const double y = (i & 2 ? c.Max : c.Min)[1] - cena_->Origem[1];
        const double z = (i & 4 ? c.Max : c.Min)[2] - cena_->Origem[2];
        const double d = -(mv[2] * x + mv[6] * y + mv[10] * z + mv[14]);
        perto = std::min(perto, d);
        longe = std::max(longe, d);
    }
    const double folga = std::max(1e-6, 0.01 * (longe - perto));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-h * aspecto, h * aspecto, -h, h, perto - folga, longe + folga);
    glMatrixMode(GL_MODELVIEW);
}

bool TForm1::ZoomNoCursor(int entalhes, int porEntalhe, QPointF cursor) {
    const std::optional<TEnquadramento> e = EnquadramentoAtual();
    if (!DesenhoCompleto1->isChecked() || !e || entalhes == 0) return false;
    const double largura = std::max(1, View3D->width()), altura = std::max(1, View3D->height());
    const double tangente = std::tan(AngVis->value() / 2.0 * std::numbers::pi / 180);
    const double h = e->Olho[2] - e->Centro[2];
    // The point under the cursor on the plane through the centre that faces the camera.
    const double px = e->Olho[0] + (2 * cursor.x() / largura - 1) * tangente * h * largura / altura;
    const double py = e->Olho[1] + (1 - 2 * cursor.y() / altura) * tangente * h;
    const int camZ =
        std::clamp(CamZ->value() - entalhes * porEntalhe, CamZ->minimum(), CamZ->maximum());
    const double fator = std::exp2((camZ - CamZ->value()) / PassosPorDobro);
    // The eye moves so that the point keeps its place in the view.
    const double olhoX = px - (px - e->Olho[0]) * fator, olhoY = py - (py - e->Olho[1]) * fator;
    const std::array<int, 2> barras = BarrasDoOlho(cena_->Extremos, cena_->Origem, olhoX, olhoY);
    CamZ->setValue(camZ);
    CamX->setValue(barras[0]);
    CamY->setValue(barras[1]);
    return true;
}
