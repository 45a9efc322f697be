#pragma once

// The primitives of a scene's list put in order of a key (their layer, and their line weight
// for segments), so that an output draws each layer, and each weight, as one run of its list
// and leaves a hidden layer out without a new scene.

#include "Vertices.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One run: the layer and weight of its primitives and where it ends (in vertices).
struct TGrupoGL {
    std::uint16_t Camada;
    std::uint8_t Espessura;
    std::size_t Fim;
};

// The key of primitive i of a list whose layers are `camadas` (one per primitive) and whose
// vertices are `v` (porPrimitiva each): its layer, and with `comEspessura` its weight.
std::vector<std::uint32_t> ChavesDosGrupos(const TVerticesCena& v, std::size_t porPrimitiva,
                                           const std::vector<std::uint16_t>& camadas,
                                           bool comEspessura);

// Reorders the primitives of `v` by key, in place (each moved once: no copy of the list),
// and returns the runs.
std::vector<TGrupoGL> AgrupaNoLugar(TVerticesCena& v, std::size_t porPrimitiva,
                                    const std::vector<std::uint32_t>& chaves);

// The same into `copia`, leaving `v` as it is; with one run `v` is already in order and
// `copia` stays empty.
std::vector<TGrupoGL> AgrupaEmCopia(const TVerticesCena& v, std::size_t porPrimitiva,
                                    const std::vector<std::uint32_t>& chaves, TVerticesCena& copia);
