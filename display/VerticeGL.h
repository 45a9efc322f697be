#pragma once

#include "Entidades.h"
#include "OrigemLocal.h"

#include <GL/gl.h>

// Sends a model point to OpenGL as a vertex, relative to the local origin: the difference
// is taken in double, then rounded to float. With no local origin it is the point itself.
inline void EnviaVertice(const TPonto3D& p) {
    const TOrigemLocal& o = OrigemLocal();
    glVertex3f(static_cast<float>(p.X.ComoDouble() - o[0]),
               static_cast<float>(p.Y.ComoDouble() - o[1]),
               static_cast<float>(p.Z.ComoDouble() - o[2]));
}
