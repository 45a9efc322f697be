// The full drawing's reading of the records that the default picture skips. It reads the
// same lines that skipping them would (group codes strictly, as PulaRegistro does; values as
// one line each), so a file fails, or loads, exactly as before; a value that is not a number
// leaves its field as it was, and no point widens the extents.
#include "LeituraCompleta.h"
#include "Modelo.h"

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

std::int32_t CorDe24Bits(std::int64_t valor) {
    return static_cast<std::int32_t>(static_cast<std::uint64_t>(valor) & 0xFFFFFF);
}

std::int16_t EspessuraDe(std::int64_t valor) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(valor, -3, 211));
}

bool LeGrupoCompleto(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo) {
    std::int64_t v;
    switch (codigo) {
    case 60:
        if (leitor.LeInteiroLeniente(v)) entidade.Invisivel = v == 1;
        return true;
    case 67:
        if (leitor.LeInteiroLeniente(v)) entidade.EspacoPapel = v == 1;
        return true;
    case 420:
        if (leitor.LeInteiroLeniente(v)) entidade.CorVerdadeira = CorDe24Bits(v);
        return true;
    case 6:
        leitor.LeTexto(entidade.TipoDeLinha);
        return true;
    case 48: {
        Real escala;
        if (leitor.LeRealLeniente(escala)) entidade.EscalaTipoDeLinha = escala.ComoFloat();
        return true;
    }
    case 370:
        if (leitor.LeInteiroLeniente(v)) entidade.EspessuraDeLinha = EspessuraDe(v);
        return true;
    default:
        return false;
    }
}

int Eixo(std::int32_t codigo, std::int32_t codigoX) {
    const std::int64_t d = std::int64_t{codigo} - codigoX;
    return d == 0 ? 0 : d == 10 ? 1 : d == 20 ? 2 : -1;
}

Real& Componente(TPonto3D& p, int eixo) {
    return eixo == 0 ? p.X : eixo == 1 ? p.Y : p.Z;
}

bool LeCoordenada(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX, TPonto3D& ponto) {
    const int eixo = Eixo(codigo, codigoX);
    if (eixo < 0) return false;
    leitor.LeRealLeniente(Componente(ponto, eixo));
    return true;
}

bool LePontoDaLista(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX,
                    std::vector<TPonto3D>& lista) {
    const int eixo = Eixo(codigo, codigoX);
    if (eixo < 0) return false;
    if (eixo == 0) lista.emplace_back();
    if (lista.empty()) return false;
    leitor.LeRealLeniente(Componente(lista.back(), eixo));
    return true;
}

bool LeRealDaLista(LeitorDXF& leitor, std::vector<Real>& lista) {
    Real v;
    if (leitor.LeRealLeniente(v)) lista.push_back(v);
    return true;
}

bool LeGrupoComumLeniente(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo) {
    if (codigo == 8) {
        leitor.LeTexto(entidade.Camada);
        return true;
    }
    if (codigo != 62) return LeGrupoCompleto(leitor, entidade, codigo);
    std::int32_t indice;
    if (leitor.LeInteiroLeniente(indice)) {
        entidade.Cor = CorDoIndice(indice);
        entidade.IndiceCor = static_cast<std::int16_t>(
            std::clamp<std::int32_t>(indice, std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max()));
    }
    return true;
}

