#include "Emissor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A count as Portuguese writes it: 20.000.000.
std::string ComPontos(long long n) {
    const std::string digitos = std::to_string(n);
    std::string s;
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (i > 0 && digitos[i - 1] != '-' && (digitos.size() - i) % 3 == 0) s += '.';
        s += digitos[i];
    }
    return s;
}

TVerticeCena Vertice(const float (&p)[3], const TP3& n, TRGB cor, std::uint8_t espessura) {
    return {p[0],
            p[1],
            p[2],
            static_cast<float>(n[0]),
            static_cast<float>(n[1]),
            static_cast<float>(n[2]),
            cor.R,
            cor.G,
            cor.B,
            espessura};
}

} // namespace

TEmissor::TEmissor(TCena& cena, const TOpcoesDaCena& opcoes) : cena_(cena), opcoes_(opcoes) {}

void TEmissor::Para(const std::string& mensagem) {
    parado_ = true;
    cena_.Aviso = mensagem;
}

void TEmissor::Avisa(const std::string& mensagem) {
    if (!parado_ && !cena_.Aviso) cena_.Aviso = mensagem;
}

bool TEmissor::Visita() {
    if (parado_) return false;
    if (++visitas_ > opcoes_.LimiteDeVisitas) {
        Para("O desenho completo passa de " + ComPontos(opcoes_.LimiteDeVisitas) +
             " elementos: só uma parte dele é mostrada.");
        return false;
    }
    return true;
}

bool TEmissor::Cabe(long long vertices) {
    if (parado_) return false;
    const long long usados = static_cast<long long>(
        cena_.Triangulos.size() + cena_.Segmentos.size() + cena_.Pontos.size() +
        cena_.FacesDeInsercoes.size() + 2 * cena_.Instancias.size());
    if (usados + vertices > opcoes_.LimiteDeVertices) {
        Para("O desenho completo passa de " + ComPontos(opcoes_.LimiteDeVertices) +
             " vértices: só uma parte dele é mostrada.");
        return false;
    }
    return true;
}

bool TEmissor::Relativo(const TP3& p, float (&r)[3]) const {
    constexpr double maior = std::numeric_limits<float>::max();
    for (int i = 0; i < 3; ++i) {
        const double d = p[i] - cena_.Origem[static_cast<std::size_t>(i)];
        if (!(std::fabs(d) <= maior)) return false; // also NaN
        r[i] = static_cast<float>(d);
        if (!std::isfinite(r[i])) return false;
    }
    return true;
}

void TEmissor::Segmento(const TP3& a, const TP3& b, TRGB cor, bool medido) {
    if (medido && tracejado_ && Tracejada({a, b}, cor)) return;
    SegmentoContinuo(a, b, cor, medido);
}

bool TEmissor::Tracejada(const std::vector<TP3>& pontos, TRGB cor) {
    // A pattern finer than the chord tolerance would not show; one that would make more than
    // this many dashes for one curve is drawn continuous too.
    constexpr std::size_t maximo = 100'000;
    if (tracejado_->Periodo * escalaDoTracejado_ < cena_.Tolerancia ||
        !Traceja(pontos, *tracejado_, escalaDoTracejado_, tracos_, pontosDoTracejado_, maximo))
        return false;
    for (const TP3& p : pontos)
        Medido(p);
    for (std::size_t i = 0; i + 1 < tracos_.size() && !parado_; i += 2)
        SegmentoContinuo(tracos_[i], tracos_[i + 1], cor, true);
    for (const TP3& p : pontosDoTracejado_)
        Ponto(p, cor, true);
    return true;
}

void TEmissor::Inclui(const TP3& p, bool medido) {
    cena_.Extremos.Inclui(p[0], p[1], p[2]);
    caixaDoElemento_.Inclui(p[0], p[1], p[2]);
    if (medido) cena_.ExtremosMedidos.Inclui(p[0], p[1], p[2]);
}

void TEmissor::SegmentoContinuo(const TP3& a, const TP3& b, TRGB cor, bool medido) {
    float ra[3], rb[3];
    if (!Relativo(a, ra) || !Relativo(b, rb)) return;
    if (busca_) return busca_->Segmento(a, b, camada_);
    if (!Cabe(2)) return;
    const TP3 zero{0, 0, 0};
    cena_.Segmentos.push_back(Vertice(ra, zero, cor, espessura_));
    cena_.Segmentos.push_back(Vertice(rb, zero, cor, espessura_));
    cena_.CamadaDosSegmentos.push_back(camada_);
    Inclui(a, medido);
    Inclui(b, medido);
}

void TEmissor::Poligonal(const std::vector<TP3>& pontos, TRGB cor, bool medido) {
    if (medido && tracejado_ && Tracejada(pontos, cor)) return;
    for (std::size_t i = 1; i < pontos.size() && !parado_; ++i)
        SegmentoContinuo(pontos[i - 1], pontos[i], cor, medido);
}

