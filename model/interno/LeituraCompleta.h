#pragma once

// The lenient steps every reader of the full drawing's records shares: coordinates and lists
// of points that never widen the extents, the common groups, and a record read whole before
// its element is appended.

#include "Leitores.h"

#include <concepts>
#include <cstdint>
#include <optional>
#include <vector>

// Which coordinate of the point whose X group is `codigoX` the group `codigo` gives: 0, 1
// or 2, or -1 for another group.
int Eixo(std::int32_t codigo, std::int32_t codigoX);
Real& Componente(TPonto3D& p, int eixo);

// Group `codigo` of the point whose X group is `codigoX`, read leniently into `ponto`.
bool LeCoordenada(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX, TPonto3D& ponto);

// A group of a list of points whose X groups are `codigoX`: each X group starts a new point
// (at X, 0, 0; at the origin when its value is not a number), so that the Y and Z groups
// after it go to that point; Y and Z before any X are dropped.
bool LePontoDaLista(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX,
                    std::vector<TPonto3D>& lista);

// A value added to a list when it is a number.
bool LeRealDaLista(LeitorDXF& leitor, std::vector<Real>& lista);

// 8 (layer), 62 (colour index, lenient here) and LeGrupoCompleto's groups.
bool LeGrupoComumLeniente(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo);

// A planar kind: its extrusion defaults to the Z axis.
template <class T> constexpr bool Plano = requires(T t) {
    { t.Extrusao } -> std::same_as<TPonto3D&>;
};

// Reads a record's groups with `trata`, the extrusion of a planar kind and the common groups,
// and appends the element once the record has ended.
template <class T, class Tratador>
void LeRegistro(LeitorDXF& leitor, TList<T>& lista, T elemento, Tratador&& trata) {
    std::optional<TPonto3D> extrusao; // kept apart: its missing components are 0, not Z's 1
    LeGrupos(leitor, [&](std::int32_t c) {
        if constexpr (Plano<T>) {
            if (LeCoordenada(leitor, c, 210, extrusao)) return true;
        }
        return trata(elemento, c) || LeGrupoComumLeniente(leitor, elemento, c);
    });
    if constexpr (Plano<T>) {
        if (extrusao) elemento.Extrusao = *extrusao;
    }
    lista.Add(std::move(elemento));
}

// TEXT and ATTRIB (LeTextos.cpp), MTEXT; HATCH and MPOLYGON (LeHachuras.cpp).
void LeTexto(LeitorDXF& leitor, TList<TTexto>& lista, bool atributo);
void LeTextoM(LeitorDXF& leitor, TList<TTextoM>& lista);
void LeHachura(LeitorDXF& leitor, TList<THachura>& lista, bool mpolygon);
