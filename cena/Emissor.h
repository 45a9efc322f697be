#pragma once

// What the walk hands the scene: primitives in world coordinates, stored relative to the
// scene's origin as floats, within the budget of vertices and visits, with the measures of
// what was drawn.

#include "Cena.h"
#include "Cores.h"
#include "Escolha.h"
#include "Matriz.h"
#include "TiposDeLinha.h"

#include <cstdint>
#include <string>
#include <vector>

class TEmissor {
  public:
    TEmissor(TCena& cena, const TOpcoesDaCena& opcoes);

    // True once a budget ran out: nothing more is added and the walk should end.
    bool Parado() const { return parado_; }
    // Counts one element looked at or one copy of a block placed; false (and stops the walk)
    // past the budget of visits.
    bool Visita();

    // The line type of the element being drawn (none: continuous) and its scale: the
    // element's own curves (segments marked `medido`) are dashed by it.
    void DefineTracejado(const TTracejado* tracejado, double escala) {
        tracejado_ = tracejado;
        escalaDoTracejado_ = escala;
    }

    // The line weight of the element being drawn, in hundredths of a millimetre.
    void DefineEspessura(std::uint8_t espessura) { espessura_ = espessura; }
    // The effective layer of the element being drawn (an index into TCena::Camadas).
    void DefineCamada(std::uint16_t camada) { camada_ = camada; }

    // While a pick decomposes elements again: the primitives go to `busca` instead of the
    // scene, each with the element that drew it.
    void Busca(TBusca* busca) { busca_ = busca; }
    TBusca* Busca() const { return busca_; }
    void DefineElemento(const TEntidade& e, const TCamada* camada, TRGB cor) {
        if (busca_) busca_->Elemento(e, camada, cor);
    }
    // The world box of what was drawn since the last IniciaElemento.
    void IniciaElemento() { caixaDoElemento_ = {}; }
    const TCaixaCena& CaixaDoElemento() const { return caixaDoElemento_; }

    // A primitive whose vertex is not finite, or lands beyond what a float holds relative to
    // the origin, is dropped. `medido`: part of the element's own curve or face (counted in
    // ExtremosMedidos), not of its extrusion.
    void Segmento(const TP3& a, const TP3& b, TRGB cor, bool medido);
    // Segments through consecutive points.
    void Poligonal(const std::vector<TP3>& pontos, TRGB cor, bool medido);
    // One lit triangle with this normal (zero when it has none); `sonda`: also one of the
    // faces the selection probe tests.
    void Triangulo(const TP3& a, const TP3& b, const TP3& c, const TP3& normal, TRGB cor,
                   bool medido, bool sonda);
    void Ponto(const TP3& p, TRGB cor, bool medido);
    // A point of an element's own outline that is measured but not drawn (a hatch's
    // boundary): it widens ExtremosMedidos only.
    void Medido(const TP3& p);

    // One glyph `glifo` of the scene's table placed at o with the glyph unit's vectors u and
    // v (world), its capitals `altura` high; its corners widen Extremos only (texts are left
    // out of the measured extents).
    void Glifo(std::uint32_t glifo, const TP3& o, const TP3& u, const TP3& v, double altura,
               TRGB cor, const std::array<float, 4>& caixa);

    // Adds one drawn element of `tipo` with the length of its curve and the area of its faces.
    void Mede(const std::string& tipo, double comprimento, double area);
    // Adds one drawn text of `tipo` with its characters.
    void MedeTexto(const std::string& tipo, long long caracteres);

    // Sets the scene's message unless a budget's message is already there.
    void Avisa(const std::string& mensagem);

  private:
    bool Cabe(long long vertices);
    void SegmentoContinuo(const TP3& a, const TP3& b, TRGB cor, bool medido);
    void ContaNaCamada();
    // Lays the current line type along the curve; false when it is drawn continuous.
    bool Tracejada(const std::vector<TP3>& pontos, TRGB cor);
    bool Relativo(const TP3& p, float (&r)[3]) const;
    // A drawn point: in the extents, the element's box and, when `medido`, the measured ones.
    void Inclui(const TP3& p, bool medido);
    void Para(const std::string& mensagem);

    TCena& cena_;
    const TOpcoesDaCena& opcoes_;
    long long visitas_ = 0;
    bool parado_ = false;
    const TTracejado* tracejado_ = nullptr;
    double escalaDoTracejado_ = 1;
    std::uint8_t espessura_ = EspessuraPadrao;
    std::uint16_t camada_ = 0;
    TBusca* busca_ = nullptr;
    TCaixaCena caixaDoElemento_;
    std::vector<TP3> tracos_, pontosDoTracejado_;
};

// v as a unit vector, or zero when it is zero or not finite.
TP3 Unitario(const TP3& v);
// The unit normal of a triangle, or zero when it has no area (or no finite normal).
TP3 NormalDoTriangulo(const TP3& a, const TP3& b, const TP3& c);
// The area of a triangle.
double AreaDoTriangulo(const TP3& a, const TP3& b, const TP3& c);
// The total length of segments through consecutive points.
double ComprimentoDe(const std::vector<TP3>& pontos);
