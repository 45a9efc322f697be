#pragma once

#include "Nome.h"
#include "Real.h"
#include "TList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The classes of one drawing. Plain data: every number starts at 0, every string empty,
// every optional point or colour absent until the reader meets its group.
//
// Fields after a "full drawing" comment are what a CAD program also reads of an element and
// the "Desenho completo" mode draws; the default picture never uses them. The reader takes
// them leniently: a value that is not a number leaves the field as it was.

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
    // Full drawing: group 62 as written (negative: the layer is off), flags 70 (1: frozen),
    // true colour 420 (0xRRGGBB, -1 none).
    std::optional<std::int32_t> IndiceCor;
    std::int32_t Flags = 0;
    std::int32_t CorVerdadeira = -1;
    // Full drawing: line type 6, line weight 370 (hundredths of a millimetre; -3 default).
    std::string TipoDeLinha;
    std::int16_t EspessuraDeLinha = -3;
};

struct TEntidade {
    TNome Camada; // layer names repeat over thousands of elements: each is kept once
    std::optional<TCor> Cor;
    // Full drawing: group 62 as written (256 ByLayer, also when absent; 0 ByBlock), true
    // colour 420 (0xRRGGBB, -1 none), paper space (67 = 1), invisible (60 = 1).
    std::int16_t IndiceCor = 256;
    bool EspacoPapel = false;
    bool Invisivel = false;
    std::int32_t CorVerdadeira = -1;
    // Line type 6 (empty: ByLayer), its scale 48, line weight 370 (hundredths of a
    // millimetre; -1 ByLayer, also when absent, -2 ByBlock, -3 the default).
    std::int16_t EspessuraDeLinha = -1;
    TNome TipoDeLinha;
    float EscalaTipoDeLinha = 1;
};

// The extrusion direction of a planar element when the file gives none.
inline TPonto3D EixoZ() {
    return TPonto3D{Real{}, Real{}, Real{1}};
}

struct TFace3D : TEntidade {
    TListCurta<TPonto3D, 4> Pontos; // one per corner group, in file order (normally 4)
};

struct TLinha : TEntidade {
    std::optional<TPonto3D> P1, P2;
    // Full drawing: thickness 39 along the extrusion 210/220/230.
    Real Espessura{};
    TPonto3D Extrusao = EixoZ();
};

// Centre, radius and angles in the element's object coordinate system (OCS).
struct TArco : TEntidade {
    std::optional<TPonto3D> Centro;
    Real Raio, AngIni, AngFim; // angles in degrees, as in the file
    // Full drawing: thickness 39, extrusion 210/220/230.
    Real Espessura{};
    TPonto3D Extrusao = EixoZ();
};

struct TCirculo : TEntidade {
    std::optional<TPonto3D> Centro;
    Real Raio;
    // Full drawing: thickness 39, extrusion 210/220/230.
    Real Espessura{};
    TPonto3D Extrusao = EixoZ();
};

struct TVertice : TEntidade {
    std::optional<TPonto3D> Ponto;
    // Full drawing: start and end width 40/41, bulge 42, flags 70 (8: made by spline
    // fitting, 16: spline frame control point, 64: polyface mesh vertex, 128: face record).
    Real LarguraIni{}, LarguraFim{}, Bulge{};
    std::int32_t FlagsVertice = 0;
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
    // Full drawing: thickness 39, default widths 40/41, extrusion 210/220/230.
    Real Espessura{}, LarguraIni{}, LarguraFim{};
    TPonto3D Extrusao = EixoZ();
};

struct TInsert : TEntidade {
    std::string NomeBloco;
    std::optional<TPonto3D> Ponto;
    std::optional<TPonto3D> Extrusao; // axis of the rotation
    Real EscalaX = 1, EscalaY = 1, EscalaZ = 1;
    Real Rotacao; // degrees
    std::int32_t NumColunas = 0, NumLinhas = 0;
    Real EspColunas, EspLinhas; // spacing of the columns and rows of an array
    // Full drawing: whether any of the groups 210/220/230 was read into Extrusao (which the
    // rotation group 50 also sets); without them the insertion's OCS is the world's.
    bool ExtrusaoLida = false;
};

// ---- Kinds that only the full drawing reads ----

// ELLIPSE: centre, end of the major axis relative to the centre (group 11), minor-to-major
// ratio 40, start and end parameters 41/42 in radians (0 to 2 pi: whole).
struct TElipse : TEntidade {
    TPonto3D Centro, EixoMaior;
    Real Razao = 1, ParamIni, ParamFim = 6.283185307179586;
    TPonto3D Extrusao = EixoZ();
};

