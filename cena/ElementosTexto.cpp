// Texts: TEXT, ATTRIB and MTEXT laid out in their planes by the text subsystem, each glyph
// placed once in the scene as an instance of its triangles.

#include "Percurso.h"
#include "TextoM.h"

#include <cmath>

namespace {

// No text is laid out past this many of its bytes (a text lays out at most MaximoDeGlifos
// glyphs anyway): a string of hundreds of megabytes is not decoded whole.
constexpr std::size_t MaximoDeBytes = 16 * MaximoDeGlifos;

std::u32string Decodifica(const std::string& bytes, TCodificacao codificacao) {
    return DecodificaTexto(std::string_view(bytes).substr(0, MaximoDeBytes), codificacao);
}

constexpr double Pi = 3.141592653589793238462643383279502884;

TPedidoDeFonte PedidoDoEstilo(const TEstiloDeTexto* estilo) {
    TPedidoDeFonte pedido;
    if (!estilo) return pedido;
    pedido.Arquivo = estilo->Fonte;
    pedido.Familia = estilo->Familia;
    // The TrueType flags CAD programs keep beside the family.
    pedido.Negrito = estilo->FlagsDaFamilia & 0x2000000;
    pedido.Italico = estilo->FlagsDaFamilia & 0x1000000;
    return pedido;
}

// A text's height: its own, else its style's fixed height, else CAD programs' default.
double AlturaDoTexto(const Real& propria, const TEstiloDeTexto* estilo) {
    if (propria > 0) return propria.ComoDouble();
    if (estilo && estilo->Altura > 0) return estilo->Altura.ComoDouble();
    return 2.5;
}

double FatorDeLargura(const TEstiloDeTexto* estilo) {
    return estilo && estilo->FatorLargura > 0 ? estilo->FatorLargura.ComoDouble() : 1;
}

} // namespace

TFontes& TPercurso::Fontes() {
    if (!fontes_) fontes_ = std::make_unique<TFontes>();
    return *fontes_;
}

const TEstiloDeTexto* TPercurso::EstiloDeTexto(const std::string& nome) const {
    const auto achado = estilosDeTexto_.find(Maiusculas(nome));
    if (achado != estilosDeTexto_.end()) return achado->second;
    const auto padrao = estilosDeTexto_.find("STANDARD"); // a text names none, or one not there
    return padrao == estilosDeTexto_.end() ? nullptr : padrao->second;
}

int TPercurso::FaceDoEstilo(const TEstiloDeTexto* estilo) {
    const auto achado = faces_.find(estilo);
    if (achado != faces_.end()) return achado->second;
    const int face = Fontes().Face(PedidoDoEstilo(estilo));
    faces_.emplace(estilo, face);
    return face;
}

void TPercurso::Texto(const TTexto& t, const TContexto& c) {
    TRGB cor;
    const TCamada* camada = nullptr;
    if (!Prepara(t, c, cor, camada)) return;
    if (t.Atributo && (t.FlagsAtributo & 1)) return; // a hidden attribute
    const TEstiloDeTexto* estilo = EstiloDeTexto(t.Estilo);
    TTextoSimples s;
    s.Texto = Decodifica(t.Texto, codificacao_);
    s.Altura = AlturaDoTexto(t.Altura, estilo);
    s.FatorLargura = t.FatorLargura && *t.FatorLargura > 0 ? t.FatorLargura->ComoDouble()
                                                           : FatorDeLargura(estilo);
    s.ObliquoGraus = t.Obliquo ? t.Obliquo->ComoDouble()
                     : estilo  ? estilo->Obliquo.ComoDouble()
                               : 0;
    s.RotacaoGraus = t.Rotacao.ComoDouble();
    s.EspelhoX = t.Espelho & 2;
    s.EspelhoY = t.Espelho & 4;
    s.AlinhamentoH = t.AlinhamentoH;
    s.AlinhamentoV = t.AlinhamentoV;
    s.Ponto1 = {t.Ponto.X.ComoDouble(), t.Ponto.Y.ComoDouble()};
    if (t.Alinhamento) s.Ponto2 = {{t.Alinhamento->X.ComoDouble(), t.Alinhamento->Y.ComoDouble()}};
    const auto eixos = EixosOCS(P3(t.Extrusao));
    Disposicao(DispoeTexto(Fontes(), FaceDoEstilo(estilo), s), c,
               DoOCS(eixos, {0, 0, t.Ponto.Z.ComoDouble()}), eixos[0], eixos[1], cor, camada);
    emissor_.MedeTexto(t.Atributo ? "ATTRIB" : "TEXT",
                       static_cast<long long>(ContaCaracteresTexto(s.Texto)));
}

