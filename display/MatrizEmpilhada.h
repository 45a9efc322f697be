#pragma once

#include <GL/gl.h>

// Keeps the model-view matrix pushed for one scope, popped also when an error leaves it.
class MatrizEmpilhada {
  public:
    MatrizEmpilhada() { glPushMatrix(); }
    ~MatrizEmpilhada() { glPopMatrix(); }
    MatrizEmpilhada(const MatrizEmpilhada&) = delete;
    MatrizEmpilhada& operator=(const MatrizEmpilhada&) = delete;
};
