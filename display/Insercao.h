#pragma once

#include "Entidades.h"

#include <GL/gl.h>

// Keeps the model-view matrix pushed for one scope, popped also when an error leaves it.
class MatrizEmpilhada {
  public:
    MatrizEmpilhada() { glPushMatrix(); }
    ~MatrizEmpilhada() { glPopMatrix(); }
    MatrizEmpilhada(const MatrizEmpilhada&) = delete;
    MatrizEmpilhada& operator=(const MatrizEmpilhada&) = delete;
};

// Multiplies the current matrix by the insertion's placement: translation to its point,
// rotation about its extrusion axis, scale. Each step only when it changes something.
void PosicionaInsercao(const TInsert& insercao);
