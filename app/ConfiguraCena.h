#pragma once

// The OpenGL state, lights and material the drawing is shown with.
void ConfiguraCena();

// While it lives, faces show from both sides, a face seen from behind in its own colour and
// lit as one seen from the front: no culling, two-sided lighting, colour material on both
// sides. Made after ConfiguraCena; its end gives back ConfiguraCena's state.
class FacesDosDoisLados {
  public:
    FacesDosDoisLados();
    ~FacesDosDoisLados();
    FacesDosDoisLados(const FacesDosDoisLados&) = delete;
    FacesDosDoisLados& operator=(const FacesDosDoisLados&) = delete;
};
