#include "Afim.h"
#include "Disposicao.h"

#include <numbers>

namespace {

// Baselines of MTEXT lines are 5/3 of the height apart, as CAD programs space them.
constexpr double Entrelinha = 5.0 / 3;
// Stacked parts are this fraction of the height; bars and lines this thick.
constexpr double Empilhada = 0.7, Espessura = 0.05;

// A piece of a line: a glyph, a space or tab (where lines may break), or a stacked run.
struct TItem {
    const TTrecho* Trecho;
    int Face;
    char32_t Caractere; // 0 for a stacked run
    double Largura;
    bool Quebra;
};

struct TLinha {
    std::vector<TItem> Itens;
    double Largura = 0, Altura = 0;
    int Alinhamento = 0;
};

struct TMontador {
    double Limite; // the reference width, 0 for none
    std::vector<TLinha> Linhas;

    // The width of a word's items, and that less the spaces it ends with.
    static std::pair<double, double> Medidas(const std::vector<TItem>& itens) {
        double l = 0, util = 0;
        for (const auto& i : itens) {
            l += i.Largura;
            if (!i.Quebra) util = l;
        }
        return {l, util};
    }

    void Paragrafo(const TParagrafo& p, const std::vector<std::vector<TItem>>& palavras) {
        TLinha linha;
        double total = 0; // with the spaces the line ends with
        const auto fecha = [&] {
            linha.Alinhamento = p.Alinhamento;
            for (const auto& i : linha.Itens)
                linha.Altura = std::max(linha.Altura, i.Trecho->Formato.Altura);
            Linhas.push_back(std::move(linha));
            linha = TLinha{};
            total = 0;
        };
        for (const auto& palavra : palavras) {
            // A word that would pass the width starts a new line; alone on its line it stays
            // whole, however long.
            const auto [largura, util] = Medidas(palavra);
            if (Limite > 0 && !linha.Itens.empty() && total + util > Limite) fecha();
            linha.Itens.insert(linha.Itens.end(), palavra.begin(), palavra.end());
            if (util > 0) linha.Largura = total + util;
            total += largura;
        }
        fecha();
    }
};

double LarguraEmpilhada(TFontes& fontes, int face, const TTrecho& t, double escala) {
    const auto largura = [&](const std::u32string& s) {
        double l = 0;
        for (const char32_t c : s)
            l += fontes.Glifo(face, c).Avanco;
        return l * escala;
    };
    const double a = largura(t.Texto), b = largura(t.Inferior);
    return t.Empilhado == TEmpilhado::Diagonal ? a + b + fontes.Glifo(face, '/').Avanco * escala
                                               : std::max(a, b);
}

TTraco Faixa(double x0, double x1, double y, double espessura, const std::optional<TCorDoTexto>& cor) {
    const double a = y - espessura / 2, b = y + espessura / 2;
    return {{{{x0, a}, {x1, a}, {x1, b}, {x0, a}, {x1, b}, {x0, b}}}, cor};
}

struct TDesenhista {
    TFontes& Fontes;
    TDisposicao& Saida;

    void Glifo(int face, char32_t c, const TFormato& f, double escala, double x, double y) {
        if (Saida.Glifos.size() >= MaximoDeGlifos) return;
        if (Fontes.Glifo(face, c).Triangulos.empty()) return;
        const double inclinacao = escala * std::tan(f.ObliquoGraus * std::numbers::pi / 180);
        Saida.Glifos.push_back(
            {face, c, {escala * f.FatorLargura, inclinacao, x, 0, escala, y}, f.Cor});
    }
    // A string from x on baseline y, each character `escala` tall.
    double Cadeia(int face, const std::u32string& s, const TFormato& f, double escala, double x,
                  double y) {
        for (const char32_t c : s) {
            Glifo(face, c, f, escala, x, y);
            x += Fontes.Glifo(face, c).Avanco * escala * f.FatorLargura * f.Rastreamento;
        }
        return x;
    }
    double LarguraDe(int face, const std::u32string& s, const TFormato& f, double escala) {
        double l = 0;
        for (const char32_t c : s)
            l += Fontes.Glifo(face, c).Avanco;
        return l * escala * f.FatorLargura * f.Rastreamento;
    }
    // A stacked run at x on baseline y: the parts one over the other about the capitals'
    // middle (a bar between them for '/'), or a/b on the baseline for '#'.
    void Empilhado(const TItem& i, double x, double y) {
        const TTrecho& t = *i.Trecho;
        const TFormato& f = t.Formato;
        const double h = f.Altura, e = h * Empilhada;
        if (t.Empilhado == TEmpilhado::Diagonal) {
            x = Cadeia(i.Face, t.Texto, f, e, x, y);
            x = Cadeia(i.Face, U"/", f, e, x, y);
            Cadeia(i.Face, t.Inferior, f, e, x, y);
            return;
        }
        const double meio = y + h / 2;
        const double a = LarguraDe(i.Face, t.Texto, f, e), b = LarguraDe(i.Face, t.Inferior, f, e);
        Cadeia(i.Face, t.Texto, f, e, x + (i.Largura - a) / 2, meio + 0.15 * h);
        Cadeia(i.Face, t.Inferior, f, e, x + (i.Largura - b) / 2, meio - 0.15 * h - e);
        if (t.Empilhado == TEmpilhado::Barra)
            Saida.Tracos.push_back(Faixa(x, x + i.Largura, meio, Espessura * h, f.Cor));
    }
    // Underline, overline and strike-through under an item, joined to the previous one's.
    void Linhas(const TFormato& f, double x0, double x1, double y) {
        const double h = f.Altura;
        const auto poe = [&](bool ligado, double altura) {
            if (!ligado || x1 <= x0) return;
            const TTraco novo = Faixa(x0, x1, y + altura, Espessura * h, f.Cor);
            if (!Saida.Tracos.empty()) {
                auto& u = Saida.Tracos.back();
                if (u.Cor == f.Cor && u.Triangulos[0][1] == novo.Triangulos[0][1] &&
                    u.Triangulos[5][1] == novo.Triangulos[5][1] &&
                    std::abs(u.Triangulos[1][0] - x0) < 1e-9 * (1 + std::abs(x0))) {
                    for (const int k : {1, 2, 4})
                        u.Triangulos[k][0] = x1;
                    return;
                }
            }
            Saida.Tracos.push_back(novo);
        };
        poe(f.Sublinhado, -0.2 * h);
        poe(f.Sobrelinha, 1.2 * h);
        poe(f.Riscado, 0.5 * h);
    }
};

} // namespace

