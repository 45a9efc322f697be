#include "Grupos.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// Each primitive's place once ordered by key (stable), and the runs.
std::vector<TGrupoGL> Destinos(const std::vector<std::uint32_t>& chaves, std::size_t porPrimitiva,
                               std::vector<std::uint32_t>& destino) {
    // One key for all (the common case): one run, nothing to move.
    if (std::all_of(chaves.begin(), chaves.end(),
                    [&](std::uint32_t c) { return c == chaves[0]; })) {
        if (chaves.empty()) return {};
        return {{std::uint16_t(chaves[0] >> 8), std::uint8_t(chaves[0] & 0xFF),
                 chaves.size() * porPrimitiva}};
    }
    std::map<std::uint32_t, std::size_t> inicio; // per key, its first place
    for (std::uint32_t c : chaves)
        ++inicio[c];
    std::vector<TGrupoGL> grupos;
    std::size_t soma = 0;
    for (auto& [chave, n] : inicio) {
        const std::size_t quantos = n;
        n = soma;
        soma += quantos;
        grupos.push_back(
            {std::uint16_t(chave >> 8), std::uint8_t(chave & 0xFF), soma * porPrimitiva});
    }
    destino.resize(chaves.size());
    for (std::size_t i = 0; i < chaves.size(); ++i)
        destino[i] = static_cast<std::uint32_t>(inicio[chaves[i]]++);
    return grupos;
}

} // namespace

std::vector<std::uint32_t> ChavesDosGrupos(const TVerticesCena& v, std::size_t porPrimitiva,
                                           const std::vector<std::uint16_t>& camadas,
                                           bool comEspessura) {
    const std::size_t n = v.size() / porPrimitiva;
    std::vector<std::uint32_t> chaves(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t camada = i < camadas.size() ? camadas[i] : 0;
        chaves[i] = camada << 8 | (comEspessura ? v[i * porPrimitiva].Espessura : 0);
    }
    return chaves;
}

std::vector<TGrupoGL> AgrupaNoLugar(TVerticesCena& v, std::size_t porPrimitiva,
                                    const std::vector<std::uint32_t>& chaves) {
    std::vector<std::uint32_t> destino;
    std::vector<TGrupoGL> grupos = Destinos(chaves, porPrimitiva, destino);
    if (grupos.size() <= 1) return grupos;
    // Follows each cycle of the permutation: every primitive swapped into its place once.
    for (std::size_t i = 0; i < destino.size(); ++i)
        while (destino[i] != i) {
            const std::size_t j = destino[i];
            for (std::size_t k = 0; k < porPrimitiva; ++k)
                std::swap(v[i * porPrimitiva + k], v[j * porPrimitiva + k]);
            std::swap(destino[i], destino[j]);
        }
    return grupos;
}

std::vector<TGrupoGL> AgrupaEmCopia(const TVerticesCena& v, std::size_t porPrimitiva,
                                    const std::vector<std::uint32_t>& chaves,
                                    TVerticesCena& copia) {
    std::vector<std::uint32_t> destino;
    std::vector<TGrupoGL> grupos = Destinos(chaves, porPrimitiva, destino);
    if (grupos.size() <= 1) return grupos; // already in order: no copy (`copia` stays empty)
    std::vector<std::uint32_t> origem(destino.size()); // the primitive each place takes
    for (std::size_t i = 0; i < destino.size(); ++i)
        origem[destino[i]] = static_cast<std::uint32_t>(i);
    for (std::uint32_t i : origem)
        for (std::size_t k = 0; k < porPrimitiva; ++k)
            copia.push_back(v[i * porPrimitiva + k]);
    return grupos;
}
