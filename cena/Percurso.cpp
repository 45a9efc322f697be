#include "Percurso.h"

#include <cctype>
#include <cmath>
#include <limits>

std::string Maiusculas(std::string s) {
    for (char& ch : s)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
}

namespace {

constexpr double Pi = 3.141592653589793238462643383279502884;

// A coordinate of the origin: the centre rounded to a whole number, and then to the nearest
// float (a multiple of a power of two past 2^24), so that a float holds it exactly.
double CoordenadaDaOrigem(double c) {
    if (!std::isfinite(c)) return 0;
    constexpr double maior = std::numeric_limits<float>::max();
    c = std::clamp(std::nearbyint(c), -maior, maior);
    return static_cast<double>(static_cast<float>(c));
}

// The placement of one copy of a block by an insertion: the block's base point to the
// insertion point, scaled, turned about the insertion's Z and laid in its object coordinate
// system; (dx, dy) is the copy's offset in a MINSERT array, in the insertion's turned frame
// and not scaled.
TMatriz MatrizDaInsercao(const TInsert& ins, const TP3& base, double dx, double dy) {
    const TP3 extrusao = ins.ExtrusaoLida && ins.Extrusao ? P3(*ins.Extrusao) : TP3{0, 0, 1};
    const auto eixos = EixosOCS(extrusao);
    const double rot = ins.Rotacao.ComoDouble() * Pi / 180;
    const double co = std::cos(rot), se = std::sin(rot);
    const TP3 rx = Soma3(Vezes3(eixos[0], co), Vezes3(eixos[1], se));
    const TP3 ry = Soma3(Vezes3(eixos[0], -se), Vezes3(eixos[1], co));
    const TP3 ponto = ins.Ponto ? P3(*ins.Ponto) : TP3{0, 0, 0};
    const TP3 origem = Soma3(DoOCS(eixos, ponto), Soma3(Vezes3(rx, dx), Vezes3(ry, dy)));
    TMatriz m =
        TMatriz::Colunas(Vezes3(rx, ins.EscalaX.ComoDouble()), Vezes3(ry, ins.EscalaY.ComoDouble()),
                         Vezes3(eixos[2], ins.EscalaZ.ComoDouble()), {0, 0, 0});
    const TP3 t = Menos3(origem, m.Direcao(base));
    for (int i = 0; i < 3; ++i)
        m.M[i][3] = t[static_cast<std::size_t>(i)];
    return m;
}

// Columns and rows of an insertion's array: 0 counts as 1, and with a spacing of 0 the copies
// of that direction all fall in one place, drawn once.
long long ColunasDoArranjo(const TInsert& ins) {
    return ins.NumColunas > 1 && ins.EspColunas.ComoDouble() != 0 ? ins.NumColunas : 1;
}
long long LinhasDoArranjo(const TInsert& ins) {
    return ins.NumLinhas > 1 && ins.EspLinhas.ComoDouble() != 0 ? ins.NumLinhas : 1;
}

// The block an insertion places; other kinds place none.
const std::string* BlocoInserido(const TInsert& ins) {
    return &ins.NomeBloco;
}
const std::string* BlocoInserido(const TEntidade&) {
    return nullptr;
}

void IncluiPonto(TCaixaCena& caixa, const TMatriz& m, const TP3& p) {
    const TP3 w = m.Ponto(p);
    caixa.Inclui(w[0], w[1], w[2]);
}

// The eight corners of `caixa` placed by `m`.
void IncluiCaixa(TCaixaCena& caixa, const TMatriz& m, const TCaixaCena& local) {
    if (local.Vazia()) return;
    for (int i = 0; i < 8; ++i)
        IncluiPonto(caixa, m,
                    {(i & 1 ? local.Max : local.Min)[0], (i & 2 ? local.Max : local.Min)[1],
                     (i & 4 ? local.Max : local.Min)[2]});
}

// A sphere's box in the OCS of `extrusao`: enough for arcs and circles.
void IncluiEsfera(TCaixaCena& caixa, const TMatriz& m, const TP3& centroOCS, double raio,
                  const TP3& extrusao) {
    if (!std::isfinite(raio)) return;
    const TP3 c = DoOCS(EixosOCS(extrusao), centroOCS);
    TCaixaCena local;
    local.Inclui(c[0] - raio, c[1] - raio, c[2] - raio);
    local.Inclui(c[0] + raio, c[1] + raio, c[2] + raio);
    IncluiCaixa(caixa, m, local);
}

} // namespace

