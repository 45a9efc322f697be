#include "Grupos.h"

#include <algorithm>
#include <map>
#include <memory>
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
    // Per key, its first place. Primitives come in long runs of one key: the last key's
    // entry is kept at hand, so that the map is searched once a run.
    std::map<std::uint32_t, std::size_t> inicio;
    auto daChave = [&, ultima = inicio.end()](std::uint32_t chave) mutable -> std::size_t& {
        if (ultima == inicio.end() || ultima->first != chave)
            ultima = inicio.try_emplace(chave).first;
        return ultima->second;
    };
    for (std::uint32_t c : chaves)
        ++daChave(c);
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
        destino[i] = static_cast<std::uint32_t>(daChave(chaves[i])++);
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
    // The primitive each place takes. (Not a std::vector: g++ 12 at -O3 warns wrongly about
    // freeing one here.)
    const std::size_t n = destino.size();
    const auto origem = std::make_unique<std::uint32_t[]>(n);
    for (std::size_t i = 0; i < n; ++i)
        origem[destino[i]] = static_cast<std::uint32_t>(i);
    for (std::size_t j = 0; j < n; ++j)
        for (std::size_t k = 0; k < porPrimitiva; ++k)
            copia.push_back(v[origem[j] * porPrimitiva + k]);
    return grupos;
}
