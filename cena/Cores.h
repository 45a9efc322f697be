#pragma once

// Colours as CAD programs give them: the AutoCAD colour index palette and the rules that turn
// an element's colour (true colour, index, ByLayer, ByBlock) into red, green and blue.

#include "Entidades.h"

#include <cstdint>
#include <string>

struct TRGB {
    std::uint8_t R = 255, G = 255, B = 255;
    friend bool operator==(const TRGB&, const TRGB&) = default;
};

// The colour of an AutoCAD colour index 1 to 255; any other index gives white (7), which
// shows on the view's dark background.
TRGB CorACI(int indice);

// A true colour 0xRRGGBB (group 420).
TRGB CorVerdadeira(std::int32_t rgb);

// The colour a layer gives its ByLayer elements: its true colour, else its index (a negative
// index only says the layer is off); white for a missing layer or an index out of range.
TRGB CorDaCamada(const TCamada* camada);

// The colour of an element on `camada` (its effective layer: the inserting entity's for an
// element on layer 0 inside a block), inside an insertion whose resolved colour is
// `corDoBloco` (white at the top level).
TRGB CorDoElemento(const TEntidade& e, const TCamada* camada, TRGB corDoBloco);

// Where an element's colour comes from: its own true colour or index, the insertion's
// (ByBlock), or its layer's (ByLayer), whose true colour or index it then holds.
struct TCorDada {
    enum { Verdadeira, Indice, PorBloco } Tipo;
    std::int32_t Valor; // 0xRRGGBB, or the index (1 to 255 in range; 7 for a missing layer)
    bool DaCamada;
};
TCorDada CorDada(const TEntidade& e, const TCamada* camada);

// The colour as a CAD program's properties give it: "1 (vermelho)", "RGB 255,128,0",
// "PorBloco", or "PorCamada: " and the layer's colour.
std::string DescricaoDaCor(const TEntidade& e, const TCamada* camada);