TPercurso::TPercurso(const TDesenho& desenho, const TOpcoesDaCena& opcoes, TCena& cena,
                     TBusca* busca)
    : desenho_(desenho), opcoes_(opcoes), cena_(cena), emissor_(cena, opcoes),
      codificacao_(CodificacaoDoArquivo(desenho.PaginaDeCodigo, desenho.Versao)) {
    emissor_.Busca(busca);
    for (const TEstiloDeTexto& estilo : desenho.EstilosDeTexto)
        estilosDeTexto_.emplace(Maiusculas(estilo.Nome), &estilo);
    for (int i = 0; i < desenho.Camadas.Count(); ++i) {
        camadas_.emplace(Maiusculas(desenho.Camadas[i].Nome), &desenho.Camadas[i]);
        if (cena_.Camadas.size() < 0xFFFF) {
            indiceDaCamada_.emplace(&desenho.Camadas[i], std::uint16_t(cena_.Camadas.size()));
            cena_.Camadas.push_back(desenho.Camadas[i].Nome);
        }
    }
    for (const TEstiloDeCota& estilo : desenho.EstilosDeCota)
        estilos_.emplace(Maiusculas(estilo.Nome), &estilo);
    const double escala = desenho.EscalaTipoDeLinha.ComoDouble();
    for (const TTipoDeLinha& tipo : desenho.TiposDeLinha) {
        const std::vector<double> tracos(tipo.Tracos.begin(), tipo.Tracos.end());
        if (auto t = TracejadoDe(tracos, escala > 0 ? escala : 1))
            tracejados_.emplace(Maiusculas(tipo.Nome), std::move(*t));
    }
    for (int i = 0; i < desenho.Camadas.Count(); ++i)
        tracejadoDaCamada_[&desenho.Camadas[i]] = TracejadoPorNome(desenho.Camadas[i].TipoDeLinha);
}

const TTracejado* TPercurso::TracejadoPorNome(const std::string& nome) const {
    if (tracejados_.empty()) return nullptr;
    const auto achado = tracejados_.find(Maiusculas(nome));
    return achado == tracejados_.end() ? nullptr : &achado->second;
}

const std::string& TPercurso::NomeDaCamada(const TEntidade& e, const TContexto& c) {
    return NaCamadaDaInsercao(e, c.EmBloco) && c.NomeDaCamada ? *c.NomeDaCamada : e.Camada.Texto();
}

std::uint16_t TPercurso::IndiceDaCamada(const TEntidade& e, const TContexto& c,
                                        const TCamada* camada) {
    if (camada) {
        const auto achada = indiceDaCamada_.find(camada);
        if (achada != indiceDaCamada_.end()) return achada->second;
    }
    const std::string& efetiva = NomeDaCamada(e, c);
    const std::string nome = Maiusculas(efetiva);
    const auto achada = indiceSemTabela_.find(nome);
    if (achada != indiceSemTabela_.end()) return achada->second;
    if (cena_.Camadas.size() >= 0xFFFF) return 0xFFFE; // past 65,534 names: one for the rest
    const auto indice = static_cast<std::uint16_t>(cena_.Camadas.size());
    cena_.Camadas.push_back(efetiva);
    indiceSemTabela_.emplace(nome, indice);
    return indice;
}

std::uint8_t TPercurso::Espessura(const TEntidade& e, const TCamada* camada, const TContexto& c) {
    std::int32_t espessura = e.EspessuraDeLinha;
    if (espessura == -1) espessura = camada ? camada->EspessuraDeLinha : -3;
    if (espessura == -2) return c.EspessuraDoBloco;
    return espessura < 0 ? EspessuraPadrao : static_cast<std::uint8_t>(std::min(espessura, 211));
}

