#pragma once

// The scene's texts in OpenGL: each glyph's triangles once in a buffer, drawn once per
// glyph for all its places by instancing (OpenGL 3.3), or, without it, every placed glyph's
// triangles made once into memory.

#include "Cena.h"
#include "ProgramaGL.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TGlifosGL {
  public:
    // Copies the scene's glyphs and their instances into the current context.
    explicit TGlifosGL(const TCena& cena);
    ~TGlifosGL();
    TGlifosGL(const TGlifosGL&) = delete;
    TGlifosGL& operator=(const TGlifosGL&) = delete;

    // Draws, unlit in their colours, the glyphs whose capitals are a pixel high or more at
    // the nearest point of `caixa` (relative to the scene's origin) under the current
    // matrices and viewport: texts too small to read anywhere cost nothing.
    // The glyphs of the layers marked in `ocultas` are left out.
    void Desenha(const TCaixaCena& caixa, const std::vector<bool>& ocultas = {}) const;
    int Chamadas() const;
    bool Instanciados() const { return programa_ != 0; }

  private:
    // The instances of one glyph in one height class.
    struct TGrupo {
        std::uint8_t Classe;
        std::uint16_t Camada;
        GLint Primeiro;
        GLsizei Vertices;
        std::size_t Instancia;
        GLsizei Instancias;
    };
    GLuint programa_ = 0, glifos_ = 0, instancias_ = 0;
    std::vector<TGrupo> grupos_;
    // Without instancing: every placed glyph's triangles, each with its height class.
    std::vector<TVerticeCena> expandidos_;
    std::vector<std::uint8_t> classes_;
    std::vector<std::uint16_t> camadas_;
};