// SPLINE: a NURBS curve (degree 71, knots 40, weights 41, control points 10), or only fit
// points (11) when the file gives no control points. Flags 70: 1 closed, 2 periodic,
// 4 rational, 8 planar.
struct TSpline : TEntidade {
    std::int32_t Grau = 0, Flags = 0;
    std::vector<Real> Nos, Pesos;
    std::vector<TPonto3D> Controle, Ajuste;
    TPonto3D Extrusao = EixoZ();
};

// One vertex of a light-weight polyline: X, Y in the OCS, widths 40/41, bulge 42.
struct TVerticeLeve {
    Real X, Y;
    Real LarguraIni, LarguraFim, Bulge;
};

// LWPOLYLINE: flags 70 (1 closed, 128 line type through the vertices), constant width 43,
// elevation 38, thickness 39, extrusion 210/220/230.
struct TPolyLineLeve : TEntidade {
    std::vector<TVerticeLeve> Vertices;
    std::int32_t Flags = 0;
    Real LarguraConstante, Elevacao, Espessura;
    TPonto3D Extrusao = EixoZ();
};

// SOLID and TRACE: four corners 10 to 13 in the OCS, filled in the order 1, 2, 4, 3; a
// missing fourth corner repeats the third.
struct TSolido : TEntidade {
    std::array<TPonto3D, 4> Cantos{};
    std::int32_t NumCantos = 0; // corner groups read
    bool Traco = false;         // TRACE rather than SOLID
    Real Espessura;
    TPonto3D Extrusao = EixoZ();
};

// POINT: its place 10 in world coordinates, thickness 39 along the extrusion.
struct TPontoDXF : TEntidade {
    TPonto3D Ponto;
    Real Espessura;
    TPonto3D Extrusao = EixoZ();
};

// MESH (base level): vertices 10, and the face list 93 as written: for each face its number
// of corners, then the corners' vertex indices from 0.
struct TMalha : TEntidade {
    std::vector<TPonto3D> Vertices;
    std::vector<std::int32_t> Faces;
};

// DIMENSION (and ARC_DIMENSION): drawn from its anonymous block (group 2), which holds the
// dimension's geometry in world coordinates.
struct TCota : TEntidade {
    std::string NomeBloco;
    TNome Tipo; // the record's name
};

// The dimension-style variables a leader is drawn with, each unset where the style or the
// override does not give it: DIMSCALE 40, DIMASZ 41 (arrow size), DIMTAD 77 (text above the
// line), DIMGAP 147, DIMLDRBLK 341 (the handle of the arrow's block record; none: the
// closed filled arrow).
struct TVariaveisDeCota {
    std::optional<Real> Escala, TamanhoSeta, Folga;
    std::optional<std::int32_t> TextoAcima;
    std::optional<std::string> BlocoDaSeta;
};

// An entry of the DIMSTYLE table.
struct TEstiloDeCota {
    std::string Nome;
    TVariaveisDeCota Variaveis;
};

// LEADER: its vertices 10, in world coordinates; its dimension style 3 with the overrides
// of its extended data ("ACAD" "DSTYLE"); arrowhead 71 (1: drawn), path 72 (1: a spline
// through the vertices), annotation 73 (0: text), hook line 75 (1: drawn) and its sense 74
// along the horizontal direction 211/221/231, the annotation's width 41.
struct TLider : TEntidade {
    std::vector<TPonto3D> Vertices;
    std::string Estilo;
    TVariaveisDeCota Substituicoes;
    std::int32_t ComSeta = 1, Caminho = 0, Anotacao = 3, SentidoDoGancho = 0, ComGancho = 0;
    Real LarguraDoTexto;
    TPonto3D Horizontal{Real(1), Real{}, Real{}};
};

// TEXT and ATTRIB: the string 1 as the file's bytes, style 7, first point 10 and alignment
// point 11 in the OCS, height 40, rotation 50 and oblique angle 51 in degrees, width factor 41
// (absent: the style's), mirror flags 71 (2 backwards, 4 upside down), horizontal alignment
// 72 and vertical 73 (an attribute's 74), thickness 39. An attribute's flags 70 (1: hidden).
struct TTexto : TEntidade {
    std::string Texto, Estilo;
    TPonto3D Ponto;
    std::optional<TPonto3D> Alinhamento;
    Real Altura, Rotacao, Espessura;
    std::optional<Real> FatorLargura, Obliquo;
    std::int32_t Espelho = 0, AlinhamentoH = 0, AlinhamentoV = 0, FlagsAtributo = 0;
    bool Atributo = false;
    TPonto3D Extrusao = EixoZ();
};