const TTracejado* TPercurso::Tracejado(const TEntidade& e, const TCamada* camada,
                                       const TContexto& c) {
    if (tracejados_.empty()) return nullptr;
    const std::string& nome = e.TipoDeLinha.Texto();
    auto achado = tipoPorTexto_.find(&nome); // names are shared: one look-up per distinct name
    if (achado == tipoPorTexto_.end()) {
        const std::string maiusculo = Maiusculas(nome);
        const TTipoResolvido tipo = maiusculo.empty() || maiusculo == "BYLAYER" ? TTipoResolvido{0}
                                    : maiusculo == "BYBLOCK"
                                        ? TTipoResolvido{1}
                                        : TTipoResolvido{2, TracejadoPorNome(nome)};
        achado = tipoPorTexto_.emplace(&nome, tipo).first;
    }
    if (achado->second.Origem == 1) return c.TracejadoDoBloco;
    if (achado->second.Origem == 2) return achado->second.Tracejado;
    const auto daCamada = tracejadoDaCamada_.find(camada);
    return daCamada == tracejadoDaCamada_.end() ? nullptr : daCamada->second;
}

const TEstiloDeCota* TPercurso::EstiloDeCota(const std::string& nome) const {
    const auto achado = estilos_.find(Maiusculas(nome));
    return achado == estilos_.end() ? nullptr : achado->second;
}

const TCamada* TPercurso::CamadaPorNome(const TNome& nome) {
    const std::string& texto = nome.Texto();
    const auto achado = porTexto_.find(&texto);
    if (achado != porTexto_.end()) return achado->second;
    const auto c = camadas_.find(Maiusculas(texto));
    const TCamada* camada = c == camadas_.end() ? nullptr : c->second;
    porTexto_.emplace(&texto, camada);
    return camada;
}

bool TPercurso::Visivel(const TEntidade& e, const TContexto& c, const TCamada*& camada) {
    if (e.EspacoPapel || e.Invisivel) return false;
    camada = NaCamadaDaInsercao(e, c.EmBloco) ? c.Camada : CamadaPorNome(e.Camada);
    return Mostrada(camada);
}

bool TPercurso::Mostrada(const TCamada* camada) const {
    if (!camada) return true; // a layer the table does not list: drawn, white
    if (!(camada->IndiceCor && *camada->IndiceCor < 0) && !(camada->Flags & 1)) return true;
    return !opcoes_.CamadasLigadas.empty() &&
           opcoes_.CamadasLigadas.contains(Maiusculas(camada->Nome));
}

bool TPercurso::Prepara(const TEntidade& e, const TContexto& c, TRGB& cor) {
    const TCamada* camada = nullptr;
    return Prepara(e, c, cor, camada);
}

bool TPercurso::Prepara(const TEntidade& e, const TContexto& c, TRGB& cor, const TCamada*& camada) {
    if (!Visivel(e, c, camada)) return false;
    cor = CorDoElemento(e, camada, c.CorDoBloco);
    emissor_.DefineElemento(e, camada, cor);
    emissor_.DefineTracejado(Tracejado(e, camada, c), e.EscalaTipoDeLinha);
    emissor_.DefineEspessura(Espessura(e, camada, c));
    emissor_.DefineCamada(IndiceDaCamada(e, c, camada));
    return true;
}

// ---- The bound before the walk ----

