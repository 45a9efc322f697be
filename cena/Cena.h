#pragma once

// The "Desenho completo" scene: a drawing decomposed, in one walk over its model space, into
// what a renderer draws (lit triangles, line segments and points, each vertex with its
// resolved colour), with the measures of what was drawn. No Qt and no OpenGL: the outputs
// that draw a scene live elsewhere.

#include "Modelo.h"
#include "Vertices.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// An axis-aligned box in world coordinates; empty until a point is added.
struct TCaixaCena {
    std::array<double, 3> Min{1e308, 1e308, 1e308}, Max{-1e308, -1e308, -1e308};

    bool Vazia() const { return Min[0] > Max[0]; }
    void Inclui(double x, double y, double z);
    void Inclui(const TCaixaCena& outra);
    // The box's diagonal (0 when empty or a single point).
    double Tamanho() const;
    std::array<double, 3> Centro() const;
};

// What was drawn of one entity kind, after every insertion was expanded: how many, the
// length of their curves and the area of their faces, in world units.
struct TMedidaDoTipo {
    long long N = 0;
    double Comprimento = 0, Area = 0;
    long long Caracteres = 0; // of texts: the characters drawn, blanks left out
};

// One glyph as it is placed in the scene: its corner at the glyph's origin and the world
// vectors of one glyph unit along its X and Y (relative to the scene's origin), its colour,
// and the height class of its capitals: k for a capital height from 2^(k-64) to 2^(k-63)
// world units, which lets an output leave out texts smaller than a pixel.
struct TInstanciaDeGlifo {
    float O[3], U[3], V[3];
    std::uint8_t R, G, B;
    std::uint8_t Classe;
};

struct TCena {
    // The world point every vertex is relative to, kept in double: a float holds it exactly.
    std::array<double, 3> Origem{};
    TVerticesCena Triangulos; // three vertices per triangle, lit from both sides
    TVerticesCena Segmentos;  // two vertices per line segment, not lit
    TVerticesCena Pontos;     // one vertex per point, not lit
    // Texts: each glyph's triangles once (three points each, in glyph units; glyph 0 is the
    // unit square, for underlines and fraction bars), and where it is placed, unlit.
    std::vector<std::vector<std::array<float, 2>>> Glifos{
        {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}}};
    std::vector<TInstanciaDeGlifo> Instancias;
    std::vector<std::uint32_t> GlifoDaInstancia; // beside Instancias

    // The effective layer of each triangle, segment, point and placed glyph, as an index
    // into Camadas (the layer table's names in order, then names the table lacks), and how
    // many elements each layer drew: what lets an output hide a layer without a new scene.
    std::vector<std::string> Camadas;
    std::vector<long long> ElementosPorCamada;
    std::vector<std::uint16_t> CamadaDosTriangulos, CamadaDosSegmentos, CamadaDosPontos,
        CamadaDasInstancias;

    // The box (relative to Origem, widened to the nearest floats outside it) of what each
    // top-level element of the model space drew, by its place in the walk's order: where a
    // pick looks before it makes an element's primitives again.
    struct TCaixaDoElemento {
        std::uint32_t Ordem;
        float Min[3], Max[3];
    };
    std::vector<TCaixaDoElemento> CaixasDosElementos;

    // The 3D faces that insertions place, as triangles relative to Origem (nine floats each):
    // what the selection probe tests.
    std::vector<std::array<float, 9>> FacesDeInsercoes;

    // Every vertex drawn (extrusions by thickness included), in world coordinates.
    TCaixaCena Extremos;
    // The elements' own curves and faces (thickness left out), as the measures count them.
    TCaixaCena ExtremosMedidos;

    // By kind name as a DXF file writes it ("LINE", "3DFACE"; POLYLINE as "POLYLINE2D",
    // "POLYLINE3D", "POLYFACE" or "POLYMESH").
    std::map<std::string, TMedidaDoTipo> Tipos;
    // Kinds met in the model space but not drawn (ACIS bodies, images, texts until they are
    // drawn...), with how many there are after expansion.
    std::map<std::string, long long> Ignorados;

    // The chord tolerance curves were cut with, in world units.
    double Tolerancia = 0;
    // Set when the walk stopped short (the budget of vertices reached): the user's message.
    std::optional<std::string> Aviso;
};

struct TOpcoesDaCena {
    // Most vertices of all kinds a scene may hold (28 bytes each).
    long long LimiteDeVertices = 20'000'000;
    // Deepest nesting of insertions followed.
    int ProfundidadeMaxima = 64;
    // Chord tolerance as a share of the drawing's size.
    double ToleranciaRelativa = 1e-4;
    // Most segments one curve is cut into.
    int MaximoDeSegmentos = 4096;
    // Most elements looked at and block copies placed, drawn or not: bounds the time an
    // array of empty or hidden blocks can take.
    long long LimiteDeVisitas = 20'000'000;
    // Most dashes and dots one hatch's pattern may make; a denser pattern draws the hatch's
    // boundary instead.
    long long LimiteDeTracosDaHachura = 200'000;
    // Layers that are off or frozen but drawn all the same (names in upper case): those the
    // user turned on in the layer list.
    std::set<std::string> CamadasLigadas;
};

// Decomposes the model space of `desenho` (its top-level elements and what its insertions
// place, nested to any depth), skipping paper space, layers that are off or frozen and
// invisible elements.
TCena DecompoeDesenho(const TDesenho& desenho, const TOpcoesDaCena& opcoes = {});