TDisposicao DispoeTextoM(TFontes& fontes, const TPedidoDeFonte& fonteDoEstilo,
                         const TTextoMSimples& t) {
    TDisposicao r;
    if (!(t.Altura > 0) || !std::isfinite(t.Altura)) return r;
    const double h = std::min(t.Altura, MaximoDeAltura);
    TFormato inicial;
    inicial.Altura = h;
    inicial.FatorLargura =
        Limita(std::abs(t.FatorLarguraDoEstilo), MinimoDeFator, MaximoDeFator, 1);
    inicial.ObliquoGraus = Limita(t.ObliquoDoEstiloGraus, -MaximoObliquo, MaximoObliquo, 0);
    inicial.Fonte = fonteDoEstilo;
    const auto paragrafos = AnalisaTextoM(t.Texto, inicial);
    const int faceBase = fontes.Face(fonteDoEstilo);

    const double limite = Limita(t.LarguraDeReferencia, 0, 1e12, 0);
    TMontador montador{limite, {}};
    std::size_t itens = 0;
    for (const auto& p : paragrafos) {
        // Words, each with the spaces after it.
        std::vector<std::vector<TItem>> palavras(1);
        for (const auto& trecho : p.Trechos) {
            const TFormato& f = trecho.Formato;
            const int face = fontes.Face(f.Fonte);
            const double escala = f.Altura * f.FatorLargura * f.Rastreamento;
            if (trecho.Empilhado != TEmpilhado::Nao && itens < MaximoDeGlifos) {
                if (!palavras.back().empty() && palavras.back().back().Quebra)
                    palavras.emplace_back();
                palavras.back().push_back(
                    {&trecho, face, 0, LarguraEmpilhada(fontes, face, trecho, escala * Empilhada),
                     false});
                ++itens;
                continue;
            }
            for (const char32_t c : trecho.Texto) {
                if (itens++ >= MaximoDeGlifos) break;
                const bool quebra = c == ' ' || c == '\t';
                if (!quebra && !palavras.back().empty() && palavras.back().back().Quebra)
                    palavras.emplace_back();
                palavras.back().push_back(
                    {&trecho, face, c, fontes.Glifo(face, c).Avanco * escala, quebra});
            }
        }
        montador.Paragrafo(p, palavras);
    }

    const int anexo = t.Anexo >= 1 && t.Anexo <= 9 ? t.Anexo : 1;
    const int coluna = (anexo - 1) % 3, fileira = (anexo - 1) / 3;
    double largura = limite;
    if (largura <= 0)
        for (const auto& l : montador.Linhas)
            largura = std::max(largura, l.Largura);

    // Baselines from the top down: the first under its tallest capitals.
    const double espacamento = Entrelinha * Limita(t.FatorEspacamento, 0.25, 4, 1);
    std::vector<double> bases;
    double y = 0;
    for (std::size_t k = 0; k < montador.Linhas.size(); ++k) {
        const double altura = montador.Linhas[k].Altura > 0 ? montador.Linhas[k].Altura : h;
        y -= k == 0 ? altura : espacamento * std::max(h, altura);
        bases.push_back(y);
    }
    const double fundo = bases.empty() ? -h : bases.back() - fontes.Descendente(faceBase) * h;
    const double ancoraX = coluna == 0 ? 0 : coluna == 1 ? largura / 2 : largura;
    const double ancoraY = fileira == 0   ? 0
                           : fileira == 1 ? (bases.empty() ? -h : bases.back()) / 2
                                          : fundo;

    TDesenhista d{fontes, r};
    for (std::size_t k = 0; k < montador.Linhas.size(); ++k) {
        const TLinha& l = montador.Linhas[k];
        const int alinhamento = l.Alinhamento ? l.Alinhamento - 1 : coluna;
        double x = (alinhamento == 0   ? 0
                    : alinhamento == 1 ? (largura - l.Largura) / 2
                                       : largura - l.Largura) -
                   ancoraX;
        const double base = bases[k] - ancoraY;
        const double fim = l.Largura + x;
        for (const auto& i : l.Itens) {
            const TFormato& f = i.Trecho->Formato;
            if (i.Caractere == 0)
                d.Empilhado(i, x, base);
            else
                d.Glifo(i.Face, i.Caractere, f, f.Altura, x, base);
            const double x1 = std::min(x + i.Largura, fim);
            d.Linhas(f, x, x1, base);
            x += i.Largura;
        }
    }
    r.Caixa = {{{-ancoraX, fundo - ancoraY},
                {largura - ancoraX, fundo - ancoraY},
                {largura - ancoraX, -ancoraY},
                {-ancoraX, -ancoraY}}};
    r.Largura = largura;
    r.Altura = -fundo;
    return r;
}
