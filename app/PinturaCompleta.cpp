// The "Desenho completo" paint: the scene of the loaded drawing (made once per load, sent to
// the view's context once), framed from above and moved by the bars, lit as the default
// picture is, with the clip planes of its box and the probe's markers on the faces its
// insertions place.

#include "Aplicacao.h"
#include "CenaGL.h"
#include "ConfiguraCena.h"
#include "Enquadramento.h"
#include "LeDXF.h"
#include "MatrizEmpilhada.h"
#include "PlanosDeCorte.h"
#include "UExibe.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QScopeGuard>

#include <GL/gl.h>
#include <stdexcept>

void TForm1::PintaDesenhoCompleto() {
    if (cenaFalhou_) return;
    try {
        if (cenaVelha_ || !cenaGL_) MontaCena();
        const TCena& cena = *cena_;
        const std::optional<TEnquadramento> enquadramento = EnquadramentoAtual();
        if (!enquadramento) return; // nothing drawn: the background alone
        // The eye goes into the modelview in double precision, relative to the scene's
        // origin; the camera's stored position is the default picture's and stays as it is.
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(-enquadramento->Olho[0], -enquadramento->Olho[1], -enquadramento->Olho[2]);
        ConfiguraCenaNoMundo(cena.Origem);
        const MatrizEmpilhada giro; // popped also when the drawing fails
        glMultMatrixd(
            GiroEnquadrado(*enquadramento, RotX->value(), RotY->value(), RotZ->value()).data());
        AjustaPlanosDaCena();
        if (ProjecaoOrtografica1->isChecked()) AplicaOrtografica(*enquadramento);
        GuardaMatrizesDaCena();
        cenaGL_->Desenha(EspessurasDeLinha1->isChecked());
        TPonto3D inicio, fim;
        LinhaDaSonda(inicio, fim);
        TestaSelecaoEmTriangulos(inicio, fim, cena.FacesDeInsercoes);
    } catch (...) {
        // Shown once, as the default picture's failures are.
        cenaFalhou_ = true;
        TAplicacao::AdiaErro(std::current_exception());
    }
}

// Runs inside the paint, with the view's context current.
void TForm1::MontaCena() {
    LiberaCenaGL();
    cena_.reset();
    avisoDaCena_.reset();
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto cursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        cena_ = std::make_unique<TCena>(DecompoeDesenho(Desenho, OpcoesDaCena));
        perfil_ = PerfilDaCena(*cena_);
        // The vertices move into the context: the paint keeps only the origin, the extents,
        // the vertices' profile and the probe's faces.
        cenaGL_ = std::make_unique<TCenaGL>(*cena_, TCenaGL::TLiberaVertices{});
        AplicaCamadasOcultas();
    }
    ListaAsCamadas(); // with the counts of what was drawn
    cenaVelha_ = false;
    // A context that goes (the view moved to another window) takes its buffers with it: the
    // scene is made again for the next one.
    if (QOpenGLContext* contexto = View3D->context())
        contextoDaCena_ = connect(contexto, &QOpenGLContext::aboutToBeDestroyed, this, [this] {
            LiberaCenaGL();
            cenaVelha_ = true;
        });
    if (cena_->Aviso) {
        avisoDaCena_ = cena_->Aviso;
        TAplicacao::AdiaErro(std::make_exception_ptr(std::runtime_error(*cena_->Aviso)));
    }
}

// Near and far planes that hold the scene's box as the camera sees it in this render, as
// the default picture's planes hold its drawing.
void TForm1::AjustaPlanosDaCena() {
    const TCaixaCena& e = cena_->Extremos;
    const std::array<double, 3>& o = cena_->Origem;
    const TPlanos guardados{Cam.ViewNear(), Cam.ViewFar()};
    const TPlanos planos =
        PlanosParaFaixa(FaixaDaCaixa({e.Min[0] - o[0], e.Min[1] - o[1], e.Min[2] - o[2]},
                                     {e.Max[0] - o[0], e.Max[1] - o[1], e.Max[2] - o[2]}),
                        guardados);
    if (planos != guardados)
        Cam.ApplyProjection(View3D->ClientWidth(), View3D->ClientHeight(), planos.Perto,
                            planos.Longe);
}

// The buffers belong to the view's context: deleted with it current (Qt's own makeCurrent,
// which also works while the view lets go of a context that is about to be destroyed).
void TForm1::LiberaCenaGL() {
    disconnect(contextoDaCena_);
    contextoDaCena_ = {};
    if (!cenaGL_) return;
    QOpenGLContext* const anterior = QOpenGLContext::currentContext();
    const bool jaCorrente = anterior != nullptr && anterior == View3D->context();
    if (!jaCorrente) View3D->makeCurrent();
    cenaGL_.reset();
    if (!jaCorrente) View3D->doneCurrent();
}
