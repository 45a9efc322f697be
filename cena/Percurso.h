#pragma once

// The walk over a drawing's model space: one pass over its elements and, nested, the blocks
// its insertions place, each element handed to the emitter in world coordinates.

#include "Cena.h"
#include "Codificacao.h"
#include "Disposicao.h"
#include "Emissor.h"
#include "Fontes.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Where a list of elements is being drawn: the placement into the world and what an
// insertion hands down to its block's elements.
struct TContexto {
    TMatriz M;
    // The chord tolerance in the block's own units (the world's divided by the placement's
    // largest scale).
    double Tolerancia = 0;
    bool EmBloco = false;
    // The inserting entity's effective layer (for elements on layer 0) and resolved colour
    // (for ByBlock); at the top level no layer and white.
    const TCamada* Camada = nullptr;
    const std::string* NomeDaCamada = nullptr; // its name, also when the table lacks it
    TRGB CorDoBloco{};
    // The inserting entity's resolved line type (for ByBlock); none at the top level.
    const TTracejado* TracejadoDoBloco = nullptr;
    std::uint8_t EspessuraDoBloco = EspessuraPadrao; // likewise, its line weight
    int Profundidade = 0;
};

class TPercurso {
  public:
    // With `busca`, the primitives go to it instead of the scene.
    TPercurso(const TDesenho& desenho, const TOpcoesDaCena& opcoes, TCena& cena,
              TBusca* busca = nullptr);
    // The whole model space; the scene gets its origin, tolerance and elements' boxes.
    void Percorre();
    // Only the top-level elements at these places of the walk's order (ascending), with the
    // origin and tolerance the scene already has.
    void PercorreAlguns(const std::vector<std::uint32_t>& ordens);

  private:
    void Modelo();
    // At the top level: whether the element at the next place of the order is drawn.
    bool ProximoDoTopo();
    void GuardaCaixaDoElemento();
    // Bound of the drawing before the walk (for the tolerance and the origin).
    TCaixaCena Limite();
    TCaixaCena CaixaDoBloco(const TBloco& bloco, int profundidade);
    // Whether placing the block adds anything at all (an array of empty blocks is skipped
    // whole).
    bool TemConteudo(const TBloco& bloco, int profundidade = 0);
    void IncluiElementos(const TElementos& el, const TMatriz& m, TCaixaCena& caixa, bool emBloco,
                         int profundidade);

    void Elementos(const TElementos& el, const TContexto& c);
    // The element's effective layer and whether it is drawn; its colour in `cor`.
    bool Visivel(const TEntidade& e, const TContexto& c, const TCamada*& camada);
    // Also sets the element's line type in the emitter.
    bool Prepara(const TEntidade& e, const TContexto& c, TRGB& cor);
    bool Prepara(const TEntidade& e, const TContexto& c, TRGB& cor, const TCamada*& camada);
    // The line type an element draws with (ByLayer, ByBlock or its own), or null.
    const TTracejado* Tracejado(const TEntidade& e, const TCamada* camada, const TContexto& c);
    const TTracejado* TracejadoPorNome(const std::string& nome) const;
    // The line weight an element draws with (ByLayer, ByBlock, default or its own).
    static std::uint8_t Espessura(const TEntidade& e, const TCamada* camada, const TContexto& c);
    const TCamada* CamadaPorNome(const TNome& nome);
    // Whether a layer's elements are drawn: not off nor frozen, or turned on by the options;
    // a layer the table lacks (null) is.
    bool Mostrada(const TCamada* camada) const;
    // The first dimension style of this name, in any case; null when there is none.
    const TEstiloDeCota* EstiloDeCota(const std::string& nome) const;

    void Insercao(const TInsert& ins, const TContexto& c);
    void Cota(const TCota& cota, const TContexto& c);
    // What an insertion or dimension `quem` (effective layer `camada`) hands its block's
    // elements when it places them by `m`.
    TContexto Filho(const TEntidade& quem, const TContexto& c, const TCamada* camada,
                    const TMatriz& m);
    void Bloco(const TBloco& bloco, const TContexto& filho);

    // ElementosCurvas.cpp
    void Linha(const TLinha& l, const TContexto& c, const std::string& tipo);
    void Arco(const TArco& a, const TContexto& c);
    void Circulo(const TCirculo& a, const TContexto& c);
    void ArcoNoOCS(TRGB cor, const TContexto& c, const TP3& centro, double raio, double a0,
                   double a1, const TP3& extrusao, double espessura, const std::string& tipo);
    void Elipse(const TElipse& e, const TContexto& c);
    void Spline(const TSpline& s, const TContexto& c);
    // A curve cut by `pontos` at a tolerance (block coordinates), drawn and measured.
    void Curva(TRGB cor, const TContexto& c, const std::function<std::vector<TP3>(double)>& pontos,
               const std::string& tipo);
    void PolyLine(const TPolyLine& p, const TContexto& c);
    void Polilinha2D(TRGB cor, const TContexto& c, const std::vector<TVertice2D>& v, bool fechada,
                     double elevacao, const TP3& extrusao, double espessura,
                     const std::string& tipo);
    void Polilinha3D(const TPolyLine& p, const TContexto& c, TRGB cor);
    void PolyLineLeve(const TPolyLineLeve& p, const TContexto& c);
    // ElementosLider.cpp
    void Lider(const TLider& l, const TContexto& c);
    // The arrowhead `tamanho` long at the first of the leader's vertices `v` (block
    // coordinates): the block whose record has the handle `bloco`, else a closed filled one.
    void SetaDoLider(const TLider& l, const TContexto& c, TRGB cor, const std::vector<TP3>& v,
                     double tamanho, const std::optional<std::string>& bloco);
    void PontoDXF(const TPontoDXF& p, const TContexto& c);
    // ElementosHachura.cpp
    void Hachura(const THachura& h, const TContexto& c);
    // ElementosTexto.cpp
    void Texto(const TTexto& t, const TContexto& c);
    void TextoM(const TTextoM& t, const TContexto& c);
    // Places a text laid out in a plane of the block: origin o, unit axes x and y.
    void Disposicao(const TDisposicao& d, const TContexto& c, const TP3& o, const TP3& x,
                    const TP3& y, TRGB cor, const TCamada* camada);
    const TEstiloDeTexto* EstiloDeTexto(const std::string& nome) const;
    int FaceDoEstilo(const TEstiloDeTexto* estilo);
    TFontes& Fontes();
    // The sides that thickness sweeps from a curve (block coordinates) along `altura`.
    void Extrusao(const TContexto& c, const std::vector<TP3>& curva, const TP3& altura, TRGB cor);

