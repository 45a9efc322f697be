// The fonts of a scene: a DXF text style's font as a font of this system (through
// fontconfig), and its glyphs as triangles (FreeType outlines tessellated by GLU).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

// A DXF style's font file (group 3: "arial.ttf", "romans.shx", "txt", "" ...) or a family
// name (MTEXT's \f, a style's extended data), which wins when given.
struct TPedidoDeFonte {
    std::string Arquivo;
    std::string Familia;
    bool Negrito = false, Italico = false;
};

// A glyph in units of its font's capital height (DXF text height is the capitals' height),
// origin on the baseline at the pen.
struct TGlifo {
    std::vector<std::array<float, 2>> Triangulos; // 3 vertices a triangle, counter-clockwise
    float Avanco = 0;
};

// One per scene; not thread-safe. Faces and glyphs are made once and kept while it lives.
class TFontes {
  public:
    TFontes();
    ~TFontes();
    TFontes(const TFontes&) = delete;
    TFontes& operator=(const TFontes&) = delete;

    // The face for a request, resolved once. TrueType files go by the family of their name
    // (fontconfig's aliases find "arial" in Liberation Sans), SHX fonts to DejaVu Sans
    // ("monotxt" to a monospace), nothing found to fontconfig's sans-serif; with no font at
    // all, a face whose glyphs are empty and 0.6 wide.
    int Face(const TPedidoDeFonte& pedido);

    // The glyph of `c`, from another face that has it when `face` lacks it (at that face's
    // own capital height); a character no font has is empty and as wide as a space. Tab is
    // four spaces; other control characters are empty and of no width. The reference lives
    // as long as this object.
    const TGlifo& Glifo(int face, char32_t c);

    // How far below the baseline the face's descender line is, in capital heights (> 0).
    double Descendente(int face) const;
    // The face's font file and family, empty for the empty face.
    std::string Arquivo(int face) const;
    std::string Familia(int face) const;

  private:
    struct TDados;
    std::unique_ptr<TDados> Dados;
};
