// HATCH and MPOLYGON for the full drawing. Their group codes mean different things in each
// part of the record (10 is the elevation point, a vertex, an edge's start, a spline's
// control point or a seed point), so the record is read as a sequence of parts: the head up
// to the number of paths 91, the boundary paths up to the hatch style 75 (an MPOLYGON's
// pattern type 76), the pattern lines, then the seed points from 98 on.
#include "LeituraCompleta.h"

#include <cstdint>
#include <string>

namespace {

enum class TParte { Cabeca, Caminhos, Padrao, Sementes };

bool LeVerticeDoCaminho(LeitorDXF& leitor, std::int32_t c, TCaminhoDeHachura& caminho) {
    switch (c) {
    case 10: // a vertex starts at its X group
        caminho.Vertices.emplace_back();
        return leitor.LeRealLeniente(caminho.Vertices.back().X), true;
    case 20:
    case 42:
        if (caminho.Vertices.empty()) return false;
        leitor.LeRealLeniente(c == 20 ? caminho.Vertices.back().Y : caminho.Vertices.back().Bulge);
        return true;
    case 73: {
        std::int32_t fechado = 1;
        leitor.LeInteiroLeniente(fechado);
        caminho.Fechado = fechado != 0;
        return true;
    }
    default:
        return false;
    }
}

bool LeGrupoDaAresta(LeitorDXF& leitor, std::int32_t c, TArestaDeHachura& a) {
    if (a.Tipo == 4) { // a spline: its lists
        switch (c) {
        case 94:
            return leitor.LeInteiroLeniente(a.Grau), true;
        case 40:
            return LeRealDaLista(leitor, a.Nos);
        case 42:
            return LeRealDaLista(leitor, a.Pesos);
        default:
            return LePontoDaLista(leitor, c, 10, a.Controle) ||
                   LePontoDaLista(leitor, c, 11, a.Ajuste);
        }
    }
    switch (c) {
    case 40:
        return leitor.LeRealLeniente(a.Raio), true;
    case 50:
        return leitor.LeRealLeniente(a.AngIni), true;
    case 51:
        return leitor.LeRealLeniente(a.AngFim), true;
    case 73:
        return leitor.LeInteiroLeniente(a.AntiHorario), true;
    default:
        return LeCoordenada(leitor, c, 10, a.A) || LeCoordenada(leitor, c, 11, a.B);
    }
}

bool LeGrupoDoPadrao(LeitorDXF& leitor, std::int32_t c, std::vector<TLinhaDePadrao>& linhas) {
    if (c == 53) { // a line family starts at its angle
        linhas.emplace_back();
        return leitor.LeRealLeniente(linhas.back().Angulo), true;
    }
    if (linhas.empty()) return false;
    TLinhaDePadrao& l = linhas.back();
    switch (c) {
    case 43:
        return leitor.LeRealLeniente(l.BaseX), true;
    case 44:
        return leitor.LeRealLeniente(l.BaseY), true;
    case 45:
        return leitor.LeRealLeniente(l.DeslX), true;
    case 46:
        return leitor.LeRealLeniente(l.DeslY), true;
    case 49:
        return LeRealDaLista(leitor, l.Tracos);
    default:
        return false;
    }
}

} // namespace

void LeHachura(LeitorDXF& leitor, TList<THachura>& lista, bool mpolygon) {
    TParte parte = TParte::Cabeca;
    TPonto3D elevacao;
    LeRegistro(leitor, lista, THachura{}, [&](THachura& h, std::int32_t c) {
        if (c == 450) return leitor.LeInteiroLeniente(h.Gradiente), true;
        if (c == 421 && h.Gradiente != 0 && h.CorDoGradiente < 0) {
            std::int64_t cor;
            if (leitor.LeInteiroLeniente(cor)) h.CorDoGradiente = CorDe24Bits(cor);
            return true;
        }
        switch (parte) {
        case TParte::Cabeca:
            if (c == 2) return leitor.LeChave(h.Padrao), true;
            if (c == (mpolygon ? 71 : 70)) return leitor.LeInteiroLeniente(h.Solida), true;
            if (c == 91) return parte = TParte::Caminhos, false;
            if (LeCoordenada(leitor, c, 10, elevacao)) return h.Elevacao = elevacao.Z, true;
            return false;
        case TParte::Caminhos:
            if (c == 92) {
                h.Caminhos.emplace_back();
                return leitor.LeInteiroLeniente(h.Caminhos.back().Flags), true;
            }
            if (c == 75 || c == 76) {
                parte = TParte::Padrao;
                return c == 75 ? (leitor.LeInteiroLeniente(h.Estilo), true) : false;
            }
            if (h.Caminhos.empty()) return false;
            if (TCaminhoDeHachura& caminho = h.Caminhos.back(); mpolygon || caminho.Flags & 2) {
                return LeVerticeDoCaminho(leitor, c, caminho);
            } else if (c == 72) {
                caminho.Arestas.emplace_back();
                return leitor.LeInteiroLeniente(caminho.Arestas.back().Tipo), true;
            } else {
                return !caminho.Arestas.empty() &&
                       LeGrupoDaAresta(leitor, c, caminho.Arestas.back());
            }
        case TParte::Padrao:
            if (c == 98) return parte = TParte::Sementes, false;
            return LeGrupoDoPadrao(leitor, c, h.Linhas);
        case TParte::Sementes:
            return false;
        }
        return false;
    });
}
