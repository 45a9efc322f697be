#pragma once

// The scene's output to OpenGL: the triangles, segments and points of a TCena held in buffer
// objects of the current context (vertex arrays in memory where buffer objects are
// missing), drawn with a few calls whatever the number of elements.

#include "Cena.h"

#include <memory>

class TCenaGL {
  public:
    // Copies the scene's vertices into the current context. The context must stay current
    // whenever the object is drawn or destroyed.
    explicit TCenaGL(const TCena& cena);
    ~TCenaGL();
    TCenaGL(const TCenaGL&) = delete;
    TCenaGL& operator=(const TCenaGL&) = delete;

    // Draws into the current context with the current matrices, the vertices taken relative
    // to the scene's origin: triangles lit from both sides in their colours (colour
    // material), segments and points unlit. Every GL state it changes is given back.
    void Desenha() const;

    // Draw calls one Desenha makes.
    int ChamadasDeDesenho() const;
    // Whether the vertices live in buffer objects (false: client-side vertex arrays).
    bool EmBuffers() const;

  private:
    struct Dados;
    std::unique_ptr<Dados> dados_;
};
