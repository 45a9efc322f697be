// The paint cycle: scene set-up, camera placed from the extents and the camera bars, the
// drawing turned by the rotation bars, every entity list, and the selection probe.

#include "Aplicacao.h"
#include "ConfiguraCena.h"
#include "LeDXF.h"
#include "MatrizEmpilhada.h"
#include "PosicaoDaCamera.h"
#include "UAux.h"
#include "UDXF.h"
#include "UExibe.h"

#include <GL/gl.h>
#include <optional>

void TForm1::View3DPaint(TObject*) {
    TExtremos e;
    Extremos(e.XMin, e.YMin, e.ZMin, e.XMax, e.YMax, e.ZMax);
    if (!Carregado || desenhoFalhou_ || carregando_) return;
    try {
        ConfiguraCena();
        const auto [x, y, z] = PosicaoDaCamera(e, CamX->value(), CamY->value(), CamZ->value());
        // A changed position asks for the next render, which shows it.
        Cam.Position().SetX(x);
        Cam.Position().SetY(y);
        Cam.Position().SetZ(z);
        DesenhaModelo();
    } catch (...) {
        // Shown once, from the event loop: failing again on every paint would leave the
        // user facing one message box after another.
        desenhoFalhou_ = true;
        TAplicacao::AdiaErro(std::current_exception());
    }
}

void TForm1::DesenhaModelo() {
    std::optional<FacesDosDoisLados> doisLados;
    if (FacesDosDoisLados1->isChecked()) doisLados.emplace();
    const TPolilinhas polilinhas =
        Polilinhas1->isChecked() ? TPolilinhas::Todas : TPolilinhas::SoMalhasPoliface;
    const MatrizEmpilhada rotacoes; // popped also when the drawing fails
    glRotatef(static_cast<float>(RotX->value()), 1.0f, 0.0f, 0.0f);
    glRotatef(static_cast<float>(RotY->value()), 0.0f, 1.0f, 0.0f);
    glRotatef(static_cast<float>(RotZ->value()), 0.0f, 0.0f, 1.0f);
    ExibeFaces3D(Faces3D);
    ExibeLinhas(Linhas);
    ExibeArcos(Arcos);
    ExibePolyLines(PolyLines, polilinhas);
    ExibeCirculos(Circulos);
    ExibeInserts(polilinhas);
    Selecao();
}

void TForm1::Selecao() {
    TPonto3D fim, inicio;
    DefinePonto(fim, 4, 3, -10);
    DefinePonto(inicio, 4, 3, 40);
    TestaSelecao(inicio, fim);
}