void TPercurso::TextoM(const TTextoM& t, const TContexto& c) {
    TRGB cor;
    const TCamada* camada = nullptr;
    if (!Prepara(t, c, cor, camada)) return;
    const TEstiloDeTexto* estilo = EstiloDeTexto(t.Estilo);
    TTextoMSimples s;
    s.Texto = Decodifica(t.Texto, codificacao_);
    s.Altura = AlturaDoTexto(t.Altura, estilo);
    s.LarguraDeReferencia = t.Largura.ComoDouble();
    s.Anexo = t.Anexo;
    s.FatorEspacamento = t.Espacamento > 0 ? t.Espacamento.ComoDouble() : 1;
    s.FatorLarguraDoEstilo = FatorDeLargura(estilo);
    s.ObliquoDoEstiloGraus = estilo ? estilo->Obliquo.ComoDouble() : 0;

    // Its X axis: the direction 11 (world) laid in its plane, else the rotation 50 in its OCS.
    const auto eixos = EixosOCS(P3(t.Extrusao));
    const TP3& z = eixos[2];
    TP3 x{0, 0, 0};
    if (t.Direcao) {
        const TP3 d = P3(*t.Direcao);
        x = Unitario(Menos3(d, Vezes3(z, d[0] * z[0] + d[1] * z[1] + d[2] * z[2])));
    }
    if (Norma3(x) == 0) {
        const double r = t.Rotacao.ComoDouble() * Pi / 180;
        x = Soma3(Vezes3(eixos[0], std::cos(r)), Vezes3(eixos[1], std::sin(r)));
    }
    const TP3 y{z[1] * x[2] - z[2] * x[1], z[2] * x[0] - z[0] * x[2], z[0] * x[1] - z[1] * x[0]};
    Disposicao(DispoeTextoM(Fontes(), PedidoDoEstilo(estilo), s), c, P3(t.Ponto), x, y, cor,
               camada);
    emissor_.MedeTexto("MTEXT", static_cast<long long>(ContaCaracteresM(s.Texto)));
}

void TPercurso::Disposicao(const TDisposicao& d, const TContexto& c, const TP3& o, const TP3& x,
                           const TP3& y, TRGB cor, const TCamada* camada) {
    const auto resolve = [&](const std::optional<TCorDoTexto>& propria) {
        if (!propria) return cor;
        if (propria->Rgb) return CorVerdadeira(static_cast<std::int32_t>(propria->Valor));
        if (propria->Valor == 0) return c.CorDoBloco;
        if (propria->Valor == 256) return CorDaCamada(camada);
        return CorACI(static_cast<int>(propria->Valor));
    };
    // A point and a vector of the text's plane, in the world.
    const auto ponto = [&](double px, double py) {
        return c.M.Ponto(Soma3(o, Soma3(Vezes3(x, px), Vezes3(y, py))));
    };
    const auto vetor = [&](double px, double py) {
        return c.M.Direcao(Soma3(Vezes3(x, px), Vezes3(y, py)));
    };
    double altura = 0;
    for (const TGlifoPosto& g : d.Glifos) {
        if (emissor_.Parado()) return;
        const std::uint64_t chave = (std::uint64_t(std::uint32_t(g.Face)) << 32) | g.Caractere;
        auto achado = glifos_.find(chave);
        if (achado == glifos_.end()) {
            const TGlifo& glifo = Fontes().Glifo(g.Face, g.Caractere);
            std::array<float, 4> caixa{1e30f, 1e30f, -1e30f, -1e30f};
            for (const auto& p : glifo.Triangulos) {
                caixa = {std::min(caixa[0], p[0]), std::min(caixa[1], p[1]),
                         std::max(caixa[2], p[0]), std::max(caixa[3], p[1])};
            }
            if (glifo.Triangulos.empty()) caixa = {0, 0, 0, 0};
            achado = glifos_.emplace(chave, static_cast<std::uint32_t>(cena_.Glifos.size())).first;
            cena_.Glifos.push_back(glifo.Triangulos);
            caixasDosGlifos_.push_back(caixa);
        }
        const auto& m = g.Matriz;
        const TP3 v = vetor(m[1], m[4]);
        altura = Norma3(v);
        emissor_.Glifo(achado->second, ponto(m[2], m[5]), vetor(m[0], m[3]), v, altura,
                       resolve(g.Cor), caixasDosGlifos_[achado->second - 1]);
    }
    // Underlines and bars: the unit square (glyph 0) stretched over each.
    for (const TTraco& t : d.Tracos) {
        const auto& p = t.Triangulos;
        const TP3 u = vetor(p[1][0] - p[0][0], p[1][1] - p[0][1]);
        const TP3 v = vetor(p[5][0] - p[0][0], p[5][1] - p[0][1]);
        emissor_.Glifo(0, ponto(p[0][0], p[0][1]), u, v, altura > 0 ? altura : Norma3(v),
                       resolve(t.Cor), {0, 0, 1, 1});
    }
}