void TPercurso::IncluiElementos(const TElementos& el, const TMatriz& m, TCaixaCena& caixa,
                                bool emBloco, int profundidade) {
    // Own flags and layers only: an element on layer 0 in a block counts as shown.
    auto mostra = [&](const TEntidade& e) {
        if (e.EspacoPapel || e.Invisivel) return false;
        if (NaCamadaDaInsercao(e, emBloco)) return true;
        return Mostrada(CamadaPorNome(e.Camada));
    };
    for (const TFace3D& f : el.Faces3D)
        if (mostra(f))
            for (int i = 0; i < f.Pontos.Count(); ++i)
                IncluiPonto(caixa, m, P3(f.Pontos[i]));
    for (const auto* lista : {&el.Linhas, &el.Linhas3D})
        for (const TLinha& l : *lista)
            if (mostra(l)) {
                IncluiPonto(caixa, m, l.P1 ? P3(*l.P1) : TP3{0, 0, 0});
                IncluiPonto(caixa, m, l.P2 ? P3(*l.P2) : TP3{0, 0, 0});
            }
    for (const TArco& a : el.Arcos)
        if (mostra(a))
            IncluiEsfera(caixa, m, a.Centro ? P3(*a.Centro) : TP3{0, 0, 0}, a.Raio.ComoDouble(),
                         P3(a.Extrusao));
    for (const TCirculo& a : el.Circulos)
        if (mostra(a))
            IncluiEsfera(caixa, m, a.Centro ? P3(*a.Centro) : TP3{0, 0, 0}, a.Raio.ComoDouble(),
                         P3(a.Extrusao));
    for (const TElipse& e : el.Elipses)
        if (mostra(e)) IncluiEsfera(caixa, m, P3(e.Centro), Norma3(P3(e.EixoMaior)), {0, 0, 1});
    for (const TSpline& s : el.Splines)
        if (mostra(s)) {
            for (const TPonto3D& p : s.Controle)
                IncluiPonto(caixa, m, P3(p));
            for (const TPonto3D& p : s.Ajuste)
                IncluiPonto(caixa, m, P3(p));
        }
    for (const TPolyLine& p : el.PolyLines)
        if (mostra(p)) {
            const bool plana = !(p.Flags & (8 | 16 | 64));
            const auto eixos = EixosOCS(P3(p.Extrusao));
            for (const TVertice& v : p.Vertices) {
                TP3 q = v.Ponto ? P3(*v.Ponto) : TP3{0, 0, 0};
                if (plana) q = DoOCS(eixos, {q[0], q[1], p.Elevacao.ComoDouble()});
                IncluiPonto(caixa, m, q);
            }
        }
    for (const TPolyLineLeve& p : el.PolyLinesLeves)
        if (mostra(p)) {
            const auto eixos = EixosOCS(P3(p.Extrusao));
            for (const TVerticeLeve& v : p.Vertices)
                IncluiPonto(
                    caixa, m,
                    DoOCS(eixos, {v.X.ComoDouble(), v.Y.ComoDouble(), p.Elevacao.ComoDouble()}));
        }
    for (const TSolido& s : el.Solidos)
        if (mostra(s)) {
            const auto eixos = EixosOCS(P3(s.Extrusao));
            for (const TPonto3D& p : s.Cantos)
                IncluiPonto(caixa, m, DoOCS(eixos, P3(p)));
        }
    for (const TPontoDXF& p : el.Pontos)
        if (mostra(p)) IncluiPonto(caixa, m, P3(p.Ponto));
    for (const TMalha& malha : el.Malhas)
        if (mostra(malha))
            for (const TPonto3D& p : malha.Vertices)
                IncluiPonto(caixa, m, P3(p));
    for (const TLider& l : el.Lideres)
        if (mostra(l))
            for (const TPonto3D& p : l.Vertices)
                IncluiPonto(caixa, m, P3(p));
    // Hatches by their vertices and edges' ends and centres (arcs by their circles), texts by
    // their insertion points.
    for (const THachura& h : el.Hachuras)
        if (mostra(h)) {
            const auto eixos = EixosOCS(P3(h.Extrusao));
            const auto inclui = [&](const TP3& p) { IncluiPonto(caixa, m, DoOCS(eixos, p)); };
            const double z = h.Elevacao.ComoDouble();
            for (const TCaminhoDeHachura& caminho : h.Caminhos) {
                for (const TVerticeLeve& v : caminho.Vertices)
                    inclui({v.X.ComoDouble(), v.Y.ComoDouble(), z});
                for (const TArestaDeHachura& a : caminho.Arestas) {
                    const TP3 pa{a.A.X.ComoDouble(), a.A.Y.ComoDouble(), z};
                    if (a.Tipo == 2)
                        IncluiEsfera(caixa, m, pa, a.Raio.ComoDouble(), P3(h.Extrusao));
                    if (a.Tipo == 3) IncluiEsfera(caixa, m, pa, Norma3(P3(a.B)), P3(h.Extrusao));
                    inclui(pa);
                    if (a.Tipo == 1) inclui({a.B.X.ComoDouble(), a.B.Y.ComoDouble(), z});
                    for (const TPonto3D& p : a.Controle)
                        inclui({p.X.ComoDouble(), p.Y.ComoDouble(), z});
                    for (const TPonto3D& p : a.Ajuste)
                        inclui({p.X.ComoDouble(), p.Y.ComoDouble(), z});
                }
            }
        }
    for (const TTexto& t : el.Textos)
        if (mostra(t)) IncluiPonto(caixa, m, DoOCS(EixosOCS(P3(t.Extrusao)), P3(t.Ponto)));
    for (const TTextoM& t : el.TextosM)
        if (mostra(t)) IncluiPonto(caixa, m, P3(t.Ponto));
    for (const TCota& cota : el.Cotas)
        if (mostra(cota))
            if (const TBloco* b = desenho_.BlocoChamado(cota.NomeBloco))
                IncluiCaixa(caixa, m, CaixaDoBloco(*b, profundidade));
    for (const TInsert& ins : el.Inserts) {
        if (!mostra(ins)) continue;
        const TBloco* b = desenho_.BlocoChamado(ins.NomeBloco);
        if (!b) continue;
        const TCaixaCena local = CaixaDoBloco(*b, profundidade);
        if (local.Vazia()) continue;
        const TP3 base = b->Base ? P3(*b->Base) : TP3{0, 0, 0};
        // The corner copies of an array bound all the others.
        const double ultimaColuna = static_cast<double>(ColunasDoArranjo(ins) - 1);
        const double ultimaLinha = static_cast<double>(LinhasDoArranjo(ins) - 1);
        for (double i : {0.0, ultimaColuna})
            for (double j : {0.0, ultimaLinha})
                IncluiCaixa(caixa,
                            m * MatrizDaInsercao(ins, base, i * ins.EspColunas.ComoDouble(),
                                                 j * ins.EspLinhas.ComoDouble()),
                            local);
    }
}

