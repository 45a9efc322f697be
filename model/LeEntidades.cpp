#include "Leitores.h"
#include "Modelo.h"

#include <algorithm>
#include <limits>
#include <string>

bool LeGrupoComum(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo) {
    if (codigo == 8) {
        leitor.LeTexto(entidade.Camada);
    } else if (codigo == 62) {
        std::int32_t indice;
        leitor.LeInteiro(indice);
        entidade.Cor = CorDoIndice(indice);
        entidade.IndiceCor = static_cast<std::int16_t>(
            std::clamp<std::int32_t>(indice, std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max()));
    } else {
        return LeGrupoCompleto(leitor, entidade, codigo);
    }
    return true;
}

bool LeElemento(LeitorDXF& leitor, const std::string& nome, TElementos& listas) {
    if (nome == "3DFACE")
        LeFace3D(leitor, listas.Faces3D);
    else if (nome == "LINE")
        LeLinha(leitor, listas.Linhas);
    else if (nome == "ARC")
        LeArco(leitor, listas.Arcos);
    else if (nome == "CIRCLE")
        LeCirculo(leitor, listas.Circulos);
    else if (nome == "POLYLINE")
        LePolyLine(leitor, listas.PolyLines);
    else
        return false;
    return true;
}

void LeEntidades(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string nome;
    leitor.LePar(codigo, nome);
    while (nome != "ENDSEC") {
        if (nome == "INSERT")
            LeInsert(leitor, Inserts);
        else if (!LeElemento(leitor, nome, Desenho.Modelo))
            LeRegistroCompleto(leitor, nome, Desenho.Modelo);
        leitor.LeChave(nome);
    }
}

void LeFace3D(LeitorDXF& leitor, TList<TFace3D>& lista) {
    TFace3D face;
    LeGrupos(leitor, [&](std::int32_t c) {
        if (c >= 10 && c <= 13) {
            face.Pontos.Add(leitor.LePonto(c));
            return true;
        }
        return LeGrupoComum(leitor, face, c);
    });
    lista.Add(std::move(face));
}

void LeLinha(LeitorDXF& leitor, TList<TLinha>& lista) {
    TLinha linha;
    std::optional<TPonto3D> extrusao;
    LeGrupos(leitor, [&](std::int32_t c) {
        if (c == 10)
            linha.P1 = leitor.LePonto(c);
        else if (c == 11)
            linha.P2 = leitor.LePonto(c);
        else
            return LeGrupoComum(leitor, linha, c) ||
                   LeGrupoPlano(leitor, c, linha.Espessura, extrusao);
        return true;
    });
    if (extrusao) linha.Extrusao = *extrusao;
    lista.Add(std::move(linha));
}

void LeArco(LeitorDXF& leitor, TList<TArco>& lista) {
    TArco arco;
    std::optional<TPonto3D> extrusao;
    LeGrupos(leitor, [&](std::int32_t c) {
        if (c == 10)
            arco.Centro = leitor.LePonto(c);
        else if (c == 40)
            leitor.LeReal(arco.Raio);
        else if (c == 50)
            leitor.LeReal(arco.AngIni);
        else if (c == 51)
            leitor.LeReal(arco.AngFim);
        else
            return LeGrupoComum(leitor, arco, c) ||
                   LeGrupoPlano(leitor, c, arco.Espessura, extrusao);
        return true;
    });
    if (extrusao) arco.Extrusao = *extrusao;
    lista.Add(std::move(arco));
}

void LeCirculo(LeitorDXF& leitor, TList<TCirculo>& lista) {
    TCirculo circulo;
    std::optional<TPonto3D> extrusao;
    LeGrupos(leitor, [&](std::int32_t c) {
        if (c == 10)
            circulo.Centro = leitor.LePonto(c);
        else if (c == 40)
            leitor.LeReal(circulo.Raio);
        else
            return LeGrupoComum(leitor, circulo, c) ||
                   LeGrupoPlano(leitor, c, circulo.Espessura, extrusao);
        return true;
    });
    if (extrusao) circulo.Extrusao = *extrusao;
    lista.Add(std::move(circulo));
}

