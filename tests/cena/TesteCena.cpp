// The decomposition of drawings made here in code: where things land, their colours, what is
// skipped, what the measures say, and that hostile drawings end quickly within the budget.

#include "Cena.h"
#include "Cores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

TPonto3D P(double x, double y, double z = 0) {
    return {x, y, z};
}

template <class T> T Em(T e, const char* camada = "0", int cor = 256) {
    e.Camada = camada;
    e.IndiceCor = static_cast<std::int16_t>(cor);
    return e;
}

TLinha Linha(TPonto3D a, TPonto3D b, const char* camada = "0", int cor = 256) {
    TLinha l = Em(TLinha{}, camada, cor);
    l.P1 = a;
    l.P2 = b;
    return l;
}

TInsert Insere(const char* bloco, TPonto3D p = P(0, 0), const char* camada = "0", int cor = 256) {
    TInsert i = Em(TInsert{}, camada, cor);
    i.NomeBloco = bloco;
    i.Ponto = p;
    return i;
}

TCamada Camada(const char* nome, int indice, int flags = 0) {
    TCamada c;
    c.Nome = nome;
    c.IndiceCor = indice;
    c.Flags = flags;
    return c;
}

void AddBloco(TDesenho& d, const char* nome, TElementos el, TPonto3D base = P(0, 0)) {
    TBloco b;
    b.Nome = nome;
    b.Base = base;
    b.Elementos = std::move(el);
    d.Blocos.Add(std::move(b));
}

std::array<double, 3> NoMundo(const TCena& c, const TVerticeCena& v) {
    return {c.Origem[0] + v.X, c.Origem[1] + v.Y, c.Origem[2] + v.Z};
}

bool TudoFinito(const TCena& c) {
    for (const auto* lista : {&c.Triangulos, &c.Segmentos, &c.Pontos})
        for (const TVerticeCena& v : *lista)
            for (float f : {v.X, v.Y, v.Z, v.NX, v.NY, v.NZ})
                if (!std::isfinite(f)) return false;
    return true;
}

// The colour of the segment whose first end lies at height y.
TRGB CorEmY(const TCena& c, double y) {
    for (const TVerticeCena& v : c.Segmentos)
        if (std::fabs(NoMundo(c, v)[1] - y) < 1e-6) return {v.R, v.G, v.B};
    ADD_FAILURE() << "no segment at y = " << y;
    return {};
}

void EsperaCaixa(const TCaixaCena& c, std::array<double, 3> min, std::array<double, 3> max,
                 double tol = 1e-9) {
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(c.Min[i], min[i], tol) << "axis " << i;
        EXPECT_NEAR(c.Max[i], max[i], tol) << "axis " << i;
    }
}

// ---- Placement ----

TEST(CenaColocacao, ArcoComExtrusaoNegativaEhEspelhado) {
    // OCS of (0, 0, -1): X runs along world -X, Y along world Y.
    TDesenho d;
    TArco a = Em(TArco{});
    a.Centro = P(1, 0);
    a.Raio = 1;
    a.AngIni = 0;
    a.AngFim = 90;
    a.Extrusao = P(0, 0, -1);
    d.Modelo.Arcos.Add(a);
    const TCena c = DecompoeDesenho(d);
    EsperaCaixa(c.ExtremosMedidos, {-2, 0, 0}, {-1, 1, 0}, 1e-12);
    EXPECT_NEAR(c.Tipos.at("ARC").Comprimento, Pi / 2, 1e-12);
}

TEST(CenaColocacao, MinsertNoReferencialGirado) {
    // Columns 5 apart and rows 2 apart, turned 90 degrees with the insertion; the scale
    // scales the block, not the spacing.
    TDesenho d;
    TElementos el;
    el.Pontos.Add(Em(TPontoDXF{}));
    AddBloco(d, "P", el);
    TInsert i = Insere("P", P(10, 0));
    i.Rotacao = 90;
    i.EscalaX = i.EscalaY = 3;
    i.NumColunas = 2;
    i.NumLinhas = 3;
    i.EspColunas = 5;
    i.EspLinhas = 2;
    d.Modelo.Inserts.Add(i);
    const TCena c = DecompoeDesenho(d);
    std::vector<std::pair<double, double>> achados, esperados;
    for (const TVerticeCena& v : c.Pontos)
        achados.push_back(
            {std::round(NoMundo(c, v)[0] * 1e6) / 1e6, std::round(NoMundo(c, v)[1] * 1e6) / 1e6});
    for (int col = 0; col < 2; ++col)
        for (int lin = 0; lin < 3; ++lin)
            esperados.push_back({10.0 - 2 * lin, 5.0 * col});
    std::sort(achados.begin(), achados.end());
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(achados, esperados);
    EXPECT_EQ(c.Tipos.at("POINT").N, 6);
}

