// The walk's leaders, as CAD programs explode them: the path through the vertices (lines, or
// a spline), the hook line under the annotation's text, and the arrowhead at the first
// vertex, from the leader's dimension style and that style's overrides.

#include "Curvas.h"
#include "Percurso.h"

#include <cmath>

namespace {

constexpr double Pi = 3.141592653589793238462643383279502884;

// The half-angle of the closed filled arrow: its width is a sixth of its length.
constexpr double MeioAnguloDaSeta = 18.924644 / 2 * Pi / 180;

// The variables a leader is drawn with: its overrides, else its style's, else the defaults of
// the drawing's measurement system.
struct TEstiloDoLider {
    double Escala, Seta, Folga;
    int TextoAcima;
    std::optional<std::string> BlocoDaSeta; // a block record's handle
};

TEstiloDoLider EstiloDoLider(const TDesenho& desenho, const TLider& l,
                             const TEstiloDeCota* estilo) {
    const TVariaveisDeCota* doEstilo = estilo ? &estilo->Variaveis : nullptr;
    auto valor = [&]<class T>(std::optional<T> TVariaveisDeCota::*campo, T padrao) -> T {
        if (const auto& v = l.Substituicoes.*campo) return *v;
        if (doEstilo && doEstilo->*campo) return *(doEstilo->*campo);
        return padrao;
    };
    const bool metrico = desenho.Medicao == 1;
    TEstiloDoLider s;
    s.Escala = valor(&TVariaveisDeCota::Escala, Real(1)).ComoDouble();
    if (s.Escala == 0) s.Escala = 1; // 0 asks for the layout's scale: none in the model space
    s.Seta = valor(&TVariaveisDeCota::TamanhoSeta, Real(metrico ? 2.5 : 0.1875)).ComoDouble();
    s.Folga = valor(&TVariaveisDeCota::Folga, Real(metrico ? 0.625 : 0.0625)).ComoDouble();
    s.TextoAcima = valor(&TVariaveisDeCota::TextoAcima, 1);
    s.BlocoDaSeta = l.Substituicoes.BlocoDaSeta ? l.Substituicoes.BlocoDaSeta
                    : doEstilo                  ? doEstilo->BlocoDaSeta
                                                : std::nullopt;
    return s;
}

} // namespace

void TPercurso::Lider(const TLider& l, const TContexto& c) {
    TRGB cor;
    if (!Prepara(l, c, cor)) return;
    std::vector<TP3> local;
    for (const TPonto3D& p : l.Vertices)
        local.push_back(P3(p));
    if (local.size() < 2) return;
    const TEstiloDoLider estilo = EstiloDoLider(desenho_, l, EstiloDeCota(l.Estilo));
    // The hook runs on from the last vertex under a text annotation placed above the line.
    const TP3 horizontal = Unitario(P3(l.Horizontal));
    const double largura = l.LarguraDoTexto.ComoDouble();
    if (l.Anotacao == 0 && l.ComGancho && estilo.TextoAcima != 0 && largura > 0 &&
        Norma3(horizontal) > 0) {
        const double sentido = l.SentidoDoGancho == 1 ? -1 : 1;
        local.push_back(Soma3(
            local.back(), Vezes3(horizontal, sentido * (estilo.Folga * estilo.Escala + largura))));
    }
    const std::vector<TP3> w = NoMundo(c, local);
    if (!Finitos(w)) return;
    if (l.Caminho == 1) {
        auto pontos = [&](double tolerancia) {
            return PontosDaSpline(3, {}, {}, {}, local, false, tolerancia,
                                  opcoes_.MaximoDeSegmentos);
        };
        Curva(cor, c, pontos, "SPLINE");
    } else {
        for (std::size_t i = 1; i < w.size() && !emissor_.Parado(); ++i) {
            emissor_.Segmento(w[i - 1], w[i], cor, true);
            emissor_.Mede("LINE", Norma3(Menos3(w[i], w[i - 1])), 0);
        }
    }
    if (l.ComSeta != 0)
        SetaDoLider(l, c, cor, local, estilo.Seta * estilo.Escala, estilo.BlocoDaSeta);
}

void TPercurso::SetaDoLider(const TLider& l, const TContexto& c, TRGB cor,
                            const std::vector<TP3>& v, double tamanho,
                            const std::optional<std::string>& bloco) {
    if (!(tamanho > 0) || !std::isfinite(tamanho)) return;
    // Pointing at the first vertex, along the first segment, turned in the XY plane.
    const double angulo = std::atan2(v[0][1] - v[1][1], v[0][0] - v[1][0]);
    std::string nome;
    if (bloco) {
        const auto achado = desenho_.NomesDosRegistrosDeBloco.find(*bloco);
        if (achado != desenho_.NomesDosRegistrosDeBloco.end()) nome = achado->second;
    }
    if (!nome.empty() && desenho_.BlocoChamado(nome)) {
        // The arrow's block inserted at the tip, scaled by the arrow's size.
        TInsert seta;
        static_cast<TEntidade&>(seta) = l;
        seta.NomeBloco = nome;
        seta.Ponto = TPonto3D{Real(v[0][0]), Real(v[0][1]), Real(v[0][2])};
        seta.EscalaX = seta.EscalaY = seta.EscalaZ = Real(tamanho);
        seta.Rotacao = Real(angulo * 180 / Pi);
        Insercao(seta, c);
        return;
    }
    if (!nome.empty() && Maiusculas(nome) != "_CLOSEDFILLED") return; // a shape not defined here
    // The closed filled arrow: a triangle from the tip back along the segment.
    const double h = std::sin(MeioAnguloDaSeta) * tamanho;
    const double cs = std::cos(angulo), sn = std::sin(angulo);
    auto canto = [&](double x, double y) {
        return c.M.Ponto({v[0][0] + x * cs - y * sn, v[0][1] + x * sn + y * cs, v[0][2]});
    };
    const std::vector<TP3> triangulo{canto(-tamanho, h), canto(0, 0), canto(-tamanho, -h)};
    if (!Finitos(triangulo)) return;
    emissor_.Mede("SOLID", 0, Poligono(triangulo, cor, false));
}
