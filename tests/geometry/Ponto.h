#pragma once

#include "UAux.h"

inline TPonto3D Ponto(Real x, Real y, Real z) {
    TPonto3D p;
    DefinePonto(p, x, y, z);
    return p;
}

using Tripla = std::array<long double, 3>;
inline Tripla Em(const TPonto3D& p) {
    return {p.X, p.Y, p.Z};
}
