// TEXT, ATTRIB and MTEXT for the full drawing, read leniently as the other records it alone
// reads: the strings are kept as the file's bytes, decoded when they are drawn.
#include "LeituraCompleta.h"

#include <cstdint>
#include <string>

namespace {

// Group 101 starts an embedded object (an attribute's multiline text, a text's columns)
// whose groups repeat the element's own codes: from there on none is read into the element.
bool Embutido(std::int32_t codigo, bool& embutido) {
    if (codigo == 101) embutido = true;
    return embutido;
}

} // namespace

void LeTexto(LeitorDXF& leitor, TList<TTexto>& lista, bool atributo) {
    TTexto texto;
    texto.Atributo = atributo;
    bool embutido = false;
    LeRegistro(leitor, lista, std::move(texto), [&](TTexto& t, std::int32_t c) {
        if (Embutido(c, embutido)) return leitor.PulaTexto(), true;
        switch (c) {
        case 1:
            return leitor.LeTexto(t.Texto), true;
        case 7:
            return leitor.LeChave(t.Estilo), true;
        case 39:
            return leitor.LeRealLeniente(t.Espessura), true;
        case 40:
            return leitor.LeRealLeniente(t.Altura), true;
        case 50:
            return leitor.LeRealLeniente(t.Rotacao), true;
        case 41:
        case 51: {
            Real v;
            if (leitor.LeRealLeniente(v)) (c == 41 ? t.FatorLargura : t.Obliquo) = v;
            return true;
        }
        case 70:
            return leitor.LeInteiroLeniente(t.FlagsAtributo), true;
        case 71:
            return leitor.LeInteiroLeniente(t.Espelho), true;
        case 72:
            return leitor.LeInteiroLeniente(t.AlinhamentoH), true;
        case 73: // a text's vertical alignment; an attribute's field length
        case 74: // an attribute's vertical alignment
            if (c == (t.Atributo ? 74 : 73)) return leitor.LeInteiroLeniente(t.AlinhamentoV), true;
            return false;
        default:
            return LeCoordenada(leitor, c, 10, t.Ponto) ||
                   LeCoordenada(leitor, c, 11, t.Alinhamento);
        }
    });
}

void LeTextoM(LeitorDXF& leitor, TList<TTextoM>& lista) {
    bool embutido = false;
    LeRegistro(leitor, lista, TTextoM{}, [&](TTextoM& t, std::int32_t c) {
        if (Embutido(c, embutido)) return leitor.PulaTexto(), true;
        switch (c) {
        case 1:
        case 3: { // the string in pieces of 250 characters, the last one in group 1
            std::string pedaco;
            leitor.LeTexto(pedaco);
            t.Texto += pedaco;
            return true;
        }
        case 7:
            return leitor.LeChave(t.Estilo), true;
        case 40:
            return leitor.LeRealLeniente(t.Altura), true;
        case 41:
            return leitor.LeRealLeniente(t.Largura), true;
        case 44:
            return leitor.LeRealLeniente(t.Espacamento), true;
        case 50:
            return leitor.LeRealLeniente(t.Rotacao), true;
        case 71:
            return leitor.LeInteiroLeniente(t.Anexo), true;
        default:
            return LeCoordenada(leitor, c, 10, t.Ponto) || LeCoordenada(leitor, c, 11, t.Direcao);
        }
    });
}