// MTEXT: the string (groups 3 then 1, in file order) with its formatting codes, style 7,
// insertion point 10 and X direction 11 in world coordinates (else rotation 50 in the OCS),
// height 40, reference width 41 (0: no wrapping), attachment 71 (1 top left to 9 bottom
// right), line spacing factor 44.
struct TTextoM : TEntidade {
    std::string Texto, Estilo;
    TPonto3D Ponto;
    std::optional<TPonto3D> Direcao;
    Real Altura, Largura, Rotacao, Espacamento = 1;
    std::int32_t Anexo = 1;
    TPonto3D Extrusao = EixoZ();
};

// One edge of a hatch boundary (OCS): 72 is 1 a line from A (10) to B (11), 2 a circular arc
// (centre A, radius 40, angles 50/51 in degrees, counter-clockwise 73), 3 an elliptic arc
// (centre A, major axis end B relative to it, ratio 40, angles 50/51, 73), 4 a spline
// (degree 94, knots 40, control points 10, weights 42, fit points 11).
struct TArestaDeHachura {
    std::int32_t Tipo = 1, AntiHorario = 1, Grau = 3;
    TPonto3D A, B;
    Real Raio, AngIni, AngFim;
    std::vector<Real> Nos, Pesos;
    std::vector<TPonto3D> Controle, Ajuste;
};

// A boundary path: flags 92 (1 external, 2 polyline, 16 outermost); a polyline path's
// vertices 10/20 with bulges 42 (closed unless 73 is 0), or the path's edges.
struct TCaminhoDeHachura {
    std::int32_t Flags = 0;
    bool Fechado = true;
    std::vector<TVerticeLeve> Vertices;
    std::vector<TArestaDeHachura> Arestas;
};

// One line family of a hatch pattern, scale and angle already applied: angle 53, base point
// 43/44, offset 45/46 between lines, dash lengths 49 (negative: a gap, 0: a dot).
struct TLinhaDePadrao {
    Real Angulo, BaseX, BaseY, DeslX, DeslY;
    std::vector<Real> Tracos;
};

// HATCH (and MPOLYGON): pattern name 2, solid fill 70, hatch style 75 (0 normal: islands
// alternate, 1 outer: only the outermost island, 2 ignore), gradient 450 and its first true
// colour 421, elevation 30, boundary paths and pattern lines.
struct THachura : TEntidade {
    std::string Padrao;
    std::int32_t Solida = 0, Estilo = 0, Gradiente = 0, CorDoGradiente = -1;
    Real Elevacao;
    std::vector<TCaminhoDeHachura> Caminhos;
    std::vector<TLinhaDePadrao> Linhas;
    TPonto3D Extrusao = EixoZ();
};

// An entry of the STYLE table: name 2, flags 70, fixed height 40, width factor 41, oblique
// angle 50, text generation 71 (2 backwards, 4 upside down), font file 3, and the TrueType
// family and its bold/italic flags from the extended data ("ACAD" 1000, 1071).
struct TEstiloDeTexto {
    std::string Nome, Fonte, Familia;
    std::int32_t Flags = 0, Geracao = 0, FlagsDaFamilia = 0;
    Real Altura, FatorLargura = 1, Obliquo;
};

// An entry of the LTYPE table: name 2, the pattern's length 40, its dashes 49 (negative: a
// gap, 0: a dot).
struct TTipoDeLinha {
    std::string Nome;
    Real Comprimento;
    std::vector<Real> Tracos;
};

// An element of a kind the full drawing does not draw, kept to be counted.
struct TNaoDesenhado : TEntidade {
    TNome Tipo; // the record's name, such as "3DSOLID"
};

// ---- The element lists, one definition for the drawing's top level and its blocks ----

struct TElementos {
    // The kinds of the default picture.
    TList<TFace3D> Faces3D;
    TList<TLinha> Linhas;
    TList<TArco> Arcos;
    TList<TCirculo> Circulos;
    TList<TPolyLine> PolyLines;
    TList<TInsert> Inserts; // in a block: nested insertions, drawn only by the full drawing
    // The full drawing's own kinds.
    TList<TLinha> Linhas3D; // 3DLINE
    TList<TElipse> Elipses;
    TList<TSpline> Splines;
    TList<TPolyLineLeve> PolyLinesLeves;
    TList<TSolido> Solidos;
    TList<TPontoDXF> Pontos;
    TList<TMalha> Malhas;
    TList<TCota> Cotas;
    TList<TLider> Lideres;
    TList<TTexto> Textos; // TEXT and ATTRIB
    TList<TTextoM> TextosM;
    TList<THachura> Hachuras;
    TList<TNaoDesenhado> NaoDesenhados;
};

struct TBloco : TEntidade {
    std::string Nome;
    std::string NomeDoGrupo2; // full drawing: group 2's name, where group 3 names it again
    std::int32_t Flags = 0;
    std::optional<TPonto3D> Base;
    TElementos Elementos;
};
