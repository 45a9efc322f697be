#pragma once

#include "Entidades.h"

// Multiplies the current matrix by the insertion's placement: translation to its point,
// rotation about its extrusion axis, scale. Each step only when it changes something.
void PosicionaInsercao(const TInsert& insercao);
