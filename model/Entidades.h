#pragma once

#include "Nome.h"
#include "Real.h"
#include "TList.h"

#include <cstdint>
#include <optional>
#include <string>

// The classes of one drawing. Plain data: every number starts at 0, every string empty,
// every optional point or colour absent until the reader meets its group.

struct TPonto3D {
    Real X, Y, Z;
};

// 256 in all three components marks "keep the current drawing colour".
struct TCor {
    Real R, G, B;
};

struct TCamada {
    std::string Nome;
    std::optional<TCor> Cor;
};

struct TEntidade {
    TNome Camada; // layer names repeat over thousands of elements: each is kept once
    std::optional<TCor> Cor;
};

struct TFace3D : TEntidade {
    TListCurta<TPonto3D, 4> Pontos; // one per corner group, in file order (normally 4)
};

struct TLinha : TEntidade {
    std::optional<TPonto3D> P1, P2;
};

struct TArco : TEntidade {
    std::optional<TPonto3D> Centro;
    Real Raio, AngIni, AngFim; // angles in degrees, as in the file
};

struct TCirculo : TEntidade {
    std::optional<TPonto3D> Centro;
    Real Raio;
};

struct TVertice : TEntidade {
    std::optional<TPonto3D> Ponto;
};

// A polyface-mesh face record: vertex numbers from 1, negative for an invisible edge.
struct TFace : TEntidade {
    std::int32_t V1 = 0, V2 = 0, V3 = 0, V4 = 0;
};

struct TPolyLine : TEntidade {
    std::int32_t ContM = 0, ContN = 0, DensM = 0, DensN = 0, Flags = 0, VerticesSeguem = 0;
    Real Elevacao;
    TList<TVertice> Vertices;
    TList<TFace> Faces;
};

struct TBloco : TEntidade {
    std::string Nome;
    std::int32_t Flags = 0;
    std::optional<TPonto3D> Base;
    TList<TFace3D> FacesBloco;
    TList<TLinha> LinhasBloco;
    TList<TArco> ArcosBloco;
    TList<TCirculo> CirculosBloco;
    TList<TPolyLine> PolyLinesBloco;
};

struct TInsert : TEntidade {
    std::string NomeBloco;
    std::optional<TPonto3D> Ponto;
    std::optional<TPonto3D> Extrusao; // axis of the rotation
    Real EscalaX = 1, EscalaY = 1, EscalaZ = 1;
    Real Rotacao; // degrees
    std::int32_t NumColunas = 0, NumLinhas = 0;
    Real EspColunas, EspLinhas; // spacing of the columns and rows of an array
};