TEST(CenaColocacao, InsercaoEspelhadaPoeAFaceNoLugarComNormalFinita) {
    // Base (1, 1) subtracted, X scaled by -2, placed at (5, 5) in an OCS of +Z given
    // explicitly: corners (7, 4), (5, 4), (5, 5), (7, 5).
    TDesenho d;
    TElementos el;
    TFace3D f = Em(TFace3D{});
    for (auto p : {P(0, 0), P(1, 0), P(1, 1), P(0, 1)})
        f.Pontos.Add(p);
    el.Faces3D.Add(f);
    AddBloco(d, "F", el, P(1, 1));
    TInsert i = Insere("F", P(5, 5));
    i.EscalaX = -2;
    i.Extrusao = P(0, 0, 1);
    i.ExtrusaoLida = true;
    d.Modelo.Inserts.Add(i);
    d.Modelo.Faces3D.Add(f); // at the top level: not one of the probe's faces
    const TCena c = DecompoeDesenho(d);
    ASSERT_EQ(c.Triangulos.size(), 12u);
    ASSERT_EQ(c.FacesDeInsercoes.size(), 2u);
    TCaixaCena colocada;
    for (std::size_t k = 6; k < 12; ++k) { // after the top level's face
        const auto w = NoMundo(c, c.Triangulos[k]);
        colocada.Inclui(w[0], w[1], w[2]);
        EXPECT_FLOAT_EQ(std::fabs(c.Triangulos[k].NZ), 1.0f);
    }
    EsperaCaixa(colocada, {5, 4, 0}, {7, 5, 0});
    EXPECT_NEAR(c.Tipos.at("3DFACE").Area, 2 + 1, 1e-12);
}

TEST(CenaColocacao, CoordenadasDeLevantamentoGuardamAPrecisao) {
    TDesenho d;
    const TPonto3D a = P(5'000'000.0001, 7'000'000.25, 0), b = P(5'000'000.0011, 7'000'000.5, 100);
    d.Modelo.Linhas.Add(Linha(a, b));
    const TCena c = DecompoeDesenho(d);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(static_cast<double>(static_cast<float>(c.Origem[i])), c.Origem[i]);
    ASSERT_EQ(c.Segmentos.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const TPonto3D& p = k == 0 ? a : b;
        const auto w = NoMundo(c, c.Segmentos[k]);
        EXPECT_NEAR(w[0], p.X.ComoDouble(), 1e-5);
        EXPECT_NEAR(w[1], p.Y.ComoDouble(), 1e-5);
        EXPECT_NEAR(w[2], p.Z.ComoDouble(), 1e-5);
    }
}

// ---- Colours and visibility ----

TEST(CenaCores, PaletaAutoCAD) {
    const std::pair<int, TRGB> casos[] = {
        {1, {255, 0, 0}},       {2, {255, 255, 0}},     {3, {0, 255, 0}},      {4, {0, 255, 255}},
        {5, {0, 0, 255}},       {6, {255, 0, 255}},     {7, {255, 255, 255}},  {8, {128, 128, 128}},
        {9, {192, 192, 192}},   {10, {255, 0, 0}},      {11, {255, 127, 127}}, {12, {165, 0, 0}},
        {30, {255, 127, 0}},    {141, {127, 223, 255}}, {249, {38, 19, 23}},   {250, {51, 51, 51}},
        {255, {255, 255, 255}},
    };
    for (const auto& [indice, cor] : casos)
        EXPECT_EQ(CorACI(indice), cor) << "index " << indice;
}

