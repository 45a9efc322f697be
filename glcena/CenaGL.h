#pragma once

// The scene's output to OpenGL: the triangles, segments and points of a TCena held in buffer
// objects of the current context (vertex arrays in memory where buffer objects are
// missing), drawn with a few calls whatever the number of elements.

#include "Cena.h"

#include <memory>

// Where a TCenaGL keeps the vertices: in buffer objects when the context has them (else in
// memory), or in memory for client-side vertex arrays whatever the context has.
enum class TArmazenamentoGL { BuffersSePossivel, Memoria };

// How the faces are lit: by this program's own lighting program where the context runs one
// (OpenGL 2.0 and later: the same light, computed once per vertex for the side seen), or by
// OpenGL's two-sided lighting whatever the context has.
enum class TIluminacaoGL { PropriaSePossivel, DoOpenGL };

class TCenaGL {
  public:
    // Copies the scene's vertices into the current context (into memory where buffer objects
    // are missing or refused): the scene is not needed afterwards. The context must stay
    // current whenever the object is drawn or destroyed.
    explicit TCenaGL(const TCena& cena,
                     TArmazenamentoGL armazenamento = TArmazenamentoGL::BuffersSePossivel,
                     TIluminacaoGL iluminacao = TIluminacaoGL::PropriaSePossivel);
    // The same, freeing the scene's vertices piece by piece as they are copied, so that they
    // and their copy are never held whole at once: the scene's vertex lists are empty after.
    struct TLiberaVertices {};
    TCenaGL(TCena& cena, TLiberaVertices,
            TArmazenamentoGL armazenamento = TArmazenamentoGL::BuffersSePossivel,
            TIluminacaoGL iluminacao = TIluminacaoGL::PropriaSePossivel);
    ~TCenaGL();
    TCenaGL(const TCenaGL&) = delete;
    TCenaGL& operator=(const TCenaGL&) = delete;

    // Draws into the current context with the current matrices and lights, the vertices as
    // they are (relative to the scene's origin: the model-view places it): triangles lit from
    // both sides in their colours (colour material, ambient and diffuse, with the front
    // material's other terms), no culling;
    // segments and points unlit, points 3 pixels wide, segments one pixel wide or, with
    // `espessuras`, as wide as their line weight shows on screen; depth test as the caller
    // set it. Every GL state it changes is given back, the array buffer binding too.
    void Desenha(bool espessuras = false) const;

    // Shows or hides, from the next Desenha on, what the layer `camada` (an index into the
    // scene's Camadas) drew: nothing is sent again. Every layer shows at first.
    void MostraCamada(std::size_t camada, bool mostra);

    // Draw calls one Desenha makes: one per non-empty list, the segments one per line weight
    // (more only past 2^31 vertices).
    int ChamadasDeDesenho() const;
    // Whether the vertices live in buffer objects (false: client-side vertex arrays).
    bool EmBuffers() const;
    // Whether the faces are lit by the program's own lighting.
    bool IluminacaoPropria() const;

  private:
    struct Dados;
    std::unique_ptr<Dados> dados_;
};
