#pragma once

#include "Entidades.h"
#include "LeitorDXF.h"
#include "UDXF.h"

#include <cstddef>
#include <optional>
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
// Full drawing: the DIMSTYLE and BLOCK_RECORD tables and the HEADER section, entered after
// their names and skipped as PulaTabela and PulaSecao skip them, keeping what leaders need.
void LeEstilosDeCota(LeitorDXF& leitor);
void LeRegistrosDeBloco(LeitorDXF& leitor);
void LeCabecalho(LeitorDXF& leitor);
// The STYLE and LTYPE tables, likewise.
void LeEstilosDeTexto(LeitorDXF& leitor);
void LeTiposDeLinha(LeitorDXF& leitor);

// Sets the dimension-style variable of group `codigo` (DIMSTYLE's own codes) from `valor`;
// false for a variable not kept.
bool DefineVariavelDeCota(TVariaveisDeCota& v, std::int32_t codigo, const std::string& valor);

// Where an element's extended data stands: in "ACAD", after "DSTYLE", inside its braces, and
// the variable whose value comes next.
struct TDadosDeCota {
    bool acad = false, estilo = false, dentro = false;
    std::optional<std::int32_t> variavel;
};
// An extended-data group (1000 to 1071), its value read as a line: the style overrides of
// "ACAD" "DSTYLE" { 1070 code, value ... } go to `variaveis`. False for other groups.
bool LeSubstituicaoDeCota(LeitorDXF& leitor, std::int32_t codigo, TVariaveisDeCota& variaveis,
                          TDadosDeCota& estado);
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

// The groups every element has: 8 (layer name) and 62 (colour index), and the full drawing's
// 60, 67 and 420 (LeGrupoCompleto). False for others.
bool LeGrupoComum(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo);

// ---- The full drawing's reading, lenient: it never fails a load nor widens the extents ----

// The full drawing's groups of every element, read leniently: 60 (invisible), 67 (paper
// space), 420 (true colour), 6 (line type), 48 (its scale) and 370 (line weight). False for
// others.
bool LeGrupoCompleto(LeitorDXF& leitor, TEntidade& entidade, std::int32_t codigo);

// A true colour (group 420) as 0xRRGGBB: the value's low 24 bits.
std::int32_t CorDe24Bits(std::int64_t valor);
// A line weight (group 370) within -3 (default) to 211 hundredths of a millimetre.
std::int16_t EspessuraDe(std::int64_t valor);

// Group `codigo` of the point whose X group is `codigoX` (codigoX, codigoX + 10 or
// codigoX + 20), read leniently into `ponto`: the first number read makes the point at
// (0, 0, 0), so that a missing coordinate is 0; a later group replaces its coordinate only.
// The extents are not widened. False for other groups.
bool LeCoordenada(LeitorDXF& leitor, std::int32_t codigo, std::int32_t codigoX,
                  std::optional<TPonto3D>& ponto);

// The full drawing's groups of a planar element read strictly otherwise (LINE, ARC, CIRCLE,
// POLYLINE): thickness 39 and extrusion 210/220/230, the extrusion kept apart until the
// record ends, to replace the element's own Z axis. False for other groups.
bool LeGrupoPlano(LeitorDXF& leitor, std::int32_t codigo, Real& espessura,
                  std::optional<TPonto3D>& extrusao);

// A record that the default reading skips, entered after its name `nome`: read into its
// full-drawing list of `listas` (INSERT into the insertions, as in a block definition), or
// kept as not drawn. Its groups are read as PulaRegistro skips them: group codes fail the
// load as there, values never do. SEQEND and stray VERTEX records are only skipped.
void LeRegistroCompleto(LeitorDXF& leitor, const std::string& nome, TElementos& listas);
