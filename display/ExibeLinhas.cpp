#include "UExibe.h"
#include "VerticeGL.h"

void ExibeLinhas(const TList<TLinha>& linhas) {
    for (const TLinha& linha : linhas) {
        if (!linha.P1 || !linha.P2) continue;
        glBegin(GL_LINES);
        glColor4f(1, 0, 0, 0.3f);
        EnviaVertice(*linha.P1);
        EnviaVertice(*linha.P2);
        glEnd();
    }
}
