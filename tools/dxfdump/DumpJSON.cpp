#include "DumpJSON.h"

#include "Modelo.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace {

// Builds JSON text. Values are separated by commas automatically; `Chave` starts a member.
class EscritorJSON {
  public:
    std::string texto;

    void Abre(char c) {
        Separa();
        texto += c;
        primeiro_ = true;
    }
    void Fecha(char c) {
        Quebra();
        texto += c;
        primeiro_ = false;
    }
    // The next value (or closing bracket) starts a new line.
    void NovaLinha() { quebra_ = true; }
    void Chave(const char* nome) {
        Texto(nome);
        texto += ':';
        primeiro_ = true;
    }
    void Nulo() {
        Separa();
        texto += "null";
    }
    void Inteiro(std::int64_t v) {
        Separa();
        texto += std::to_string(v);
    }
    void Numero(const Real& v) {
        Separa();
        char buf[32];
        auto fim = std::to_chars(buf, buf + sizeof buf, v.ComoDouble()).ptr;
        texto.append(buf, fim);
    }
    // Every byte outside printable ASCII, and the quote and backslash, is escaped.
    void Texto(const std::string& s) {
        Separa();
        texto += '"';
        for (unsigned char c : s) {
            if (c == '"' || c == '\\') {
                texto += '\\';
                texto += static_cast<char>(c);
            } else if (c < 32 || c > 126) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                texto += buf;
            } else {
                texto += static_cast<char>(c);
            }
        }
        texto += '"';
    }

  private:
    void Separa() {
        if (!primeiro_) texto += ',';
        primeiro_ = false;
        Quebra();
    }
    void Quebra() {
        if (quebra_) texto += '\n';
        quebra_ = false;
    }
    bool primeiro_ = true;
    bool quebra_ = false;
};

void Ponto(EscritorJSON& j, const std::optional<TPonto3D>& p) {
    if (!p) return j.Nulo();
    j.Abre('[');
    j.Numero(p->X);
    j.Numero(p->Y);
    j.Numero(p->Z);
    j.Fecha(']');
}

void Cor(EscritorJSON& j, const std::optional<TCor>& c) {
    if (!c) return j.Nulo();
    j.Abre('[');
    j.Numero(c->R);
    j.Numero(c->G);
    j.Numero(c->B);
    j.Fecha(']');
}

void Comum(EscritorJSON& j, const TEntidade& e) {
    j.Chave("Camada");
    j.Texto(e.Camada);
    j.Chave("Cor");
    Cor(j, e.Cor);
}

void Escreve(EscritorJSON& j, const TFace3D& f) {
    Comum(j, f);
    j.Chave("Pontos");
    j.Abre('[');
    for (const auto& p : f.Pontos)
        Ponto(j, p);
    j.Fecha(']');
}

void Escreve(EscritorJSON& j, const TLinha& l) {
    Comum(j, l);
    j.Chave("P1");
    Ponto(j, l.P1);
    j.Chave("P2");
    Ponto(j, l.P2);
}

void Escreve(EscritorJSON& j, const TArco& a) {
    Comum(j, a);
    j.Chave("Centro");
    Ponto(j, a.Centro);
    j.Chave("Raio");
    j.Numero(a.Raio);
    j.Chave("AngIni");
    j.Numero(a.AngIni);
    j.Chave("AngFim");
    j.Numero(a.AngFim);
}

void Escreve(EscritorJSON& j, const TCirculo& c) {
    Comum(j, c);
    j.Chave("Centro");
    Ponto(j, c.Centro);
    j.Chave("Raio");
    j.Numero(c.Raio);
}

void Escreve(EscritorJSON& j, const TVertice& v) {
    Comum(j, v);
    j.Chave("Ponto");
    Ponto(j, v.Ponto);
}

void Escreve(EscritorJSON& j, const TFace& f) {
    Comum(j, f);
    const std::pair<const char*, std::int32_t> indices[] = {
        {"V1", f.V1}, {"V2", f.V2}, {"V3", f.V3}, {"V4", f.V4}};
    for (auto [nome, v] : indices) {
        j.Chave(nome);
        j.Inteiro(v);
    }
}

template <class T> void Lista(EscritorJSON& j, const char* nome, const TList<T>& lista);

void Escreve(EscritorJSON& j, const TPolyLine& p) {
    Comum(j, p);
    const std::pair<const char*, std::int32_t> inteiros[] = {
        {"Flags", p.Flags}, {"VerticesSeguem", p.VerticesSeguem},
        {"ContM", p.ContM}, {"ContN", p.ContN},
        {"DensM", p.DensM}, {"DensN", p.DensN}};
    for (auto [nome, v] : inteiros) {
        j.Chave(nome);
        j.Inteiro(v);
    }
    j.Chave("Elevacao");
    j.Numero(p.Elevacao);
    Lista(j, "Vertices", p.Vertices);
    Lista(j, "Faces", p.Faces);
}

void Escreve(EscritorJSON& j, const TBloco& b) {
    j.Chave("Nome");
    j.Texto(b.Nome);
    j.Chave("Flags");
    j.Inteiro(b.Flags);
    Comum(j, b);
    j.Chave("Base");
    Ponto(j, b.Base);
    Lista(j, "FacesBloco", b.FacesBloco);
    Lista(j, "LinhasBloco", b.LinhasBloco);
    Lista(j, "ArcosBloco", b.ArcosBloco);
    Lista(j, "CirculosBloco", b.CirculosBloco);
    Lista(j, "PolyLinesBloco", b.PolyLinesBloco);
}

