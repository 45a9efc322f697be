#pragma once

// The drawing model and its reader.
#include "ErroDXF.h"
#include "Modelo.h"

#include <functional>
#include <string>

// Builds a new model from the DXF file `nome`. Throws ErroDXF with the user's message on
// failure, and the line where reading stopped when the fault was met while reading; the
// model then holds what was read until then. Running out of memory is such a failure too,
// with the message "Out of memory".
void CarregaDXF(const std::string& nome);

// The share of the file read so far, from 0 to 1.
using ProgressoDaLeitura = std::function<void(double fracao)>;

// The same, calling `progresso` after each piece of the file read (about every megabyte).
// The model's lists hold only whole elements whenever it is called.
void CarregaDXF(const std::string& nome, const ProgressoDaLeitura& progresso);
