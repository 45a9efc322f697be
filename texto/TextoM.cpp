#include "TextoM.h"

#include "Afim.h"
#include "Codificacao.h"

#include <cmath>
#include <optional>

namespace {

// CAD programs nest groups 8 deep; deeper ones are counted, not kept.
constexpr std::size_t MaximoDeGrupos = 64;
// An unknown code's argument, when it has one, is short: a ';' further off ends no code.
constexpr std::size_t MaximoDeArgumento = 64;
constexpr double MinimoRastreamento = 0.1, MaximoRastreamento = 10;

class TAnalisador {
  public:
    TAnalisador(std::u32string_view texto, const TFormato& inicial) : S(texto), Atual(inicial) {
        Paragrafos.emplace_back();
    }

    std::vector<TParagrafo> Analisa() {
        while (I < S.size()) {
            const char32_t c = S[I++];
            if (c == '\\')
                Codigo();
            else if (c == '{')
                AbreGrupo();
            else if (c == '}')
                FechaGrupo();
            else if (c == '\n')
                NovoParagrafo();
            else
                Texto.push_back(c < 0x20 && c != '\t' ? ' ' : c);
        }
        FechaTrecho();
        return std::move(Paragrafos);
    }

  private:
    std::u32string_view S;
    std::size_t I = 0;
    TFormato Atual;
    std::vector<TFormato> Pilha;
    std::size_t Excesso = 0;
    std::u32string Texto;
    std::vector<TParagrafo> Paragrafos;
    int Alinhamento = 0;

    void FechaTrecho() {
        if (Texto.empty()) return;
        Paragrafos.back().Trechos.push_back({Atual, std::move(Texto), TEmpilhado::Nao, {}});
        Texto.clear();
    }
    void NovoParagrafo() {
        FechaTrecho();
        // Past the glyphs' limit more lines draw nothing: further breaks are dropped.
        if (Paragrafos.size() < MaximoDeGlifos) Paragrafos.push_back({{}, Alinhamento});
    }
    void AbreGrupo() {
        FechaTrecho();
        if (Pilha.size() < MaximoDeGrupos)
            Pilha.push_back(Atual);
        else
            ++Excesso;
    }
    void FechaGrupo() {
        FechaTrecho();
        if (Excesso > 0) {
            --Excesso;
        } else if (!Pilha.empty()) {
            Atual = std::move(Pilha.back());
            Pilha.pop_back();
        }
    }

    void Terminador() {
        if (I < S.size() && S[I] == ';') ++I;
    }

    // A number such as "-1.5e2", and whether an 'x' follows it (a factor).
    std::optional<double> Numero(bool* relativo = nullptr) {
        std::string n;
        const auto digitos = [&] {
            while (I < S.size() && S[I] >= '0' && S[I] <= '9' && n.size() < 40)
                n.push_back(static_cast<char>(S[I++]));
        };
        if (I < S.size() && (S[I] == '+' || S[I] == '-')) n.push_back(static_cast<char>(S[I++]));
        digitos();
        if (I < S.size() && S[I] == '.') {
            n.push_back('.');
            ++I;
            digitos();
        }
        if (n.empty() || n == "+" || n == "-" || n == ".") return std::nullopt;
        if (I + 1 < S.size() && (S[I] == 'e' || S[I] == 'E') &&
            ((S[I + 1] >= '0' && S[I + 1] <= '9') || S[I + 1] == '-' || S[I + 1] == '+')) {
            n.push_back('e');
            ++I;
            n.push_back(static_cast<char>(S[I++]));
            digitos();
        }
        if (relativo) {
            *relativo = I < S.size() && S[I] == 'x';
            if (*relativo) ++I;
        }
        const double v = std::strtod(n.c_str(), nullptr);
        return std::isfinite(v) ? std::optional(v) : std::nullopt;
    }

    // A value absolute, or relative with a trailing 'x', applied to `valor`.
    void ValorOuFator(double& valor, double minimo, double maximo) {
        bool relativo = false;
        if (const auto v = Numero(&relativo))
            valor = Limita(relativo ? valor * std::abs(*v) : std::abs(*v), minimo, maximo, valor);
        Terminador();
    }

    // What follows up to the next ';' (skipping "\;" when `escapes`), or to the end.
    std::u32string_view Expressao(bool escapes) {
        const std::size_t inicio = I;
        while (I < S.size() && S[I] != ';')
            I += escapes && S[I] == '\\' && I + 1 < S.size() ? 2 : 1;
        const auto e = S.substr(inicio, std::min(I, S.size()) - inicio);
        if (I < S.size()) ++I;
        return e;
    }

    void Empilhado() {
        FechaTrecho();
        const auto e = Expressao(true);
        std::u32string partes[2];
        TEmpilhado tipo = TEmpilhado::Nao;
        for (std::size_t k = 0; k < e.size(); ++k) {
            char32_t c = e[k];
            const bool escapado = c == '\\' && k + 1 < e.size();
            if (escapado) c = e[++k];
            if (!escapado && tipo == TEmpilhado::Nao && (c == '/' || c == '#' || c == '^')) {
                tipo = c == '/'   ? TEmpilhado::Barra
                       : c == '#' ? TEmpilhado::Diagonal
                                  : TEmpilhado::SemBarra;
                continue;
            }
            partes[tipo == TEmpilhado::Nao ? 0 : 1].push_back(c < 0x20 ? ' ' : c);
        }
        Paragrafos.back().Trechos.push_back(
            {Atual, std::move(partes[0]), tipo, std::move(partes[1])});
    }

