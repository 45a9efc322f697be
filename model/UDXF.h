#pragma once

// The drawing model and its reader.
#include "ErroDXF.h"
#include "Modelo.h"

#include <string>

// Builds a new model from the DXF file `nome`. Throws ErroDXF with the user's message on
// failure; the model then holds what was read until then.
void CarregaDXF(const std::string& nome);
