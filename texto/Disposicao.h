// Texts laid out in their own plane: which glyph goes where, the lines drawn with them,
// and the box they take.
#pragma once

#include "Fontes.h"
#include "TextoM.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct TGlifoPosto {
    int Face = 0;
    char32_t Caractere = 0;
    // From glyph units to the text's plane: x' = a x + b y + c, y' = d x + e y + f. A
    // mirrored text's matrix has a negative determinant, which turns its triangles clockwise.
    std::array<double, 6> Matriz{1, 0, 0, 0, 1, 0};
    std::optional<TCorDoTexto> Cor; // absent: the element's
};

// An underline, overline, strike-through or fraction bar: two triangles.
struct TTraco {
    std::array<std::array<double, 2>, 6> Triangulos{};
    std::optional<TCorDoTexto> Cor;
};

struct TDisposicao {
    std::vector<TGlifoPosto> Glifos;
    std::vector<TTraco> Tracos;
    // The box's corners in the plane, counter-clockwise from the bottom left of the text as
    // it reads; its width along the text and its height.
    std::array<std::array<double, 2>, 4> Caixa{};
    double Largura = 0, Altura = 0;
};

// TEXT and ATTRIB, in the OCS plane.
struct TTextoSimples {
    std::u32string Texto;
    double Altura = 0; // <= 0: nothing is drawn
    double FatorLargura = 1;
    double ObliquoGraus = 0;
    double RotacaoGraus = 0;
    bool EspelhoX = false /* 71 & 2 */, EspelhoY = false /* 71 & 4 */;
    int AlinhamentoH = 0;           // 72: 0 left 1 centre 2 right 3 aligned 4 middle 5 fit
    int AlinhamentoV = 0;           // 73: 0 baseline 1 bottom 2 middle 3 top
    std::array<double, 2> Ponto1{}; // 10
    std::optional<std::array<double, 2>> Ponto2; // 11
};

// As CAD programs place them: baseline-left at Ponto1 when both alignments are 0, else at
// the alignment point Ponto2; aligned (3) and fit (5) stretch from Ponto1 to Ponto2 (aligned
// keeps the proportions), turned to the line through them; middle (4) centres on the middle
// of the capitals; bottom is the descender line, top the capitals' top. The box spans the
// advances, from the descender line to the capitals' top.
TDisposicao DispoeTexto(TFontes& fontes, int face, const TTextoSimples& texto);

// MTEXT, in its own plane, before the direction's rotation and the move to the insertion
// point.
struct TTextoMSimples {
    std::u32string Texto;           // with its codes, through DecodificaTexto
    double Altura = 0;              // <= 0: nothing is drawn
    double LarguraDeReferencia = 0; // 41, 0 = no wrapping
    int Anexo = 1;                  // 71: 1 top-left ... 9 bottom-right
    double FatorEspacamento = 1;    // 44
    double FatorLarguraDoEstilo = 1;
    double ObliquoDoEstiloGraus = 0;
};

// Lines from the top down, baselines 5/3 of the height (times the factor) apart, wrapped at
// the reference width at spaces (a longer word stays whole); the box's attachment point at
// the origin. The box spans the reference width (else the longest line) and from the first
// line's capitals down to the last line's descender.
TDisposicao DispoeTextoM(TFontes& fontes, const TPedidoDeFonte& fonteDoEstilo,
                         const TTextoMSimples& texto);
