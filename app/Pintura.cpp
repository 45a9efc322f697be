// The paint cycle: scene set-up, camera placed from the extents and the camera bars, the
// drawing turned by the rotation bars, every entity list, and the selection probe. The
// "Desenho completo" mode paints in PinturaCompleta.cpp instead.

#include "Aplicacao.h"
#include "ConfiguraCena.h"
#include "LeDXF.h"
#include "MatrizEmpilhada.h"
#include "OrigemLocal.h"
#include "PlanosDeCorte.h"
#include "PosicaoDaCamera.h"
#include "UAux.h"
#include "UDXF.h"
#include "UExibe.h"

#include <GL/gl.h>
#include <optional>

void TForm1::View3DPaint(TObject*) {
    matrizes_.reset();
    if (DesenhoCompleto1->isChecked()) {
        if (Carregado && !carregando_) PintaDesenhoCompleto();
        return;
    }
    TExtremos e;
    Extremos(e.XMin, e.YMin, e.ZMin, e.XMax, e.YMax, e.ZMax);
    if (!Carregado || desenhoFalhou_ || carregando_) return;
    try {
        // The camera's position is held relative to the local origin, and so is the drawing.
        const TOrigemLocal origem = OrigemParaExtremos(e);
        const UsaOrigemLocal relativoAOrigem(origem);
        ConfiguraCenaNoMundo(origem);
        const auto [x, y, z] =
            PosicaoDaCamera(e, CamX->value(), CamY->value(), CamZ->value(), origem);
        // A changed position asks for the next render, which shows it.
        Cam.Position().SetX(x);
        Cam.Position().SetY(y);
        Cam.Position().SetZ(z);
        DesenhaModelo(e);
    } catch (...) {
        // Shown once, from the event loop: failing again on every paint would leave the
        // user facing one message box after another.
        desenhoFalhou_ = true;
        TAplicacao::AdiaErro(std::current_exception());
    }
}

// Light 1 is placed at its world point: the modelview holds the camera's place relative to
// the local origin, so the origin is added back for it.
void TForm1::ConfiguraCenaNoMundo(const TOrigemLocal& origem) {
    if (origem == TOrigemLocal{}) {
        ConfiguraCena();
        return;
    }
    const MatrizEmpilhada luz;
    glTranslated(-origem[0], -origem[1], -origem[2]);
    ConfiguraCena();
}

// Near and far planes that hold the whole drawing as the camera sees it in this render.
void TForm1::AjustaPlanos(const TExtremos& e) {
    const TPlanos guardados{Cam.ViewNear(), Cam.ViewFar()};
    const TPlanos planos = PlanosParaFaixa(
        FaixaDoDesenho({e.XMin.ComoDouble(), e.YMin.ComoDouble(), e.ZMin.ComoDouble()},
                       {e.XMax.ComoDouble(), e.YMax.ComoDouble(), e.ZMax.ComoDouble()}),
        guardados);
    if (planos != guardados)
        Cam.ApplyProjection(View3D->ClientWidth(), View3D->ClientHeight(), planos.Perto,
                            planos.Longe);
}

void TForm1::DesenhaModelo(const TExtremos& e) {
    std::optional<FacesDosDoisLados> doisLados;
    if (FacesDosDoisLados1->isChecked()) doisLados.emplace();
    const TPolilinhas polilinhas =
        Polilinhas1->isChecked() ? TPolilinhas::Todas : TPolilinhas::SoMalhasPoliface;
    const MatrizEmpilhada rotacoes; // popped also when the drawing fails
    if (const TOrigemLocal& origem = OrigemLocal(); origem == TOrigemLocal{}) {
        glRotatef(static_cast<float>(RotX->value()), 1.0f, 0.0f, 0.0f);
        glRotatef(static_cast<float>(RotY->value()), 0.0f, 1.0f, 0.0f);
        glRotatef(static_cast<float>(RotZ->value()), 0.0f, 0.0f, 1.0f);
    } else {
        glMultMatrixd(GiroDoDesenho(RotX->value(), RotY->value(), RotZ->value(), origem).data());
    }
    AjustaPlanos(e);
    ExibeFaces3D(Faces3D);
    ExibeLinhas(Linhas);
    ExibeArcos(Arcos);
    ExibePolyLines(PolyLines, polilinhas);
    ExibeCirculos(Circulos);
    ExibeInserts(polilinhas);
    Selecao();
}

void TForm1::LinhaDaSonda(TPonto3D& inicio, TPonto3D& fim) {
    DefinePonto(fim, 4, 3, -10);
    DefinePonto(inicio, 4, 3, 40);
}

void TForm1::Selecao() {
    TPonto3D fim, inicio;
    LinhaDaSonda(inicio, fim);
    TestaSelecao(inicio, fim);
}
