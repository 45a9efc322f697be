#pragma once

// Watches the numbers the program hands to OpenGL: the vertex, normal, colour and transform
// calls of the drawing are defined here, count any NaN or infinity among their arguments and
// pass the call on to the real OpenGL library unchanged.

// The non-finite arguments counted since the last call, and the count restarted.
int NaoFinitosEnviadosAoGL();
