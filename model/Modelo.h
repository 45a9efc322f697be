#pragma once

#include "Entidades.h"

#include <cstdint>
#include <string>

// The one drawing in memory: the lists of the file loaded last, its extents and the
// configuration block. Only the reader writes them.

extern TList<TFace3D> Faces3D;
extern TList<TLinha> Linhas;
extern TList<TArco> Arcos;
extern TList<TCirculo> Circulos;
extern TList<TPolyLine> PolyLines;
extern TList<TBloco> Blocos;
extern TList<TInsert> Inserts;
extern TList<TCamada> Camadas;

extern Real XMin, XMax, YMin, YMax, ZMin, ZMax;

struct TConfiguracao {
    Real XIni, YIni, ZIni, VBaixa, VMedia, VAlta;
    std::int32_t Altura = 0, Angulo = 0;
};
extern TConfiguracao Configuracao;

// Copies the extents: the three minima first, then the three maxima.
void Extremos(Real& xMin, Real& yMin, Real& zMin, Real& xMax, Real& yMax, Real& zMax);

// The colour of a DXF colour index (group 62).
TCor CorDoIndice(std::int32_t indice);