TCaixaCena TPercurso::CaixaDoBloco(const TBloco& bloco, int profundidade) {
    if (profundidade >= opcoes_.ProfundidadeMaxima) return {};
    TCaixaMemo& memo = caixas_[&bloco];
    if (memo.Estado != 0) return memo.Caixa; // done, or being measured (a cycle): empty so far
    memo.Estado = 1;
    TCaixaCena caixa;
    IncluiElementos(bloco.Elementos, TMatriz{}, caixa, true, profundidade + 1);
    TCaixaMemo& fim = caixas_[&bloco]; // the map may have grown meanwhile
    fim.Estado = 2;
    fim.Caixa = caixa;
    return caixa;
}

bool TPercurso::TemConteudo(const TBloco& bloco, int profundidade) {
    if (profundidade >= opcoes_.ProfundidadeMaxima) return true; // the walk stops there anyway
    int& estado = conteudo_[&bloco];
    if (estado != 0) return estado == 2; // known, or being looked at (a cycle adds nothing)
    estado = 1;
    const TElementos& e = bloco.Elementos;
    bool tem = e.Faces3D.Count() || e.Linhas.Count() || e.Arcos.Count() || e.Circulos.Count() ||
               e.PolyLines.Count() || e.Linhas3D.Count() || e.Elipses.Count() ||
               e.Splines.Count() || e.PolyLinesLeves.Count() || e.Solidos.Count() ||
               e.Pontos.Count() || e.Malhas.Count() || e.Lideres.Count() || e.Hachuras.Count() ||
               e.Textos.Count() || e.TextosM.Count() || e.NaoDesenhados.Count();
    for (int i = 0; !tem && i < e.Inserts.Count(); ++i) {
        const TBloco* b = desenho_.BlocoChamado(e.Inserts[i].NomeBloco);
        tem = b && TemConteudo(*b, profundidade + 1);
    }
    for (int i = 0; !tem && i < e.Cotas.Count(); ++i) {
        const TBloco* b = desenho_.BlocoChamado(e.Cotas[i].NomeBloco);
        tem = b && TemConteudo(*b, profundidade + 1);
    }
    conteudo_[&bloco] = tem ? 2 : 3; // the map may have grown meanwhile
    return tem;
}

TCaixaCena TPercurso::Limite() {
    TCaixaCena caixa;
    IncluiElementos(desenho_.Modelo, TMatriz{}, caixa, false, 0);
    return caixa;
}

// ---- The walk ----

void TPercurso::Percorre() {
    const TCaixaCena limite = Limite();
    const double tamanho = limite.Tamanho();
    cena_.Tolerancia = opcoes_.ToleranciaRelativa * (tamanho > 0 ? tamanho : 1);
    if (!(cena_.Tolerancia > 0) || !std::isfinite(cena_.Tolerancia)) cena_.Tolerancia = 1e-4;
    const auto centro = limite.Centro();
    for (std::size_t i = 0; i < 3; ++i)
        cena_.Origem[i] = CoordenadaDaOrigem(centro[i]);
    Modelo();
}

