#pragma once

#include "Entidades.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct TConfiguracao {
    Real XIni, YIni, ZIni, VBaixa, VMedia, VAlta;
    std::int32_t Altura = 0, Angulo = 0;
};

// One drawing as a value: the top-level elements (the ENTITIES section), the block
// definitions with an index by name, the layers and the configuration block.
struct TDesenho {
    TElementos Modelo;
    TList<TBloco> Blocos;
    TList<TCamada> Camadas;
    TConfiguracao Configuracao;
    // Full drawing: the DIMSTYLE table, the block records' names by handle (BLOCK_RECORD
    // groups 5 and 2) and the header's $MEASUREMENT (0 imperial, 1 metric).
    std::vector<TEstiloDeCota> EstilosDeCota;
    std::unordered_map<std::string, std::string> NomesDosRegistrosDeBloco;
    std::int32_t Medicao = 0;
    // The STYLE and LTYPE tables, and the header's $LTSCALE, $DWGCODEPAGE and $ACADVER.
    std::vector<TEstiloDeTexto> EstilosDeTexto;
    std::vector<TTipoDeLinha> TiposDeLinha;
    Real EscalaTipoDeLinha = 1;
    std::string PaginaDeCodigo, Versao;

    // The first block with exactly this name, or null. Looked up in an index by name, made
    // again whenever blocks were added since it was made.
    const TBloco* Bloco(const std::string& nome) const;
    // The block a CAD program finds by this name: the first whose group 2 gave it, else
    // Bloco(nome) (a block named again by group 3 is kept under that later name).
    const TBloco* BlocoChamado(const std::string& nome) const;

  private:
    void IndexaBlocos() const;
    mutable std::unordered_map<std::string, int> indiceDosBlocos_, indiceDoGrupo2_;
    mutable int blocosIndexados_ = 0;
};

// The drawing of the file loaded last. Only the reader writes it; each load starts from an
// empty drawing (an empty configuration record too).
extern TDesenho Desenho;

// The loaded drawing's lists and configuration under the names the default picture uses.
extern TList<TFace3D>& Faces3D;
extern TList<TLinha>& Linhas;
extern TList<TArco>& Arcos;
extern TList<TCirculo>& Circulos;
extern TList<TPolyLine>& PolyLines;
extern TList<TBloco>& Blocos;
extern TList<TInsert>& Inserts;
extern TList<TCamada>& Camadas;
extern TConfiguracao& Configuracao;

extern Real XMin, XMax, YMin, YMax, ZMin, ZMax;

// Copies the extents: the three minima first, then the three maxima.
void Extremos(Real& xMin, Real& yMin, Real& zMin, Real& xMax, Real& yMax, Real& zMax);

// The colour of a DXF colour index (group 62).
TCor CorDoIndice(std::int32_t indice);