namespace {

// One VERTEX record: a face of a polyface mesh when it has any of the groups 71 to 74,
// otherwise a vertex.
void LeVertice(LeitorDXF& leitor, TPolyLine& poly) {
    TVertice vertice;
    TFace face;
    bool ehFace = false;
    LeGrupos(leitor, [&](std::int32_t c) {
        std::int32_t* indices[] = {&face.V1, &face.V2, &face.V3, &face.V4};
        if (c >= 71 && c <= 74) {
            leitor.LeInteiro(*indices[c - 71]);
            ehFace = true;
        } else if (c == 10) {
            vertice.Ponto = leitor.LePonto(c);
        } else if (c == 40) {
            leitor.LeRealLeniente(vertice.LarguraIni);
        } else if (c == 41) {
            leitor.LeRealLeniente(vertice.LarguraFim);
        } else if (c == 42) {
            leitor.LeRealLeniente(vertice.Bulge);
        } else if (c == 70) {
            leitor.LeInteiroLeniente(vertice.FlagsVertice);
        } else {
            return LeGrupoComum(leitor, vertice, c);
        }
        return true;
    });
    if (ehFace)
        poly.Faces.Add(std::move(face));
    else
        poly.Vertices.Add(std::move(vertice));
}

} // namespace

void LePolyLine(LeitorDXF& leitor, TList<TPolyLine>& lista) {
    TPolyLine poly;
    std::optional<TPonto3D> extrusao;
    LeGrupos(leitor, [&](std::int32_t c) {
        switch (c) {
        case 10:
            poly.Elevacao = leitor.LePonto(c).Z;
            break; // X and Y only widen the extents
        case 66:
            leitor.LeInteiro(poly.VerticesSeguem);
            break;
        case 70:
            leitor.LeInteiro(poly.Flags);
            break;
        case 71:
            leitor.LeInteiro(poly.ContM);
            break;
        case 72:
            leitor.LeInteiro(poly.ContN);
            break;
        case 73:
            leitor.LeInteiro(poly.DensM);
            break;
        case 74:
            leitor.LeInteiro(poly.DensN);
            break;
        case 40:
            leitor.LeRealLeniente(poly.LarguraIni);
            break;
        case 41:
            leitor.LeRealLeniente(poly.LarguraFim);
            break;
        default:
            return LeGrupoComum(leitor, poly, c) ||
                   LeGrupoPlano(leitor, c, poly.Espessura, extrusao);
        }
        return true;
    });
    if (extrusao) poly.Extrusao = *extrusao;

    std::string nome;
    leitor.LeChave(nome);
    while (nome != "SEQEND") {
        if (nome != "VERTEX") break; // a foreign record ends the polyline; its name is consumed
        LeVertice(leitor, poly);
        leitor.LeChave(nome);
    }
    if (nome == "SEQEND") leitor.PulaRegistro();
    poly.Vertices.Ajusta();
    poly.Faces.Ajusta();
    lista.Add(std::move(poly));
}

void LeInsert(LeitorDXF& leitor, TList<TInsert>& lista) {
    TInsert ins;
    auto extrusao = [&]() -> TPonto3D& {
        if (!ins.Extrusao) ins.Extrusao = TPonto3D{};
        return *ins.Extrusao;
    };
    LeGrupos(leitor, [&](std::int32_t c) {
        switch (c) {
        case 2:
            leitor.LeTexto(ins.NomeBloco);
            break;
        case 10:
        case 11:
        case 12:
        case 13:
            ins.Ponto = leitor.LePonto(c);
            break;
        case 41:
            leitor.LeReal(ins.EscalaX);
            break;
        case 42:
            leitor.LeReal(ins.EscalaY);
            break;
        case 43:
            leitor.LeReal(ins.EscalaZ);
            break;
        case 44:
            leitor.LeReal(ins.EspColunas);
            break;
        case 45:
            leitor.LeReal(ins.EspLinhas);
            break;
        case 50:
            if (!ins.Extrusao) ins.Extrusao = TPonto3D{Real{}, Real{}, Real{1}}; // about Z
            leitor.LeReal(ins.Rotacao);
            break;
        case 70:
            leitor.LeInteiro(ins.NumColunas);
            break;
        case 71:
            leitor.LeInteiro(ins.NumLinhas);
            break;
        case 210:
            leitor.LeReal(extrusao().X);
            ins.ExtrusaoLida = true;
            break;
        case 220:
            leitor.LeReal(extrusao().Y);
            ins.ExtrusaoLida = true;
            break;
        case 230:
            leitor.LeReal(extrusao().Z);
            ins.ExtrusaoLida = true;
            break;
        default:
            return LeGrupoComum(leitor, ins, c);
        }
        return true;
    });
    lista.Add(std::move(ins));
}
