#pragma once

// An OpenGL compatibility context made current for the whole test program, on an
// off-screen surface (needs a display: the GL tests run under Xvfb).
namespace glteste {

// Creates the context on the first call and makes it current; fails the calling test
// (returns false) when no context can be had.
bool GarantaContexto();

// Puts the context's state back to OpenGL's defaults that the drawing tests rely on:
// identity matrices, white colour, normal (0, 0, 1).
void RestauraEstado();

} // namespace glteste
