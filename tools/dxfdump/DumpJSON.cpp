#include "DumpJSON.h"

#include "EscritorJSON.h"
#include "Modelo.h"

#include <cstdint>

namespace {

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

// One member: its key, then its value.
void Membro(EscritorJSON& j, const char* nome, const Real& v) {
    j.Chave(nome);
    j.Numero(v);
}
void Membro(EscritorJSON& j, const char* nome, std::int64_t v) {
    j.Chave(nome);
    j.Inteiro(v);
}
void Membro(EscritorJSON& j, const char* nome, const std::string& v) {
    j.Chave(nome);
    j.Texto(v);
}
void Membro(EscritorJSON& j, const char* nome, const std::optional<TPonto3D>& v) {
    j.Chave(nome);
    Ponto(j, v);
}
void Membro(EscritorJSON& j, const char* nome, const std::optional<TCor>& v) {
    j.Chave(nome);
    Cor(j, v);
}

void Comum(EscritorJSON& j, const TEntidade& e) {
    Membro(j, "Camada", e.Camada);
    Membro(j, "Cor", e.Cor);
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
    Membro(j, "P1", l.P1);
    Membro(j, "P2", l.P2);
}

void Escreve(EscritorJSON& j, const TArco& a) {
    Comum(j, a);
    Membro(j, "Centro", a.Centro);
    Membro(j, "Raio", a.Raio);
    Membro(j, "AngIni", a.AngIni);
    Membro(j, "AngFim", a.AngFim);
}

void Escreve(EscritorJSON& j, const TCirculo& c) {
    Comum(j, c);
    Membro(j, "Centro", c.Centro);
    Membro(j, "Raio", c.Raio);
}

void Escreve(EscritorJSON& j, const TVertice& v) {
    Comum(j, v);
    Membro(j, "Ponto", v.Ponto);
}

void Escreve(EscritorJSON& j, const TFace& f) {
    Comum(j, f);
    Membro(j, "V1", f.V1);
    Membro(j, "V2", f.V2);
    Membro(j, "V3", f.V3);
    Membro(j, "V4", f.V4);
}

template <class T> void Lista(EscritorJSON& j, const char* nome, const TList<T>& lista);

void Escreve(EscritorJSON& j, const TPolyLine& p) {
    Comum(j, p);
    Membro(j, "Flags", p.Flags);
    Membro(j, "VerticesSeguem", p.VerticesSeguem);
    Membro(j, "ContM", p.ContM);
    Membro(j, "ContN", p.ContN);
    Membro(j, "DensM", p.DensM);
    Membro(j, "DensN", p.DensN);
    Membro(j, "Elevacao", p.Elevacao);
    Lista(j, "Vertices", p.Vertices);
    Lista(j, "Faces", p.Faces);
}

void Escreve(EscritorJSON& j, const TBloco& b) {
    Membro(j, "Nome", b.Nome);
    Membro(j, "Flags", b.Flags);
    Comum(j, b);
    Membro(j, "Base", b.Base);
    Lista(j, "FacesBloco", b.Elementos.Faces3D);
    Lista(j, "LinhasBloco", b.Elementos.Linhas);
    Lista(j, "ArcosBloco", b.Elementos.Arcos);
    Lista(j, "CirculosBloco", b.Elementos.Circulos);
    Lista(j, "PolyLinesBloco", b.Elementos.PolyLines);
}

void Escreve(EscritorJSON& j, const TInsert& i) {
    Comum(j, i);
    Membro(j, "NomeBloco", i.NomeBloco);
    Membro(j, "Ponto", i.Ponto);
    Membro(j, "Extrusao", i.Extrusao);
    Membro(j, "EscalaX", i.EscalaX);
    Membro(j, "EscalaY", i.EscalaY);
    Membro(j, "EscalaZ", i.EscalaZ);
    Membro(j, "Rotacao", i.Rotacao);
    Membro(j, "NumColunas", i.NumColunas);
    Membro(j, "NumLinhas", i.NumLinhas);
    Membro(j, "EspColunas", i.EspColunas);
    Membro(j, "EspLinhas", i.EspLinhas);
}

void Escreve(EscritorJSON& j, const TCamada& c) {
    Membro(j, "Nome", c.Nome);
    Membro(j, "Cor", c.Cor);
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

void BlocosContados(EscritorJSON& j) {
    j.Chave("Blocos");
    j.Abre('[');
    for (const auto& b : Blocos) {
        j.NovaLinha();
        j.Abre('{');
        Membro(j, "Nome", b.Nome);
        Membro(j, "FacesBloco", b.Elementos.Faces3D.Count());
        Membro(j, "LinhasBloco", b.Elementos.Linhas.Count());
        Membro(j, "ArcosBloco", b.Elementos.Arcos.Count());
        Membro(j, "CirculosBloco", b.Elementos.Circulos.Count());
        Membro(j, "PolyLinesBloco", b.Elementos.PolyLines.Count());
        j.Fecha('}');
    }
    j.Fecha(']');
}

void Configuracoes(EscritorJSON& j) {
    j.Chave("Configuracao");
    j.Abre('{');
    Membro(j, "XIni", Configuracao.XIni);
    Membro(j, "YIni", Configuracao.YIni);
    Membro(j, "ZIni", Configuracao.ZIni);
    Membro(j, "VBaixa", Configuracao.VBaixa);
    Membro(j, "VMedia", Configuracao.VMedia);
    Membro(j, "VAlta", Configuracao.VAlta);
    Membro(j, "Altura", Configuracao.Altura);
    Membro(j, "Angulo", Configuracao.Angulo);
    j.Fecha('}');
}

} // namespace

std::string ModeloEmJSON(const std::optional<std::string>& erro, bool soContagens,
                         std::optional<std::uint64_t> linha) {
    EscritorJSON j;
    j.Abre('{');
    j.Chave("Erro");
    if (erro)
        j.Texto(*erro);
    else
        j.Nulo();
    j.Chave("Linha");
    if (linha)
        j.Inteiro(static_cast<std::int64_t>(*linha));
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
            Membro(j, nome, itens.Count());
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
