#pragma once

#include "UAux.h"

inline TPonto3D Ponto(Real x, Real y, Real z) {
    TPonto3D p;
    DefinePonto(p, x, y, z);
    return p;
}