namespace {

void LeInsertLeniente(LeitorDXF& leitor, TList<TInsert>& lista) {
    LeRegistro(leitor, lista, TInsert{}, [&](TInsert& ins, std::int32_t c) {
        Real* reais[] = {&ins.EscalaX, &ins.EscalaY, &ins.EscalaZ, &ins.EspColunas, &ins.EspLinhas};
        if (c == 2) {
            leitor.LeTexto(ins.NomeBloco);
        } else if (c >= 10 && c <= 33 && c % 10 <= 3) { // 10 to 13, as the strict reading
            LeCoordenada(leitor, c, 10 + c % 10, ins.Ponto);
        } else if (c >= 41 && c <= 45) {
            leitor.LeRealLeniente(*reais[c - 41]);
        } else if (c == 50) {
            if (leitor.LeRealLeniente(ins.Rotacao) && !ins.Extrusao) ins.Extrusao = EixoZ();
        } else if (c == 70) {
            leitor.LeInteiroLeniente(ins.NumColunas);
        } else if (c == 71) {
            leitor.LeInteiroLeniente(ins.NumLinhas);
        } else if (const int eixo = Eixo(c, 210); eixo >= 0) {
            Real v;
            if (!leitor.LeRealLeniente(v)) return true;
            if (!ins.Extrusao) ins.Extrusao = TPonto3D{};
            Componente(*ins.Extrusao, eixo) = v;
            ins.ExtrusaoLida = true;
        } else {
            return false;
        }
        return true;
    });
}

void LeLinha3D(LeitorDXF& leitor, TList<TLinha>& lista) {
    LeRegistro(leitor, lista, TLinha{}, [&](TLinha& l, std::int32_t c) {
        if (c == 39) return leitor.LeRealLeniente(l.Espessura), true;
        return LeCoordenada(leitor, c, 10, l.P1) || LeCoordenada(leitor, c, 11, l.P2);
    });
}

void LeElipse(LeitorDXF& leitor, TList<TElipse>& lista) {
    LeRegistro(leitor, lista, TElipse{}, [&](TElipse& e, std::int32_t c) {
        Real* reais[] = {&e.Razao, &e.ParamIni, &e.ParamFim};
        if (c >= 40 && c <= 42) return leitor.LeRealLeniente(*reais[c - 40]), true;
        return LeCoordenada(leitor, c, 10, e.Centro) || LeCoordenada(leitor, c, 11, e.EixoMaior);
    });
}

void LeSpline(LeitorDXF& leitor, TList<TSpline>& lista) {
    LeRegistro(leitor, lista, TSpline{}, [&](TSpline& s, std::int32_t c) {
        switch (c) {
        case 70:
            return leitor.LeInteiroLeniente(s.Flags), true;
        case 71:
            return leitor.LeInteiroLeniente(s.Grau), true;
        case 40:
            return LeRealDaLista(leitor, s.Nos);
        case 41:
            return LeRealDaLista(leitor, s.Pesos);
        default: // the counts 72 to 74 are not needed: the lists say how long they are
            return LePontoDaLista(leitor, c, 10, s.Controle) ||
                   LePontoDaLista(leitor, c, 11, s.Ajuste);
        }
    });
}

void LePolyLineLeve(LeitorDXF& leitor, TList<TPolyLineLeve>& lista) {
    LeRegistro(leitor, lista, TPolyLineLeve{}, [&](TPolyLineLeve& p, std::int32_t c) {
        switch (c) {
        case 70:
            return leitor.LeInteiroLeniente(p.Flags), true;
        case 43:
            return leitor.LeRealLeniente(p.LarguraConstante), true;
        case 38:
            return leitor.LeRealLeniente(p.Elevacao), true;
        case 39:
            return leitor.LeRealLeniente(p.Espessura), true;
        case 10: // a vertex starts at its X group; the groups after it are its own
            p.Vertices.emplace_back();
            return leitor.LeRealLeniente(p.Vertices.back().X), true;
        case 20:
        case 40:
        case 41:
        case 42: {
            if (p.Vertices.empty()) return false;
            TVerticeLeve& v = p.Vertices.back();
            Real* campo = c == 20   ? &v.Y
                          : c == 40 ? &v.LarguraIni
                          : c == 41 ? &v.LarguraFim
                                    : &v.Bulge;
            return leitor.LeRealLeniente(*campo), true;
        }
        default:
            return false;
        }
    });
}

void LeSolido(LeitorDXF& leitor, TList<TSolido>& lista, bool traco) {
    TSolido solido;
    solido.Traco = traco;
    LeRegistro(leitor, lista, std::move(solido), [&](TSolido& s, std::int32_t c) {
        if (c == 39) return leitor.LeRealLeniente(s.Espessura), true;
        const int canto = c % 10;
        if (c < 10 || c > 33 || canto > 3) return false;
        LeCoordenada(leitor, c, 10 + canto, s.Cantos[static_cast<std::size_t>(canto)]);
        s.NumCantos = std::max(s.NumCantos, canto + 1);
        return true;
    });
}

void LePontoDXF(LeitorDXF& leitor, TList<TPontoDXF>& lista) {
    LeRegistro(leitor, lista, TPontoDXF{}, [&](TPontoDXF& p, std::int32_t c) {
        if (c == 39) return leitor.LeRealLeniente(p.Espessura), true;
        return LeCoordenada(leitor, c, 10, p.Ponto);
    });
}

// MESH: the vertex count 92 and that many vertices 10, then the face list's size 93 and that
// many values 90. What follows (edges 94, creases 95, overrides) is not read.
void LeMalha(LeitorDXF& leitor, TList<TMalha>& lista) {
    enum class Parte { Inicio, Vertices, Faces, Fim } parte = Parte::Inicio;
    std::int64_t restam = 0; // vertices or face-list values still due
    bool noVertice = false;  // the last group 10 started a vertex: its 20 and 30 follow
    LeRegistro(leitor, lista, TMalha{}, [&](TMalha& m, std::int32_t c) {
        if (c == 92 && parte == Parte::Inicio) {
            restam = 0;
            leitor.LeInteiroLeniente(restam);
            parte = Parte::Vertices;
        } else if (c == 93 && (parte == Parte::Inicio || parte == Parte::Vertices)) {
            restam = 0;
            leitor.LeInteiroLeniente(restam);
            parte = restam > 0 ? Parte::Faces : Parte::Fim;
        } else if (c == 10 && parte == Parte::Vertices) {
            noVertice = restam > 0;
            if (!noVertice) return false;
            --restam;
            m.Vertices.emplace_back();
            leitor.LeRealLeniente(m.Vertices.back().X);
        } else if ((c == 20 || c == 30) && parte == Parte::Vertices && noVertice) {
            leitor.LeRealLeniente(c == 20 ? m.Vertices.back().Y : m.Vertices.back().Z);
        } else if (c == 90 && parte == Parte::Faces) {
            std::int32_t v;
            if (leitor.LeInteiroLeniente(v)) m.Faces.push_back(v); // a bad value is dropped
            if (--restam == 0) parte = Parte::Fim;
        } else {
            return false;
        }
        return true;
    });
}

void LeCota(LeitorDXF& leitor, TList<TCota>& lista, const std::string& nome) {
    TCota cota;
    cota.Tipo = nome;
    LeRegistro(leitor, lista, std::move(cota), [&](TCota& c, std::int32_t codigo) {
        if (codigo != 2) return false;
        leitor.LeTexto(c.NomeBloco);
        return true;
    });
}

void LeLider(LeitorDXF& leitor, TList<TLider>& lista) {
    std::optional<TPonto3D> horizontal;
    TDadosDeCota dados;
    LeRegistro(leitor, lista, TLider{}, [&](TLider& l, std::int32_t c) {
        std::int32_t* inteiros[] = {&l.ComSeta, &l.Caminho, &l.Anotacao, &l.SentidoDoGancho,
                                    &l.ComGancho};
        if (c == 3) {
            leitor.LeChave(l.Estilo);
        } else if (c >= 71 && c <= 75) {
            leitor.LeInteiroLeniente(*inteiros[c - 71]);
        } else if (c == 41) {
            leitor.LeRealLeniente(l.LarguraDoTexto);
        } else if (LeCoordenada(leitor, c, 211, horizontal)) {
            if (horizontal) l.Horizontal = *horizontal;
        } else {
            return LePontoDaLista(leitor, c, 10, l.Vertices) ||
                   LeSubstituicaoDeCota(leitor, c, l.Substituicoes, dados);
        }
        return true;
    });
}

void LeNaoDesenhado(LeitorDXF& leitor, TList<TNaoDesenhado>& lista, const std::string& nome) {
    TNaoDesenhado elemento;
    elemento.Tipo = nome;
    LeRegistro(leitor, lista, std::move(elemento),
               [](TNaoDesenhado&, std::int32_t) { return false; });
}

} // namespace

