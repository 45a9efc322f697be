#pragma once

// Drawing of the model's entity lists into the current OpenGL context, in immediate mode,
// the block lookup, and the selection probe. Every routine expects the view's context to be
// current with the model-view matrix as the current matrix.

#include "Entidades.h"

#include <array>
#include <string>
#include <vector>

// Each face in its own colour (grey-blue when it has none, the current colour for the
// "keep colour" marker), two triangles split along P0-P2; a three-cornered face gives one.
void ExibeFaces3D(const TList<TFace3D>& faces);

// Every line in red.
void ExibeLinhas(const TList<TLinha>& linhas);

// Red fans stepped every 0.157 rad counter-clockwise from the start angle to the end angle.
void ExibeArcos(const TList<TArco>& arcos);

// Red 14-sided discs.
void ExibeCirculos(const TList<TCirculo>& circulos);

// Which polylines are drawn: by default only polyface meshes; on the user's request also the
// others, as lines through their vertices.
enum class TPolilinhas { SoMalhasPoliface, Todas };

// The face records of polyface meshes, in the current colour. With TPolilinhas::Todas, the
// other polylines too, as lines in the current colour: a 2D or 3D polyline through its
// vertices (closed when its flag 1 says so), a polygon mesh as its M x N grid (closed in M by
// flag 1, in N by flag 32).
void ExibePolyLines(const TList<TPolyLine>& polylines,
                    TPolilinhas quais = TPolilinhas::SoMalhasPoliface);

// Every insertion of the global Inserts, its block placed by its point, rotation and scale.
// `quais` says which of the block's polylines are drawn.
void ExibeInserts(TPolilinhas quais = TPolilinhas::SoMalhasPoliface);

// The first block of the global Blocos with exactly this name, or null.
const TBloco* ProcuraBloco(const std::string& nome);

// Tests the line through S and E (in the current model-view space) against the 3D faces of
// every inserted block and marks each crossing inside a face with a white sphere.
void TestaSelecao(const TPonto3D& S, const TPonto3D& E);

// The same test and markers for triangles (three corners, nine floats each) placed by the
// current model-view matrix: the faces a full drawing's insertions place.
void TestaSelecaoEmTriangulos(const TPonto3D& S, const TPonto3D& E,
                              const std::vector<std::array<float, 9>>& triangulos);
