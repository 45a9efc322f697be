#include "MatrizEmpilhada.h"
#include "Modelo.h"
#include "OrigemLocal.h"
#include "PosicionaInsercao.h"
#include "UExibe.h"

#include <GL/gl.h>

const TBloco* ProcuraBloco(const std::string& nome) {
    return Desenho.Bloco(nome);
}

void PosicionaInsercao(const TInsert& insercao) {
    // An insertion without a point stands at the origin. Its place is taken relative to the
    // local origin; its block keeps its own coordinates.
    const TPonto3D ponto = insercao.Ponto.value_or(TPonto3D{});
    const TOrigemLocal& o = OrigemLocal();
    const double x = ponto.X.ComoDouble() - o[0], y = ponto.Y.ComoDouble() - o[1],
                 z = ponto.Z.ComoDouble() - o[2];
    if (x != 0 || y != 0 || z != 0)
        glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
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
        const UsaOrigemLocal coordenadasDoBloco({}); // placed by the matrix
        if (const auto& cor = insercao.Cor)
            glColor3f(cor->R.ComoFloat(), cor->G.ComoFloat(), cor->B.ComoFloat());
        ExibeFaces3D(bloco->Elementos.Faces3D);
        ExibeLinhas(bloco->Elementos.Linhas);
        ExibeArcos(bloco->Elementos.Arcos);
        ExibePolyLines(bloco->Elementos.PolyLines, quais);
        ExibeCirculos(bloco->Elementos.Circulos);
    }
}