bool LeCoordenada(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX,
                  std::optional<TPonto3D>& ponto) {
    const int eixo = Eixo(codigo, codigoX);
    if (eixo < 0) return false;
    Real v;
    if (!leitor.LeRealLeniente(v)) return true;
    if (!ponto) ponto = TPonto3D{};
    Componente(*ponto, eixo) = v;
    return true;
}

bool LeGrupoPlano(LeitorDXF& leitor, std::int32_t codigo, Real& espessura,
                  std::optional<TPonto3D>& extrusao) {
    if (codigo != 39) return LeCoordenada(leitor, codigo, 210, extrusao);
    leitor.LeRealLeniente(espessura);
    return true;
}

void LeRegistroCompleto(LeitorDXF& leitor, const std::string& nome, TElementos& listas) {
    if (nome == "SEQEND" || nome == "VERTEX") // not elements: an insertion's or a stray one
        leitor.PulaRegistro();
    else if (nome == "INSERT")
        LeInsertLeniente(leitor, listas.Inserts);
    else if (nome == "3DLINE")
        LeLinha3D(leitor, listas.Linhas3D);
    else if (nome == "ELLIPSE")
        LeElipse(leitor, listas.Elipses);
    else if (nome == "SPLINE")
        LeSpline(leitor, listas.Splines);
    else if (nome == "LWPOLYLINE")
        LePolyLineLeve(leitor, listas.PolyLinesLeves);
    else if (nome == "SOLID" || nome == "TRACE")
        LeSolido(leitor, listas.Solidos, nome == "TRACE");
    else if (nome == "POINT")
        LePontoDXF(leitor, listas.Pontos);
    else if (nome == "MESH")
        LeMalha(leitor, listas.Malhas);
    else if (nome == "DIMENSION" || nome == "ARC_DIMENSION" || nome == "LARGE_RADIAL_DIMENSION")
        LeCota(leitor, listas.Cotas, nome);
    else if (nome == "LEADER")
        LeLider(leitor, listas.Lideres);
    else if (nome == "TEXT" || nome == "ATTRIB")
        LeTexto(leitor, listas.Textos, nome == "ATTRIB");
    else if (nome == "MTEXT")
        LeTextoM(leitor, listas.TextosM);
    else if (nome == "HATCH" || nome == "MPOLYGON")
        LeHachura(leitor, listas.Hachuras, nome == "MPOLYGON");
    else
        LeNaoDesenhado(leitor, listas.NaoDesenhados, nome);
}