TEST(CenaCores, PorBlocoPorCamadaECamadaZeroEmDoisNiveis) {
    TDesenho d;
    d.Camadas.Add(Camada("0", 7));
    d.Camadas.Add(Camada("A", 1));
    TCamada verdadeira = Camada("C", 5);
    verdadeira.CorVerdadeira = 0x123456;
    d.Camadas.Add(verdadeira);
    TElementos dentro;
    dentro.Linhas.Add(Linha(P(0, 1), P(1, 1)));         // layer 0, ByLayer: layer A
    dentro.Linhas.Add(Linha(P(0, 2), P(1, 2), "0", 0)); // ByBlock: blue, from the top
    dentro.Linhas.Add(Linha(P(0, 3), P(1, 3), "C"));    // its own layer's true colour
    AddBloco(d, "DENTRO", dentro);
    TElementos fora;
    fora.Inserts.Add(Insere("DENTRO", P(0, 0), "0", 0)); // layer 0 and ByBlock: handed down
    AddBloco(d, "FORA", fora);
    d.Modelo.Inserts.Add(Insere("FORA", P(0, 0), "a", 5)); // layer names ignore case
    d.Modelo.Linhas.Add(Linha(P(0, 4), P(1, 4), "0", 0));  // ByBlock at the top: white
    TLinha verdade = Linha(P(0, 5), P(1, 5), "0", 1);
    verdade.CorVerdadeira = 0x00FF00; // over the index
    d.Modelo.Linhas.Add(verdade);
    d.Modelo.Linhas.Add(Linha(P(0, 6), P(1, 6), "SEM_TABELA")); // a missing layer: white
    const TCena c = DecompoeDesenho(d);
    EXPECT_EQ(CorEmY(c, 1), (TRGB{255, 0, 0}));
    EXPECT_EQ(CorEmY(c, 2), (TRGB{0, 0, 255}));
    EXPECT_EQ(CorEmY(c, 3), (TRGB{0x12, 0x34, 0x56}));
    EXPECT_EQ(CorEmY(c, 4), (TRGB{255, 255, 255}));
    EXPECT_EQ(CorEmY(c, 5), (TRGB{0, 255, 0}));
    EXPECT_EQ(CorEmY(c, 6), (TRGB{255, 255, 255}));
}

TEST(CenaVisibilidade, CamadasDesligadasCongeladasInvisiveisEPapelFicamDeForaTambemEmBlocos) {
    TDesenho d;
    d.Camadas.Add(Camada("0", 7));
    d.Camadas.Add(Camada("DESLIGADA", -2));
    d.Camadas.Add(Camada("CONGELADA", 2, 1));
    d.Camadas.Add(Camada("LIGADA", 3));
    TElementos el;
    el.Linhas.Add(Linha(P(0, 0), P(1, 0), "DESLIGADA"));
    el.Linhas.Add(Linha(P(0, 0), P(1, 0), "CONGELADA"));
    TLinha invisivel = Linha(P(0, 0), P(1, 0), "LIGADA");
    invisivel.Invisivel = true;
    el.Linhas.Add(invisivel);
    TLinha papel = Linha(P(0, 0), P(1, 0), "LIGADA");
    papel.EspacoPapel = true;
    el.Linhas.Add(papel);
    el.Linhas.Add(Linha(P(0, 0), P(1, 0), "LIGADA")); // drawn
    el.Linhas.Add(Linha(P(0, 0), P(1, 0), "0"));      // on the insertion's layer
    AddBloco(d, "B", el);
    d.Modelo.Inserts.Add(Insere("B", P(0, 0), "LIGADA"));    // 2 lines
    d.Modelo.Inserts.Add(Insere("B", P(0, 9), "CONGELADA")); // nothing
    d.Modelo.Inserts.Add(Insere("B", P(0, 9), "DESLIGADA")); // nothing
    d.Modelo.Linhas.Add(Linha(P(0, 9), P(1, 9), "CONGELADA"));
    const TCena c = DecompoeDesenho(d);
    EXPECT_EQ(c.Tipos.at("LINE").N, 2);
    EXPECT_EQ(CorEmY(c, 0), (TRGB{0, 255, 0}));
    EXPECT_EQ(c.Extremos.Max[1], 0);
}

// ---- Measures ----

TEST(CenaMedidas, CirculoInseridoEmEscala) {
    TDesenho d;
    TElementos el;
    TCirculo circ = Em(TCirculo{});
    circ.Centro = P(1, 0);
    circ.Raio = 2;
    el.Circulos.Add(circ);
    AddBloco(d, "C", el);
    TInsert i = Insere("C", P(100, 0));
    i.EscalaX = i.EscalaY = i.EscalaZ = 3;
    d.Modelo.Inserts.Add(i);
    const TCena c = DecompoeDesenho(d);
    EXPECT_EQ(c.Tipos.at("CIRCLE").N, 1);
    EXPECT_NEAR(c.Tipos.at("CIRCLE").Comprimento, 2 * Pi * 6, 1e-9);
    EsperaCaixa(c.ExtremosMedidos, {97, -6, 0}, {109, 6, 0}, c.Tolerancia);
}