void TPercurso::PercorreAlguns(const std::vector<std::uint32_t>& ordens) {
    ordens_ = &ordens;
    Modelo();
}

void TPercurso::Modelo() {
    TContexto c;
    c.Tolerancia = cena_.Tolerancia;
    c.CorDoBloco = CorACI(7);
    Elementos(desenho_.Modelo, c);
}

bool TPercurso::ProximoDoTopo() {
    const std::uint32_t ordem = ordem_++;
    if (!ordens_) return true;
    while (proximaOrdem_ < ordens_->size() && (*ordens_)[proximaOrdem_] < ordem)
        ++proximaOrdem_;
    return proximaOrdem_ < ordens_->size() && (*ordens_)[proximaOrdem_] == ordem;
}

void TPercurso::GuardaCaixaDoElemento() {
    const TCaixaCena& caixa = emissor_.CaixaDoElemento();
    if (ordens_ || caixa.Vazia()) return;
    TCena::TCaixaDoElemento guardada{ordem_ - 1, {}, {}};
    constexpr float infinito = std::numeric_limits<float>::infinity();
    for (std::size_t i = 0; i < 3; ++i) {
        guardada.Min[i] =
            std::nextafter(static_cast<float>(caixa.Min[i] - cena_.Origem[i]), -infinito);
        guardada.Max[i] =
            std::nextafter(static_cast<float>(caixa.Max[i] - cena_.Origem[i]), infinito);
    }
    cena_.CaixasDosElementos.push_back(guardada);
}

void TPercurso::Elementos(const TElementos& el, const TContexto& c) {
    const bool topo = !c.EmBloco;
    // `tipo` names the top-level element for a pick.
    auto cada = [&](const auto& lista, const char* tipo, auto&& desenha) {
        for (int i = 0; i < lista.Count(); ++i) {
            if (topo && !ProximoDoTopo()) continue;
            if (!emissor_.Visita()) return;
            if (topo) {
                emissor_.IniciaElemento();
                if (TBusca* busca = emissor_.Busca()) busca->Topo(tipo, BlocoInserido(lista[i]));
            }
            desenha(lista[i]);
            if (topo) GuardaCaixaDoElemento();
        }
    };
    cada(el.Faces3D, "3DFACE", [&](const TFace3D& x) { Face3D(x, c); });
    cada(el.Linhas, "LINE", [&](const TLinha& x) { Linha(x, c, "LINE"); });
    cada(el.Linhas3D, "3DLINE", [&](const TLinha& x) { Linha(x, c, "3DLINE"); });
    cada(el.Arcos, "ARC", [&](const TArco& x) { Arco(x, c); });
    cada(el.Circulos, "CIRCLE", [&](const TCirculo& x) { Circulo(x, c); });
    cada(el.Elipses, "ELLIPSE", [&](const TElipse& x) { Elipse(x, c); });
    cada(el.Splines, "SPLINE", [&](const TSpline& x) { Spline(x, c); });
    cada(el.PolyLines, "POLYLINE", [&](const TPolyLine& x) { PolyLine(x, c); });
    cada(el.PolyLinesLeves, "LWPOLYLINE", [&](const TPolyLineLeve& x) { PolyLineLeve(x, c); });
    cada(el.Solidos, "SOLID", [&](const TSolido& x) { Solido(x, c); });
    cada(el.Pontos, "POINT", [&](const TPontoDXF& x) { PontoDXF(x, c); });
    cada(el.Malhas, "MESH", [&](const TMalha& x) { Malha(x, c); });
    cada(el.Lideres, "LEADER", [&](const TLider& x) { Lider(x, c); });
    cada(el.Hachuras, "HATCH", [&](const THachura& x) { Hachura(x, c); });
    cada(el.Textos, "TEXT", [&](const TTexto& x) { Texto(x, c); });
    cada(el.TextosM, "MTEXT", [&](const TTextoM& x) { TextoM(x, c); });
    cada(el.NaoDesenhados, "", [&](const TNaoDesenhado& x) {
        TRGB cor;
        // An attribute definition in a block is a template for the insertions' attributes.
        if (c.EmBloco && x.Tipo == "ATTDEF") return;
        if (Prepara(x, c, cor)) cena_.Ignorados[x.Tipo.Texto()] += 1;
    });
    cada(el.Cotas, "DIMENSION", [&](const TCota& x) { Cota(x, c); });
    cada(el.Inserts, "INSERT", [&](const TInsert& x) { Insercao(x, c); });
}

