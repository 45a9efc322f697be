#pragma once

// The loaded drawing prepared once as single-precision floats and drawn with bare
// immediate-mode calls: the same primitives, colours, normals and insertion matrices as the
// viewer's paint, with nothing left to compute or convert. What a paint of the model costs
// the renderer alone: the floor the viewer's paint is measured against.

#include <GL/gl.h>

#include <array>
#include <optional>
#include <vector>

class TDesenhoPronto {
  public:
    // Prepares the model's global lists as the viewer's paint would draw them.
    TDesenhoPronto();

    // Draws everything into the current context, in the paint's order.
    void Desenha() const;

    // Triangles sent per paint (degenerate ones included), and vertices.
    long long Triangulos() const { return triangulos_; }
    long long Vertices() const { return vertices_; }

    using Vertice = std::array<float, 3>;

    struct Face {
        enum class Cor : unsigned char { Padrao, Propria, Mantem } modoCor;
        Vertice cor, normal;
        int cantos; // 3 or 6
        std::array<Vertice, 6> v;
    };

    struct Listas {
        std::vector<Face> faces;
        std::vector<std::array<Vertice, 2>> linhas;
        std::vector<std::vector<Vertice>> arcos, circulos;
        std::vector<std::array<Vertice, 3>> triangulosPoly;
    };

    struct Insercao {
        std::optional<Vertice> translada, escala, cor;
        std::optional<std::array<float, 4>> gira;
        int bloco;
    };

  private:
    void Conta(const Listas& listas, long long vezes);

    Listas principal_;
    std::vector<Listas> blocos_;
    std::vector<Insercao> insercoes_;
    long long triangulos_ = 0, vertices_ = 0;
};