TEST(CenaMedidas, PolilinhasComArcosELarguras) {
    // A half turn of radius 1 from (0, 0) to (2, 0), then 2 straight to (4, 0).
    TDesenho d;
    TPolyLineLeve larga = Em(TPolyLineLeve{});
    larga.Vertices = {{0, 0, 0, 0, 1}, {2, 0, 0, 0, 0}, {4, 0, 0, 0, 0}};
    larga.LarguraConstante = 0.5;
    d.Modelo.PolyLinesLeves.Add(larga);
    // The same path as a closed 2D polyline without width: the closing segment counts.
    TPolyLine fina = Em(TPolyLine{});
    fina.Flags = 1;
    for (auto [x, bulge] : {std::pair{0.0, 1.0}, {2.0, 0.0}, {4.0, 0.0}}) {
        TVertice v = Em(TVertice{});
        v.Ponto = P(x, 0);
        v.Bulge = bulge;
        fina.Vertices.Add(v);
    }
    d.Modelo.PolyLines.Add(fina);
    // A closed spline-fit 3D polyline: through its fitted vertices, its frame point left out.
    TPolyLine tresD = Em(TPolyLine{});
    tresD.Flags = 1 | 4 | 8;
    for (auto [p, flags] :
         {std::pair{P(0, 0, 1), 8}, {P(50, 50, 50), 16}, {P(3, 0, 1), 8}, {P(3, 4, 1), 8}}) {
        TVertice v = Em(TVertice{});
        v.Ponto = p;
        v.FlagsVertice = flags;
        tresD.Vertices.Add(v);
    }
    d.Modelo.PolyLines.Add(tresD);
    const TCena c = DecompoeDesenho(d);
    EXPECT_NEAR(c.Tipos.at("POLYLINE3D").Comprimento, 3 + 4 + 5, 1e-12);
    EXPECT_EQ(c.ExtremosMedidos.Max[0], 4);
    EXPECT_NEAR(c.Tipos.at("LWPOLYLINE").Area, (Pi + 2) * 0.5, 1e-3);
    EXPECT_EQ(c.Tipos.at("LWPOLYLINE").Comprimento, 0);
    EXPECT_NEAR(c.Tipos.at("POLYLINE2D").Comprimento, Pi + 2 + 4, 1e-9);
    // The bulge's half turn runs below the chord (clockwise seen from +Z is negative).
    EXPECT_NEAR(c.ExtremosMedidos.Min[1], -1.25, 1e-3);
}

TEST(CenaMedidas, MalhaDeFacesSolidoEEspessura) {
    TDesenho d;
    // Polyface: a unit square as one four-sided face (one edge hidden), a triangle, and a
    // face whose third vertex does not exist (two corners left: nothing).
    TPolyLine malha = Em(TPolyLine{});
    malha.Flags = 64;
    for (auto p : {P(0, 0), P(1, 0), P(1, 1), P(0, 1), P(0.5, -1)}) {
        TVertice v = Em(TVertice{});
        v.Ponto = p;
        malha.Vertices.Add(v);
    }
    auto face = [](int a, int b, int c, int e) {
        TFace f;
        f.V1 = a, f.V2 = b, f.V3 = c, f.V4 = e;
        return f;
    };
    malha.Faces.Add(face(1, 2, -3, 4));
    malha.Faces.Add(face(1, 5, 2, 0));
    malha.Faces.Add(face(1, 2, 99, 0));
    d.Modelo.PolyLines.Add(malha);
    // A SOLID's corners go round in the order 1, 2, 4, 3: (0, 0), (4, 0), (1, 3), (0, 1).
    TSolido s = Em(TSolido{});
    s.Cantos = {P(0, 0), P(4, 0), P(0, 1), P(1, 3)};
    s.NumCantos = 4;
    d.Modelo.Solidos.Add(s);
    // Thickness is drawn but not measured.
    TLinha alta = Linha(P(0, 3), P(1, 3));
    alta.Espessura = 5;
    d.Modelo.Linhas.Add(alta);
    const TCena c = DecompoeDesenho(d);
    EXPECT_EQ(c.Tipos.at("POLYFACE").N, 1);
    EXPECT_NEAR(c.Tipos.at("POLYFACE").Area, 1 + 0.5, 1e-12);
    EXPECT_NEAR(c.Tipos.at("SOLID").Area, 6 + 0.5, 1e-12);
    EXPECT_NEAR(c.Tipos.at("LINE").Comprimento, 1, 1e-12);
    EXPECT_EQ(c.ExtremosMedidos.Max[2], 0);
    EXPECT_EQ(c.Extremos.Max[2], 5);
}

