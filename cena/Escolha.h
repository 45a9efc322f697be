#pragma once

// Picking in the full drawing: which element was drawn nearest to a world point. The
// scene keeps the world box of what each top-level element drew; the elements whose box
// holds the point are decomposed again by the same walk, each primitive measured against
// the point instead of stored. No Qt and no OpenGL.

#include "Cena.h"
#include "Cores.h"
#include "Matriz.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TElementoEscolhido {
    // The kind as the file names it ("LINE", "3DFACE", "TEXT", "POLYLINE2D"...); a
    // dimension's or a leader's parts are the DIMENSION or the LEADER.
    std::string Tipo;
    // The block of the top-level insertion the element belongs to; empty at the top level.
    std::string Bloco;
    std::string Camada; // its effective layer
    std::string Cor;    // how its colour is given, as DescricaoDaCor says it
    TRGB CorResolvida;
    double Distancia = 0; // from the point to the nearest of its primitives, world units
};

// The element drawn nearest to `ponto` (world coordinates), no further than `raio`, among
// those `cena` (the scene made of `desenho` with `opcoes`) holds, leaving out the layers
// whose index `oculta` names; nullopt when there is none.
std::optional<TElementoEscolhido> EscolheElemento(const TDesenho& desenho,
                                                  const TOpcoesDaCena& opcoes, const TCena& cena,
                                                  const TP3& ponto, double raio,
                                                  const std::function<bool(std::size_t)>& oculta);

// What the walk measures while a pick decomposes elements again: each primitive's distance
// to the point, the nearest within the radius kept with the element that drew it.
class TBusca {
  public:
    // `oculta` takes a layer's index in the scene being made.
    TBusca(const TP3& ponto, double raio, std::function<bool(std::uint16_t)> oculta);

    // The top-level element being drawn: its kind and, for an insertion, its block.
    void Topo(const char* tipo, const std::string* bloco);
    // The element (innermost) whose primitives follow, its effective layer and colour.
    void Elemento(const TEntidade& e, const TCamada* camada, TRGB cor);
    // The kind the walk measured the current element as.
    void Tipo(const std::string& tipo);

    void Segmento(const TP3& a, const TP3& b, std::uint16_t camada);
    void Triangulo(const TP3& a, const TP3& b, const TP3& c, std::uint16_t camada);
    void Ponto(const TP3& p, std::uint16_t camada);
    // The parallelogram o + s u + t v for s, t within the box (a placed glyph).
    void Paralelogramo(const TP3& o, const TP3& u, const TP3& v, const std::array<float, 4>& caixa,
                       std::uint16_t camada);

    // The nearest, its layer named by the scene's list `camadas`.
    std::optional<TElementoEscolhido> Resultado(const std::vector<std::string>& camadas) const;

  private:
    void Candidato(double distancia, std::uint16_t camada);

    TP3 ponto_;
    double raio_;
    std::function<bool(std::uint16_t)> oculta_;
    const char* tipoDoTopo_ = "";
    const std::string* blocoDoTopo_ = nullptr;
    const TEntidade* entidade_ = nullptr;
    const TCamada* camadaDaEntidade_ = nullptr;
    TRGB cor_;
    std::string tipo_;
    long long serie_ = 0;
    struct TMelhor {
        double Distancia;
        long long Serie;
        std::uint16_t Camada;
        const char* TipoDoTopo;
        const std::string* Bloco;
        const TEntidade* Entidade;
        const TCamada* CamadaDaEntidade;
        TRGB Cor;
        std::string Tipo;
    };
    std::optional<TMelhor> melhor_;
};

// The distance from p to the segment ab, the triangle abc.
double DistanciaAoSegmento(const TP3& p, const TP3& a, const TP3& b);
double DistanciaAoTriangulo(const TP3& p, const TP3& a, const TP3& b, const TP3& c);
