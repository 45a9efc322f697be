#include "Alcance.h"
#include "CantosDaSonda.h"
#include "MatrizEmpilhada.h"
#include "Modelo.h"
#include "PosicionaInsercao.h"
#include "UAux.h"
#include "UExibe.h"

#include <GL/glu.h>
#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

using Quadrica = std::unique_ptr<GLUquadric, decltype(&gluDeleteQuadric)>;

// The model-view matrix that places the insertion's block, read back once for all its faces.
MatrizGL MatrizDaInsercao(const TInsert& insercao) {
    MatrizEmpilhada matriz;
    PosicionaInsercao(insercao);
    MatrizGL m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The face's corners, as the probe reads them, in the probe's space.
bool CantosTransformados(const TFace3D& face, const MatrizGL& m, TPonto3D (&v)[4]) {
    if (!FaceTemCantos(face)) return false;
    for (int k = 0; k < 4; ++k) {
        const TPonto3D& canto = CantoDaSonda(face, k);
        DefinePonto(v[k], canto.X, canto.Y, canto.Z);
        TransformaPonto(m, v[k]);
    }
    return true;
}

void MarcaCruzamento(GLUquadric* quadrica, const TPonto3D& h) {
    MatrizEmpilhada matriz;
    glLoadIdentity();
    glColor3f(1, 1, 1);
    glTranslatef(h.X.ComoFloat(), h.Y.ComoFloat(), h.Z.ComoFloat());
    gluSphere(quadrica, 10.0, 7, 7);
}

// Marks where the line through S and E (direcao = E - S) crosses the face of corners v, when
// the crossing lies inside the face.
void MarcaSeCruzar(GLUquadric* quadrica, const TPonto3D& S, const TPonto3D& E,
                   const TPonto3D& direcao, const TPonto3D (&v)[4]) {
    TPonto3D normal, cruzamento;
    NormalDaFace(v[0], v[1], v[2], normal);
    if (ProdutoEscalar(direcao, normal) == 0) return; // parallel to the face
    IntersecaoRetaPlano(S, E, v[0], v[1], v[2], cruzamento);
    if (PontoDentroDaFace(cruzamento, v[0], v[1], v[2], v[3]))
        MarcaCruzamento(quadrica, cruzamento);
}

} // namespace

void TestaSelecao(const TPonto3D& S, const TPonto3D& E) {
    const Quadrica quadrica(gluNewQuadric(), gluDeleteQuadric);
    if (!quadrica) return; // out of memory: no markers this time
    TPonto3D direcao, v[4];
    Diferenca(E, S, direcao);
    std::unordered_map<const TBloco*, TAlcance> alcances; // each block's, found once per run

    for (const TInsert& insercao : Inserts) {
        const TBloco* bloco = ProcuraBloco(insercao.NomeBloco);
        if (!bloco || bloco->Elementos.Faces3D.Count() == 0) continue;
        const MatrizGL m = MatrizDaInsercao(insercao);
        auto alcance = alcances.find(bloco);
        if (alcance == alcances.end())
            alcance = alcances.emplace(bloco, AlcanceDasFaces(bloco->Elementos.Faces3D)).first;
        if (!LinhaPodeAlcancar(S, E, m, alcance->second)) continue; // no face near the line
        for (const TFace3D& face : bloco->Elementos.Faces3D) {
            if (CantosTransformados(face, m, v)) MarcaSeCruzar(quadrica.get(), S, E, direcao, v);
        }
    }
}

void TestaSelecaoEmTriangulos(const TPonto3D& S, const TPonto3D& E,
                              const std::vector<std::array<float, 9>>& triangulos) {
    if (triangulos.empty()) return;
    const Quadrica quadrica(gluNewQuadric(), gluDeleteQuadric);
    if (!quadrica) return; // out of memory: no markers this time
    MatrizGL m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    TPonto3D direcao, v[4];
    Diferenca(E, S, direcao);
    for (const std::array<float, 9>& t : triangulos) {
        if (!LinhaPodeAlcancar(S, E, m, AlcanceDoTriangulo(t))) continue; // far from the line
        for (int k = 0; k < 4; ++k) { // a face whose last corner repeats
            const int canto = 3 * std::min(k, 2);
            DefinePonto(v[k], t[canto], t[canto + 1], t[canto + 2]);
            TransformaPonto(m, v[k]);
        }
        MarcaSeCruzar(quadrica.get(), S, E, direcao, v);
    }
}