// ---- Hostile drawings ----

struct TCasoHostil {
    const char* Nome;
    TDesenho (*Faz)();
    long long Linhas; // LINE elements drawn, or -1 when the budget decides
    bool Aviso;
};

TElementos ComLinhaE(TInsert ins) {
    TElementos el;
    el.Linhas.Add(Linha(P(0, 0), P(1, 1)));
    el.Inserts.Add(std::move(ins));
    return el;
}

TDesenho InsereASi() {
    TDesenho d;
    AddBloco(d, "A", ComLinhaE(Insere("A", P(1, 0))));
    d.Modelo.Inserts.Add(Insere("A"));
    return d;
}

TDesenho InseremUmAoOutro() {
    TDesenho d;
    AddBloco(d, "A", ComLinhaE(Insere("B", P(1, 0))));
    AddBloco(d, "B", ComLinhaE(Insere("A", P(0, 1))));
    d.Modelo.Inserts.Add(Insere("A"));
    return d;
}

TDesenho Aninhados1000() {
    TDesenho d;
    for (int i = 0; i < 1000; ++i)
        AddBloco(d, ("N" + std::to_string(i)).c_str(),
                 ComLinhaE(Insere(("N" + std::to_string(i + 1)).c_str(), P(1, 0))));
    d.Modelo.Inserts.Add(Insere("N0"));
    return d;
}

TDesenho Dobrando() {
    // Each level places the next twice: 2^60 copies at the bottom.
    TDesenho d;
    for (int i = 0; i < 60; ++i) {
        TElementos el = ComLinhaE(Insere(("D" + std::to_string(i + 1)).c_str(), P(1, 0)));
        el.Inserts.Add(Insere(("D" + std::to_string(i + 1)).c_str(), P(0, 1)));
        AddBloco(d, ("D" + std::to_string(i)).c_str(), el);
    }
    d.Modelo.Inserts.Add(Insere("D0"));
    return d;
}

// A MINSERT of 100000 x 100000 copies of a block with one line on `camada`, or of an empty
// block (camada null).
TDesenho Minsert(const char* camada) {
    TDesenho d;
    d.Camadas.Add(Camada("GELO", 1, 1));
    TElementos el;
    if (camada) el.Linhas.Add(Linha(P(0, 0), P(1, 1), camada));
    AddBloco(d, "M", el);
    TInsert i = Insere("M");
    i.NumColunas = i.NumLinhas = 100000;
    i.EspColunas = i.EspLinhas = 2;
    d.Modelo.Inserts.Add(i);
    return d;
}

TDesenho EscalaZero() {
    TDesenho d;
    TElementos el;
    TFace3D f = Em(TFace3D{});
    for (auto p : {P(0, 0), P(1, 0), P(1, 1)})
        f.Pontos.Add(p);
    el.Faces3D.Add(f);
    el.Linhas.Add(Linha(P(0, 0), P(1, 1)));
    TCirculo circ = Em(TCirculo{});
    circ.Raio = 1;
    el.Circulos.Add(circ);
    AddBloco(d, "Z", el);
    TInsert i = Insere("Z", P(3, 3));
    i.EscalaX = i.EscalaY = i.EscalaZ = 0;
    d.Modelo.Inserts.Add(i);
    return d;
}