void Escreve(EscritorJSON& j, const TInsert& i) {
    Comum(j, i);
    j.Chave("NomeBloco");
    j.Texto(i.NomeBloco);
    j.Chave("Ponto");
    Ponto(j, i.Ponto);
    j.Chave("Extrusao");
    Ponto(j, i.Extrusao);
    const std::pair<const char*, const Real*> reais[] = {{"EscalaX", &i.EscalaX},
                                                         {"EscalaY", &i.EscalaY},
                                                         {"EscalaZ", &i.EscalaZ},
                                                         {"Rotacao", &i.Rotacao}};
    for (auto [nome, v] : reais) {
        j.Chave(nome);
        j.Numero(*v);
    }
    const std::pair<const char*, std::int32_t> inteiros[] = {{"NumColunas", i.NumColunas},
                                                             {"NumLinhas", i.NumLinhas},
                                                             {"EspColunas", i.EspColunas},
                                                             {"EspLinhas", i.EspLinhas}};
    for (auto [nome, v] : inteiros) {
        j.Chave(nome);
        j.Inteiro(v);
    }
}

void Escreve(EscritorJSON& j, const TCamada& c) {
    j.Chave("Nome");
    j.Texto(c.Nome);
    j.Chave("Cor");
    Cor(j, c.Cor);
}

template <class T> void Lista(EscritorJSON& j, const char* nome, const TList<T>& lista) {
    j.Chave(nome);
    j.Abre('[');
    for (const auto& item : lista) {
        j.Abre('{');
        Escreve(j, item);
        j.Fecha('}');
    }
    j.Fecha(']');
}

// A top-level list: one element a line, so that large drawings stay readable.
template <class T> void ListaGlobal(EscritorJSON& j, const char* nome, const TList<T>& lista) {
    j.Chave(nome);
    j.Abre('[');
    for (const auto& item : lista) {
        j.NovaLinha();
        j.Abre('{');
        Escreve(j, item);
        j.Fecha('}');
    }
    j.Fecha(']');
}

void Contagem(EscritorJSON& j, const char* nome, int n) {
    j.Chave(nome);
    j.Inteiro(n);
}

void BlocosContados(EscritorJSON& j) {
    j.Chave("Blocos");
    j.Abre('[');
    for (const auto& b : Blocos) {
        j.NovaLinha();
        j.Abre('{');
        j.Chave("Nome");
        j.Texto(b.Nome);
        Contagem(j, "FacesBloco", b.FacesBloco.Count());
        Contagem(j, "LinhasBloco", b.LinhasBloco.Count());
        Contagem(j, "ArcosBloco", b.ArcosBloco.Count());
        Contagem(j, "CirculosBloco", b.CirculosBloco.Count());
        Contagem(j, "PolyLinesBloco", b.PolyLinesBloco.Count());
        j.Fecha('}');
    }
    j.Fecha(']');
}

void Configuracoes(EscritorJSON& j) {
    j.Chave("Configuracao");
    j.Abre('{');
    const std::pair<const char*, const Real*> reais[] = {
        {"XIni", &Configuracao.XIni},     {"YIni", &Configuracao.YIni},
        {"ZIni", &Configuracao.ZIni},     {"VBaixa", &Configuracao.VBaixa},
        {"VMedia", &Configuracao.VMedia}, {"VAlta", &Configuracao.VAlta}};
    for (auto [nome, v] : reais) {
        j.Chave(nome);
        j.Numero(*v);
    }
    Contagem(j, "Altura", Configuracao.Altura);
    Contagem(j, "Angulo", Configuracao.Angulo);
    j.Fecha('}');
}

} // namespace

std::string ModeloEmJSON(const std::optional<std::string>& erro, bool soContagens) {
    EscritorJSON j;
    j.Abre('{');
    j.Chave("Erro");
    if (erro)
        j.Texto(*erro);
    else
        j.Nulo();
    j.NovaLinha();
    j.Chave("Extremos");
    j.Abre('[');
    for (const Real* v : {&XMin, &YMin, &ZMin, &XMax, &YMax, &ZMax})
        j.Numero(*v);
    j.Fecha(']');
    j.NovaLinha();
    Configuracoes(j);
    j.NovaLinha();
    // Each list whole, or only its length.
    auto lista = [&](const char* nome, const auto& itens) {
        if (soContagens)
            Contagem(j, nome, itens.Count());
        else
            ListaGlobal(j, nome, itens);
        j.NovaLinha();
    };
    lista("Camadas", Camadas);
    lista("Faces3D", Faces3D);
    lista("Linhas", Linhas);
    lista("Arcos", Arcos);
    lista("Circulos", Circulos);
    lista("PolyLines", PolyLines);
    if (soContagens)
        BlocosContados(j);
    else
        ListaGlobal(j, "Blocos", Blocos);
    j.NovaLinha();
    lista("Inserts", Inserts);
    j.Fecha('}');
    return j.texto + '\n';
}
