// MTEXT's formatting codes: the string (already through DecodificaTexto) as paragraphs of
// runs, each run with the formatting it is drawn with.
#pragma once

#include "Fontes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// No text lays out more glyphs (nor MTEXT more lines) than this, whatever its length.
constexpr std::size_t MaximoDeGlifos = 100000;

// A colour from \C (an ACI index, 0 ByBlock and 256 ByLayer included) or \c (0xRRGGBB).
struct TCorDoTexto {
    bool Rgb = false;
    std::uint32_t Valor = 0;
    bool operator==(const TCorDoTexto&) const = default;
};

struct TFormato {
    double Altura = 1; // absolute, in drawing units
    double FatorLargura = 1, ObliquoGraus = 0, Rastreamento = 1;
    std::optional<TCorDoTexto> Cor; // absent: the element's
    TPedidoDeFonte Fonte;
    bool Sublinhado = false, Sobrelinha = false, Riscado = false;
};

// A stacked run's kind: '/' one part over the other with a bar, '#' a/b on one line, '^'
// one over the other with no bar.
enum class TEmpilhado { Nao, Barra, Diagonal, SemBarra };

struct TTrecho {
    TFormato Formato;
    std::u32string Texto; // a stacked run's upper part; tabs kept as '\t', \~ as U+00A0
    TEmpilhado Empilhado = TEmpilhado::Nao;
    std::u32string Inferior;
};

struct TParagrafo {
    std::vector<TTrecho> Trechos;
    int Alinhamento = 0; // from \pq: 0 the attachment's, 1 left, 2 centre, 3 right
};

// \P, \X and \N (columns are not laid out), and a line break, end a paragraph. Codes the
// viewer does not know are dropped, to their ';' when they seem to take an argument.
std::vector<TParagrafo> AnalisaTextoM(std::u32string_view texto, const TFormato& inicial);

// The characters drawn: codes resolved, whitespace and line breaks left out; a stacked
// run counts both parts, not the bar.
std::size_t ContaCaracteresM(std::u32string_view texto);
// Likewise for a TEXT or ATTRIB string (after DecodificaTexto): every non-blank character.
std::size_t ContaCaracteresTexto(std::u32string_view texto);
