#include "Escolha.h"

#include "Percurso.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

double Escalar3(const TP3& a, const TP3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Whether p lies within `raio` of the box (relative to the scene's origin) widened by it.
bool PertoDaCaixa(const TP3& p, const TCena::TCaixaDoElemento& caixa, double raio) {
    for (std::size_t i = 0; i < 3; ++i)
        if (p[i] < caixa.Min[i] - raio || p[i] > caixa.Max[i] + raio) return false;
    return true;
}

} // namespace

double DistanciaAoSegmento(const TP3& p, const TP3& a, const TP3& b) {
    const TP3 ab = Menos3(b, a);
    const double l2 = Escalar3(ab, ab);
    const double t = l2 > 0 ? std::clamp(Escalar3(Menos3(p, a), ab) / l2, 0.0, 1.0) : 0.0;
    return Norma3(Menos3(p, Soma3(a, Vezes3(ab, t))));
}

// The nearest point of the triangle by the region of its plane p falls in (vertex, edge or
// inside), as in Ericson's "Real-Time Collision Detection", 5.1.5.
double DistanciaAoTriangulo(const TP3& p, const TP3& a, const TP3& b, const TP3& c) {
    const TP3 ab = Menos3(b, a), ac = Menos3(c, a), ap = Menos3(p, a);
    const double d1 = Escalar3(ab, ap), d2 = Escalar3(ac, ap);
    if (d1 <= 0 && d2 <= 0) return Norma3(ap);
    const TP3 bp = Menos3(p, b);
    const double d3 = Escalar3(ab, bp), d4 = Escalar3(ac, bp);
    if (d3 >= 0 && d4 <= d3) return Norma3(bp);
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) return DistanciaAoSegmento(p, a, b);
    const TP3 cp = Menos3(p, c);
    const double d5 = Escalar3(ab, cp), d6 = Escalar3(ac, cp);
    if (d6 >= 0 && d5 <= d6) return Norma3(cp);
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) return DistanciaAoSegmento(p, a, c);
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && d4 - d3 >= 0 && d5 - d6 >= 0) return DistanciaAoSegmento(p, b, c);
    const double soma = va + vb + vc;
    if (!(soma > 0)) // no area: its longest side
        return std::min({DistanciaAoSegmento(p, a, b), DistanciaAoSegmento(p, b, c),
                         DistanciaAoSegmento(p, a, c)});
    const TP3 q = Soma3(a, Soma3(Vezes3(ab, vb / soma), Vezes3(ac, vc / soma)));
    return Norma3(Menos3(p, q));
}

TBusca::TBusca(const TP3& ponto, double raio, std::function<bool(std::uint16_t)> oculta)
    : ponto_(ponto), raio_(raio), oculta_(std::move(oculta)) {}

void TBusca::Topo(const char* tipo, const std::string* bloco) {
    tipoDoTopo_ = tipo;
    blocoDoTopo_ = bloco;
}

void TBusca::Elemento(const TEntidade& e, const TCamada* camada, TRGB cor) {
    entidade_ = &e;
    camadaDaEntidade_ = camada;
    cor_ = cor;
    tipo_.clear();
    ++serie_;
}

void TBusca::Tipo(const std::string& tipo) {
    if (!tipo_.empty()) return; // a leader measures its parts: the first names it
    tipo_ = tipo;
    if (melhor_ && melhor_->Serie == serie_) melhor_->Tipo = tipo;
}

void TBusca::Candidato(double distancia, std::uint16_t camada) {
    if (!(distancia <= raio_) || (melhor_ && distancia >= melhor_->Distancia) || !entidade_ ||
        oculta_(camada))
        return;
    melhor_ = TMelhor{distancia,         serie_, camada, tipoDoTopo_, blocoDoTopo_, entidade_,
                      camadaDaEntidade_, cor_,   tipo_};
}

void TBusca::Segmento(const TP3& a, const TP3& b, std::uint16_t camada) {
    Candidato(DistanciaAoSegmento(ponto_, a, b), camada);
}

void TBusca::Triangulo(const TP3& a, const TP3& b, const TP3& c, std::uint16_t camada) {
    Candidato(DistanciaAoTriangulo(ponto_, a, b, c), camada);
}

void TBusca::Ponto(const TP3& p, std::uint16_t camada) {
    Candidato(Norma3(Menos3(ponto_, p)), camada);
}

void TBusca::Paralelogramo(const TP3& o, const TP3& u, const TP3& v,
                           const std::array<float, 4>& caixa, std::uint16_t camada) {
    const auto canto = [&](float s, float t) {
        return Soma3(o, Soma3(Vezes3(u, s), Vezes3(v, t)));
    };
    const TP3 a = canto(caixa[0], caixa[1]), b = canto(caixa[2], caixa[1]),
              c = canto(caixa[2], caixa[3]), d = canto(caixa[0], caixa[3]);
    Candidato(
        std::min(DistanciaAoTriangulo(ponto_, a, b, c), DistanciaAoTriangulo(ponto_, a, c, d)),
        camada);
}

std::optional<TElementoEscolhido> TBusca::Resultado(const std::vector<std::string>& camadas) const {
    if (!melhor_) return std::nullopt;
    const TMelhor& m = *melhor_;
    TElementoEscolhido e;
    const std::string topo = m.TipoDoTopo;
    // A dimension's and a leader's lines, arrows and texts are their own picture.
    e.Tipo = topo == "DIMENSION" || topo == "LEADER" || m.Tipo.empty() ? topo : m.Tipo;
    if (topo == "INSERT" && m.Bloco) e.Bloco = *m.Bloco;
    if (m.Camada < camadas.size()) e.Camada = camadas[m.Camada];
    e.Cor = DescricaoDaCor(*m.Entidade, m.CamadaDaEntidade);
    e.CorResolvida = m.Cor;
    e.Distancia = m.Distancia;
    return e;
}

std::optional<TElementoEscolhido> EscolheElemento(const TDesenho& desenho,
                                                  const TOpcoesDaCena& opcoes, const TCena& cena,
                                                  const TP3& ponto, double raio,
                                                  const std::function<bool(std::size_t)>& oculta) {
    const TP3 relativo = Menos3(ponto, cena.Origem);
    std::vector<std::uint32_t> ordens;
    for (const TCena::TCaixaDoElemento& caixa : cena.CaixasDosElementos)
        if (PertoDaCaixa(relativo, caixa, raio)) ordens.push_back(caixa.Ordem);
    if (ordens.empty()) return std::nullopt;

    // The elements made again as the scene made them: the same origin and tolerance.
    TCena rascunho;
    rascunho.Origem = cena.Origem;
    rascunho.Tolerancia = cena.Tolerancia;
    // The layers the walk lists anew, by their names' place in the scene's list.
    std::unordered_map<std::string, std::size_t> naCena;
    for (std::size_t i = 0; i < cena.Camadas.size(); ++i)
        naCena.emplace(Maiusculas(cena.Camadas[i]), i);
    TBusca busca(ponto, raio, [&](std::uint16_t camada) {
        if (camada >= rascunho.Camadas.size()) return false;
        const auto achada = naCena.find(Maiusculas(rascunho.Camadas[camada]));
        return achada != naCena.end() && oculta(achada->second);
    });
    TPercurso(desenho, opcoes, rascunho, &busca).PercorreAlguns(ordens);
    return busca.Resultado(rascunho.Camadas);
}