void TEmissor::Triangulo(const TP3& a, const TP3& b, const TP3& c, const TP3& normal, TRGB cor,
                         bool medido, bool sonda) {
    float r[3][3];
    if (!Relativo(a, r[0]) || !Relativo(b, r[1]) || !Relativo(c, r[2])) return;
    if (busca_) return busca_->Triangulo(a, b, c, camada_);
    const TP3 n = Finito3(normal) ? normal : TP3{0, 0, 0};
    if (!Cabe(sonda ? 4 : 3)) return;
    for (int i = 0; i < 3; ++i)
        cena_.Triangulos.push_back(Vertice(r[i], n, cor, espessura_));
    cena_.CamadaDosTriangulos.push_back(camada_);
    if (sonda)
        cena_.FacesDeInsercoes.push_back(
            {r[0][0], r[0][1], r[0][2], r[1][0], r[1][1], r[1][2], r[2][0], r[2][1], r[2][2]});
    for (const TP3* p : {&a, &b, &c})
        Inclui(*p, medido);
}

void TEmissor::Ponto(const TP3& p, TRGB cor, bool medido) {
    float r[3];
    if (!Relativo(p, r)) return;
    if (busca_) return busca_->Ponto(p, camada_);
    if (!Cabe(1)) return;
    cena_.Pontos.push_back(Vertice(r, {0, 0, 0}, cor, espessura_));
    cena_.CamadaDosPontos.push_back(camada_);
    Inclui(p, medido);
}

void TEmissor::Medido(const TP3& p) {
    float r[3];
    if (Relativo(p, r)) cena_.ExtremosMedidos.Inclui(p[0], p[1], p[2]);
}

void TEmissor::Glifo(std::uint32_t glifo, const TP3& o, const TP3& u, const TP3& v, double altura,
                     TRGB cor, const std::array<float, 4>& caixa) {
    TInstanciaDeGlifo g;
    if (!Relativo(o, g.O) || !Finito3(u) || !Finito3(v) || !(altura > 0) || !std::isfinite(altura))
        return;
    if (busca_) return busca_->Paralelogramo(o, u, v, caixa, camada_);
    // Each instance costs about as much as two vertices.
    if (!Cabe(2)) return;
    for (int i = 0; i < 3; ++i) {
        g.U[i] = static_cast<float>(u[static_cast<std::size_t>(i)]);
        g.V[i] = static_cast<float>(v[static_cast<std::size_t>(i)]);
    }
    g.R = cor.R;
    g.G = cor.G;
    g.B = cor.B;
    g.Classe =
        static_cast<std::uint8_t>(std::clamp(std::floor(std::log2(altura)) + 64, 0.0, 255.0));
    cena_.Instancias.push_back(g);
    cena_.GlifoDaInstancia.push_back(glifo);
    cena_.CamadaDasInstancias.push_back(camada_);
    for (float x : {caixa[0], caixa[2]})
        for (float y : {caixa[1], caixa[3]})
            Inclui(Soma3(o, Soma3(Vezes3(u, x), Vezes3(v, y))), false);
}

void TEmissor::ContaNaCamada() {
    if (cena_.ElementosPorCamada.size() <= camada_) cena_.ElementosPorCamada.resize(camada_ + 1u);
    ++cena_.ElementosPorCamada[camada_];
}

void TEmissor::MedeTexto(const std::string& tipo, long long caracteres) {
    if (busca_) return busca_->Tipo(tipo);
    TMedidaDoTipo& m = cena_.Tipos[tipo];
    m.N += 1;
    m.Caracteres += caracteres;
    ContaNaCamada();
}

void TEmissor::Mede(const std::string& tipo, double comprimento, double area) {
    if (busca_) return busca_->Tipo(tipo);
    TMedidaDoTipo& m = cena_.Tipos[tipo];
    m.N += 1;
    ContaNaCamada();
    if (std::isfinite(comprimento) && comprimento > 0) m.Comprimento += comprimento;
    if (std::isfinite(area) && area > 0) m.Area += area;
}

TP3 Unitario(const TP3& v) {
    // Scaled first so that tiny and huge vectors alike give a unit one.
    const double m = std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
    if (!(m > 0) || !std::isfinite(m)) return {0, 0, 0};
    const TP3 u = Vezes3(v, 1 / m);
    const double l = Norma3(u);
    if (!(l > 0) || !std::isfinite(l)) return {0, 0, 0};
    return Vezes3(u, 1 / l);
}

TP3 NormalDoTriangulo(const TP3& a, const TP3& b, const TP3& c) {
    return Unitario(Vetorial3(Menos3(b, a), Menos3(c, a)));
}

double AreaDoTriangulo(const TP3& a, const TP3& b, const TP3& c) {
    return Norma3(Vetorial3(Menos3(b, a), Menos3(c, a))) / 2;
}

double ComprimentoDe(const std::vector<TP3>& pontos) {
    double s = 0;
    for (std::size_t i = 1; i < pontos.size(); ++i)
        s += Norma3(Menos3(pontos[i], pontos[i - 1]));
    return s;
}
