#include "MatrizEmpilhada.h"
#include "Modelo.h"
#include "PosicionaInsercao.h"
#include "UExibe.h"

#include <GL/gl.h>

const TBloco* ProcuraBloco(const std::string& nome) {
    for (const TBloco& bloco : Blocos)
        if (bloco.Nome == nome) return &bloco;
    return nullptr;
}

void PosicionaInsercao(const TInsert& insercao) {
    // An insertion without a point stands at the origin.
    if (const auto& p = insercao.Ponto; p && (p->X != 0 || p->Y != 0 || p->Z != 0))
        glTranslatef(p->X.ComoFloat(), p->Y.ComoFloat(), p->Z.ComoFloat());
    if (insercao.Rotacao != 0) {
        // Without an extrusion direction DXF turns about Z.
        const TPonto3D eixo = insercao.Extrusao.value_or(TPonto3D{0, 0, 1});
        glRotatef(insercao.Rotacao.ComoFloat(), eixo.X.ComoFloat(), eixo.Y.ComoFloat(),
                  eixo.Z.ComoFloat());
    }
    if (insercao.EscalaX != 1 || insercao.EscalaY != 1 || insercao.EscalaZ != 1)
        glScalef(insercao.EscalaX.ComoFloat(), insercao.EscalaY.ComoFloat(),
                 insercao.EscalaZ.ComoFloat());
}

void ExibeInserts(TPolilinhas quais) {
    for (const TInsert& insercao : Inserts) {
        // An insertion of a block that does not exist shows nothing; the others still do.
        const TBloco* bloco = ProcuraBloco(insercao.NomeBloco);
        if (!bloco) continue;

        MatrizEmpilhada matriz;
        PosicionaInsercao(insercao);
        if (const auto& cor = insercao.Cor)
            glColor3f(cor->R.ComoFloat(), cor->G.ComoFloat(), cor->B.ComoFloat());
        ExibeFaces3D(bloco->FacesBloco);
        ExibeLinhas(bloco->LinhasBloco);
        ExibeArcos(bloco->ArcosBloco);
        ExibePolyLines(bloco->PolyLinesBloco, quais);
        ExibeCirculos(bloco->CirculosBloco);
    }
}