    void Fonte(bool familia) {
        const auto e = Expressao(false);
        const auto barra = e.find('|');
        const auto nome = e.substr(0, barra);
        if (nome.empty()) return;
        TPedidoDeFonte p;
        for (const char32_t c : nome)
            p.Familia.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        if (!familia) std::swap(p.Arquivo, p.Familia);
        for (auto k = barra; familia && k != std::u32string_view::npos; k = e.find('|', k + 1)) {
            const auto parte = e.substr(k + 1, 2);
            p.Negrito = p.Negrito || parte == U"b1";
            p.Italico = p.Italico || parte == U"i1";
        }
        Atual.Fonte = std::move(p);
    }

    // \p: only the alignment is kept (qc, ql, qr); indents and tabs are not laid out.
    void Paragrafo() {
        const auto e = Expressao(false);
        for (std::size_t k = 0; k + 1 < e.size(); ++k)
            if (e[k] == 'q')
                Alinhamento = e[k + 1] == 'l' ? 1 : e[k + 1] == 'c' ? 2 : e[k + 1] == 'r' ? 3 : 0;
        Paragrafos.back().Alinhamento = Alinhamento;
    }

    void Desconhecido() {
        for (std::size_t k = I; k < S.size() && k - I <= MaximoDeArgumento; ++k) {
            const char32_t c = S[k];
            if (c == ';') {
                I = k + 1;
                return;
            }
            if (EhEspaco(c) || c == '\\' || c == '{' || c == '}') return;
        }
    }

    void Codigo() {
        if (I >= S.size()) return;
        const char32_t c = S[I++];
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Texto.push_back(c);
            return;
        case '~':
            Texto.push_back(0xA0);
            return;
        case 'P':
        case 'X':
        case 'N':
            NovoParagrafo();
            return;
        case 'S':
            Empilhado();
            return;
        default:
            break;
        }
        FechaTrecho();
        switch (c) {
        case 'L':
            Atual.Sublinhado = true;
            return;
        case 'l':
            Atual.Sublinhado = false;
            return;
        case 'O':
            Atual.Sobrelinha = true;
            return;
        case 'o':
            Atual.Sobrelinha = false;
            return;
        case 'K':
            Atual.Riscado = true;
            return;
        case 'k':
            Atual.Riscado = false;
            return;
        case 'A':
            if (I < S.size()) ++I;
            Terminador();
            return;
        case 'H':
            ValorOuFator(Atual.Altura, 0, MaximoDeAltura);
            return;
        case 'W':
            ValorOuFator(Atual.FatorLargura, MinimoDeFator, MaximoDeFator);
            return;
        case 'T':
            ValorOuFator(Atual.Rastreamento, MinimoRastreamento, MaximoRastreamento);
            return;
        case 'Q':
            if (const auto v = Numero())
                Atual.ObliquoGraus = Limita(*v, -MaximoObliquo, MaximoObliquo, 0);
            Terminador();
            return;
        case 'C':
        case 'c':
            Cor(c == 'c');
            return;
        case 'f':
            Fonte(true);
            return;
        case 'F':
            Fonte(false);
            return;
        case 'p':
            Paragrafo();
            return;
        default:
            Desconhecido();
            return;
        }
    }

    // \C index (0 to 256) or \c 24-bit colour, whose low byte is red.
    void Cor(bool rgb) {
        std::uint64_t v = 0;
        bool algum = false;
        for (; I < S.size() && S[I] >= '0' && S[I] <= '9'; ++I, algum = true)
            v = std::min<std::uint64_t>(v * 10 + (S[I] - '0'), 0xFFFFFFFF);
        Terminador();
        if (!algum) return;
        if (!rgb && v <= 256) Atual.Cor = TCorDoTexto{false, static_cast<std::uint32_t>(v)};
        if (rgb) {
            const auto x = static_cast<std::uint32_t>(v & 0xFFFFFF);
            Atual.Cor = TCorDoTexto{true, (x & 0xFF) << 16 | (x & 0xFF00) | x >> 16};
        }
    }
};

std::size_t Visiveis(std::u32string_view s) {
    std::size_t n = 0;
    for (const char32_t c : s)
        n += !EhEspaco(c);
    return n;
}

} // namespace

std::vector<TParagrafo> AnalisaTextoM(std::u32string_view texto, const TFormato& inicial) {
    return TAnalisador(texto, inicial).Analisa();
}

std::size_t ContaCaracteresM(std::u32string_view texto) {
    std::size_t n = 0;
    for (const auto& p : AnalisaTextoM(texto, TFormato{}))
        for (const auto& t : p.Trechos)
            n += Visiveis(t.Texto) + Visiveis(t.Inferior);
    return n;
}

std::size_t ContaCaracteresTexto(std::u32string_view texto) {
    return Visiveis(texto);
}
