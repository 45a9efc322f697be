#pragma once

#include "Entidades.h"
#include "LeitorDXF.h"
#include "UDXF.h"

#include <cstddef>
#include <string>

// The readers of the file's parts. Each record reader is entered just after the value line
// that named its record, reads groups until a group code 0 and leaves that group's value
// line unread; it appends its element to the given list only after all its groups were read.

// CarregaDXF reading the file in pieces of at most `tamanhoLeitura` bytes.
void CarregaDXF(const std::string& nome, std::size_t tamanhoLeitura,
                const ProgressoDaLeitura& progresso = {});

// The whole file: sections up to 0/"EOF", then the optional configuration block.
void LeArquivoDXF(LeitorDXF& leitor);
// One section, entered after the group 0/"SECTION".
void LeSecao(LeitorDXF& leitor);

void LeTabelas(LeitorDXF& leitor);
void LeCamadas(LeitorDXF& leitor);
void LeConfig(LeitorDXF& leitor);

void LeEntidades(LeitorDXF& leitor);

// Reads an element named 3DFACE, LINE, ARC, CIRCLE or POLYLINE into its list; false for
// any other name, whose record is left unread.
bool LeElemento(LeitorDXF& leitor, const std::string& nome, TElementos& listas);
void LeFace3D(LeitorDXF& leitor, TList<TFace3D>& lista);
void LeLinha(LeitorDXF& leitor, TList<TLinha>& lista);
void LeArco(LeitorDXF& leitor, TList<TArco>& lista);
void LeCirculo(LeitorDXF& leitor, TList<TCirculo>& lista);
void LePolyLine(LeitorDXF& leitor, TList<TPolyLine>& lista);
void LeInsert(LeitorDXF& leitor, TList<TInsert>& lista);

void LeBlocos(LeitorDXF& leitor);
void LeBloco(LeitorDXF& leitor);

// Reads a record's groups: `trata` handles a group code and returns false for a code it
// does not know, whose value line is then skipped. Ends after reading a group code 0.
template <class Tratador> void LeGrupos(LeitorDXF& leitor, Tratador&& trata) {
    std::int32_t codigo;
    leitor.LeInteiro(codigo);
    while (codigo != 0) {
        if (!trata(codigo)) leitor.PulaTexto();
        leitor.LeInteiro(codigo);
    }
}

// The groups every element has: 8 (layer name) and 62 (colour index). False for others.
bool LeGrupoComum(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo);