TContexto TPercurso::Filho(const TEntidade& quem, const TContexto& c, const TCamada* camada,
                           const TMatriz& m) {
    TContexto filho;
    filho.M = c.M * m;
    const double escala = filho.M.EscalaMaxima();
    filho.Tolerancia =
        escala > 0 && std::isfinite(escala) ? cena_.Tolerancia / escala : cena_.Tolerancia;
    filho.EmBloco = true;
    filho.Camada = camada;
    filho.NomeDaCamada = &NomeDaCamada(quem, c);
    filho.CorDoBloco = CorDoElemento(quem, camada, c.CorDoBloco);
    filho.TracejadoDoBloco = Tracejado(quem, camada, c);
    filho.EspessuraDoBloco = Espessura(quem, camada, c);
    filho.Profundidade = c.Profundidade + 1;
    return filho;
}

void TPercurso::Bloco(const TBloco& bloco, const TContexto& filho) {
    for (const TBloco* a : ancestrais_)
        if (a == &bloco) return; // inserts itself or an ancestor: drawn once, where it began
    if (filho.Profundidade > opcoes_.ProfundidadeMaxima) {
        emissor_.Avisa("O desenho tem blocos aninhados em mais de " +
                       std::to_string(opcoes_.ProfundidadeMaxima) +
                       " níveis: os mais fundos não são mostrados.");
        return;
    }
    ancestrais_.push_back(&bloco);
    Elementos(bloco.Elementos, filho);
    ancestrais_.pop_back();
}

void TPercurso::Insercao(const TInsert& ins, const TContexto& c) {
    const TCamada* camada = nullptr;
    if (!Visivel(ins, c, camada)) return;
    const TBloco* bloco = desenho_.BlocoChamado(ins.NomeBloco);
    if (!bloco || !TemConteudo(*bloco)) return;
    const TP3 base = bloco->Base ? P3(*bloco->Base) : TP3{0, 0, 0};
    // The copies of an array differ only by their offset: the world steps between columns
    // and rows, taken from the placements of the first copy and its neighbours.
    TContexto filho = Filho(ins, c, camada, MatrizDaInsercao(ins, base, 0, 0));
    const TMatriz primeira = filho.M;
    const TP3 origem{primeira.M[0][3], primeira.M[1][3], primeira.M[2][3]};
    const TMatriz coluna = c.M * MatrizDaInsercao(ins, base, ins.EspColunas.ComoDouble(), 0);
    const TMatriz linha = c.M * MatrizDaInsercao(ins, base, 0, ins.EspLinhas.ComoDouble());
    const TP3 passoColuna = Menos3({coluna.M[0][3], coluna.M[1][3], coluna.M[2][3]}, origem);
    const TP3 passoLinha = Menos3({linha.M[0][3], linha.M[1][3], linha.M[2][3]}, origem);
    const long long colunas = ColunasDoArranjo(ins), linhas = LinhasDoArranjo(ins);
    for (long long j = 0; j < linhas; ++j)
        for (long long i = 0; i < colunas; ++i) {
            // The first copy was counted as the element's own visit.
            if ((i > 0 || j > 0) && !emissor_.Visita()) return;
            const double di = static_cast<double>(i), dj = static_cast<double>(j);
            for (std::size_t k = 0; k < 3; ++k)
                filho.M.M[k][3] = origem[k] + di * passoColuna[k] + dj * passoLinha[k];
            Bloco(*bloco, filho);
            if (emissor_.Parado()) return;
        }
}

void TPercurso::Cota(const TCota& cota, const TContexto& c) {
    // The dimension's block holds its geometry in world coordinates: placed as it is.
    const TCamada* camada = nullptr;
    if (!Visivel(cota, c, camada)) return;
    if (const TBloco* bloco = desenho_.BlocoChamado(cota.NomeBloco))
        Bloco(*bloco, Filho(cota, c, camada, TMatriz{}));
}