    // ElementosFaces.cpp
    void Face3D(const TFace3D& f, const TContexto& c);
    void Solido(const TSolido& s, const TContexto& c);
    void MalhaPoligonal(const TPolyLine& p, const TContexto& c, TRGB cor);
    void MalhaDeFaces(const TPolyLine& p, const TContexto& c, TRGB cor);
    void Malha(const TMalha& m, const TContexto& c);
    // A planar-ish polygon (world coordinates) as a fan of lit triangles with one normal;
    // returns its area.
    double Poligono(const std::vector<TP3>& w, TRGB cor, bool sonda);

    const TDesenho& desenho_;
    const TOpcoesDaCena& opcoes_;
    TCena& cena_;
    TEmissor emissor_;
    std::unordered_map<std::string, const TCamada*> camadas_;       // by name in upper case
    std::unordered_map<std::string, const TEstiloDeCota*> estilos_; // likewise
    std::unordered_map<const std::string*, const TCamada*> porTexto_;
    // Each effective layer's index in the scene's Camadas: the table's by their place, a
    // name the table lacks by its text.
    std::unordered_map<const TCamada*, std::uint16_t> indiceDaCamada_;
    std::unordered_map<std::string, std::uint16_t> indiceSemTabela_;
    std::uint16_t IndiceDaCamada(const TEntidade& e, const TContexto& c, const TCamada* camada);
    // The name of an element's effective layer.
    static const std::string& NomeDaCamada(const TEntidade& e, const TContexto& c);
    std::unordered_map<std::string, TTracejado> tracejados_; // by line type name in upper case
    std::unordered_map<const TCamada*, const TTracejado*> tracejadoDaCamada_;
    struct TTipoResolvido {
        int Origem = 0; // 0 ByLayer, 1 ByBlock, 2 its own
        const TTracejado* Tracejado = nullptr;
    };
    std::unordered_map<const std::string*, TTipoResolvido> tipoPorTexto_;
    // Texts: the fonts (made at the first text), the file's encoding, the text styles by name
    // in upper case, the face of each style, and each glyph's place in the scene's table with
    // its box.
    std::unique_ptr<TFontes> fontes_;
    TCodificacao codificacao_;
    std::unordered_map<std::string, const TEstiloDeTexto*> estilosDeTexto_;
    std::unordered_map<const TEstiloDeTexto*, int> faces_;
    std::unordered_map<std::uint64_t, std::uint32_t> glifos_;
    std::vector<std::array<float, 4>> caixasDosGlifos_;
    std::vector<const TBloco*> ancestrais_;
    struct TCaixaMemo {
        int Estado = 0; // 0 not yet, 1 being measured, 2 done
        TCaixaCena Caixa;
    };
    std::unordered_map<const TBloco*, TCaixaMemo> caixas_;
    std::unordered_map<const TBloco*, int> conteudo_; // 1 being looked at, 2 yes, 3 no
    bool avisouProfundidade_ = false;
    std::uint32_t ordem_ = 0; // the next top-level element's place in the order
    const std::vector<std::uint32_t>* ordens_ = nullptr;
    std::size_t proximaOrdem_ = 0;
};

inline bool Finitos(const std::vector<TP3>& ps) {
    for (const TP3& p : ps)
        if (!Finito3(p)) return false;
    return true;
}

// Points of a placed list in world coordinates.
inline std::vector<TP3> NoMundo(const TContexto& c, const std::vector<TP3>& local) {
    std::vector<TP3> w;
    w.reserve(local.size());
    for (const TP3& p : local)
        w.push_back(c.M.Ponto(p));
    return w;
}

// Whether an element takes the layer of the insertion that places it: on layer 0 in a block.
inline bool NaCamadaDaInsercao(const TEntidade& e, bool emBloco) {
    return emBloco && e.Camada == "0";
}

// A name in upper case: layer and style names compare so.
std::string Maiusculas(std::string s);

// Model values as the walk's doubles.
inline TP3 P3(const TPonto3D& p) {
    return {p.X.ComoDouble(), p.Y.ComoDouble(), p.Z.ComoDouble()};
}
