#pragma once

#include "Entidades.h"

#include <GL/gl.h>

// Sends a model point to OpenGL as a vertex.
inline void EnviaVertice(const TPonto3D& p) {
    glVertex3f(p.X.ComoFloat(), p.Y.ComoFloat(), p.Z.ComoFloat());
}