TEST(CenaHostil, TerminaLogoFinitaEDentroDoOrcamento) {
    const TCasoHostil casos[] = {
        {"bloco que se insere", InsereASi, 1, false},
        {"blocos que se inserem um ao outro", InseremUmAoOutro, 2, false},
        {"1000 niveis", Aninhados1000, 64, true},
        {"dobrando a cada nivel", Dobrando, -1, true},
        {"MINSERT 100000 x 100000", [] { return Minsert("0"); }, -1, true},
        {"MINSERT de camada congelada", [] { return Minsert("GELO"); }, 0, true},
        {"MINSERT de bloco vazio", [] { return Minsert(nullptr); }, 0, false},
        {"escala 0", EscalaZero, 1, false},
    };
    TOpcoesDaCena opcoes;
    opcoes.LimiteDeVertices = 100'000;
    opcoes.LimiteDeVisitas = 200'000;
    for (const TCasoHostil& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        const TDesenho d = caso.Faz();
        const auto inicio = std::chrono::steady_clock::now();
        const TCena c = DecompoeDesenho(d, opcoes);
        EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(2));
        EXPECT_TRUE(TudoFinito(c));
        EXPECT_LE(c.Triangulos.size() + c.Segmentos.size() + c.Pontos.size() +
                      c.FacesDeInsercoes.size(),
                  100'000u);
        EXPECT_EQ(c.Aviso.has_value(), caso.Aviso) << c.Aviso.value_or("");
        const long long linhas = c.Tipos.count("LINE") ? c.Tipos.at("LINE").N : 0;
        if (caso.Linhas >= 0) {
            EXPECT_EQ(linhas, caso.Linhas);
        }
    }
}

TEST(CenaHostil, AvisoDoOrcamentoEmPortugues) {
    TOpcoesDaCena opcoes;
    opcoes.LimiteDeVertices = 10'000;
    const TCena c = DecompoeDesenho(Minsert("0"), opcoes);
    EXPECT_EQ(c.Aviso.value_or(""),
              "O desenho completo passa de 10.000 vértices: só uma parte dele é mostrada.");
    EXPECT_EQ(c.Segmentos.size(), 10'000u);
}

TEST(CenaHostil, EscalaZeroContaOsElementosComoOReferencial) {
    const TCena c = DecompoeDesenho(EscalaZero());
    EXPECT_EQ(c.Tipos.at("3DFACE").N, 1);
    EXPECT_EQ(c.Tipos.at("CIRCLE").N, 1);
    EsperaCaixa(c.Extremos, {3, 3, 0}, {3, 3, 0});
}

// A leader's hook and closed filled arrow sized by its style and overrides, and an arrow
// drawn from the block its style names by the block record's handle.
TEST(CenaLider, SetaEGanchoPeloEstiloESuasSubstituicoes) {
    TDesenho d;
    d.Medicao = 1;
    TEstiloDeCota iso;
    iso.Nome = "ISO";
    iso.Variaveis.TamanhoSeta = 2;
    iso.Variaveis.Escala = 3;
    d.EstilosDeCota.push_back(iso);
    d.NomesDosRegistrosDeBloco["1F"] = "SETA";
    TElementos seta;
    seta.Linhas.Add(Linha(P(0, 0), P(-1, 0)));
    AddBloco(d, "SETA", seta);

    // Arrow at (0, 0) pointing along -X, hook from (10, 0): gap 1 x 3 plus the text's 5.
    TLider a = Em(TLider{});
    a.Vertices = {P(0, 0), P(10, 0)};
    a.Estilo = "iso";
    a.Anotacao = 0;
    a.ComGancho = 1;
    a.LarguraDoTexto = 5;
    a.Substituicoes.Folga = 1;
    d.Modelo.Lideres.Add(a);
    // Arrow block at (100, 0) along -Y, 6 long; no hook with the text beside the line.
    TLider b = a;
    b.Vertices = {P(100, 0), P(100, 10)};
    b.Substituicoes.TextoAcima = 0;
    b.Substituicoes.BlocoDaSeta = "1F";
    d.Modelo.Lideres.Add(b);

    const TCena c = DecompoeDesenho(d);
    EXPECT_EQ(c.Tipos.at("LINE").N, 2 + 1 + 1);
    EXPECT_NEAR(c.Tipos.at("LINE").Comprimento, 18 + 10 + 6, 1e-9);
    const double meiaLargura = 6 * std::sin(18.924644 / 2 * Pi / 180);
    EXPECT_EQ(c.Tipos.at("SOLID").N, 1);
    EXPECT_NEAR(c.Tipos.at("SOLID").Area, 6 * meiaLargura, 1e-9);
    EsperaCaixa(c.ExtremosMedidos, {0, -meiaLargura, 0}, {100, 10, 0}, 1e-6);
    bool setaNoBloco = false;
    for (const TVerticeCena& v : c.Segmentos)
        setaNoBloco |= std::hypot(NoMundo(c, v)[0] - 100, NoMundo(c, v)[1] - 6) < 1e-6;
    EXPECT_TRUE(setaNoBloco) << "the block's line ends 6 up the leader";
}

} // namespace
