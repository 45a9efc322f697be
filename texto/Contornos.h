// A glyph's outline as straight contours, and those contours as triangles. Internal to
// TFontes; FreeType's types stay out of the public headers.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <array>
#include <vector>

using TContorno = std::vector<std::array<double, 2>>;

// The outline's contours with its Béziers flattened to within `tolerancia` (font units).
std::vector<TContorno> ContornosDoContorno(FT_Outline& contorno, double tolerancia);

// The filled area of `contornos` (odd winding when `parImpar`, else nonzero) as triangles,
// each counter-clockwise, coordinates multiplied by `escala`.
std::vector<std::array<float, 2>> Triangula(const std::vector<TContorno>& contornos, bool parImpar,
                                            double escala);
