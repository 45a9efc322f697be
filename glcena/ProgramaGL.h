#pragma once

// Small helpers of the full mode's OpenGL outputs.

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <string>
#include <utility>
#include <vector>

// Whether the current context's version is at least maior.menor (false with none current).
bool VersaoAoMenos(int maiorMinimo, int menorMinimo);

// A program of one vertex shader from `fonte`, its attributes bound to the given locations
// before it is linked; 0 where it does not compile or link.
GLuint CompilaPrograma(const std::string& fonte,
                       const std::vector<std::pair<GLuint, const char*>>& atributos = {});
