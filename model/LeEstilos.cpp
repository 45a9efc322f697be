// What the full drawing needs to draw leaders as CAD programs do: the DIMSTYLE table, the
// block records' names by handle, the header's $MEASUREMENT and a leader's style overrides.
// The tables and the header are skipped exactly as before and only looked at on the way, so
// a file fails or loads as it did; a value that is not a number leaves its variable unset.
#include "Leitores.h"
#include "Modelo.h"

#include <cstdint>
#include <string>

bool DefineVariavelDeCota(TVariaveisDeCota& v, std::int32_t codigo, const std::string& valor) {
    switch (codigo) {
    case 40:
        v.Escala = LeitorDXF::RealDaChave(valor);
        return true;
    case 41:
        v.TamanhoSeta = LeitorDXF::RealDaChave(valor);
        return true;
    case 147:
        v.Folga = LeitorDXF::RealDaChave(valor);
        return true;
    case 77:
        v.TextoAcima = LeitorDXF::Inteiro32DaChave(valor);
        return true;
    case 341:
        v.BlocoDaSeta = valor;
        return true;
    default:
        return false;
    }
}

void LeEstilosDeCota(LeitorDXF& leitor) {
    bool noRegistro = false;
    leitor.PulaTabela([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 0) {
            noRegistro = valor == "DIMSTYLE";
            if (noRegistro) Desenho.EstilosDeCota.emplace_back();
        } else if (noRegistro) {
            TEstiloDeCota& estilo = Desenho.EstilosDeCota.back();
            if (codigo == 2)
                estilo.Nome = valor;
            else
                DefineVariavelDeCota(estilo.Variaveis, codigo, valor);
        }
    });
}

void LeRegistrosDeBloco(LeitorDXF& leitor) {
    bool noRegistro = false;
    std::string alca, nome;
    leitor.PulaTabela([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 0) {
            if (noRegistro && !alca.empty()) Desenho.NomesDosRegistrosDeBloco.emplace(alca, nome);
            noRegistro = valor == "BLOCK_RECORD";
            alca.clear();
            nome.clear();
        } else if (noRegistro && codigo == 5) {
            alca = valor;
        } else if (noRegistro && codigo == 2) {
            nome = valor;
        }
    });
}

void LeCabecalho(LeitorDXF& leitor) {
    bool medicao = false; // the variable named last is $MEASUREMENT
    leitor.PulaSecao([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 9) {
            medicao = valor == "$MEASUREMENT";
        } else if (medicao && codigo == 70) {
            if (const auto n = LeitorDXF::InteiroDaChave(valor)) Desenho.Medicao = *n == 1 ? 1 : 0;
        }
    });
}

bool LeSubstituicaoDeCota(LeitorDXF& leitor, std::int32_t codigo, TVariaveisDeCota& variaveis,
                          TDadosDeCota& estado) {
    if (codigo < 1000 || codigo > 1071) return false;
    std::string valor;
    leitor.LeChave(valor);
    switch (codigo) {
    case 1001: // a new application's data
        estado = {};
        estado.acad = valor == "ACAD";
        break;
    case 1000:
        if (estado.acad && !estado.dentro) estado.estilo = valor == "DSTYLE";
        estado.variavel.reset(); // a text value: no variable read here takes one
        break;
    case 1002:
        if (estado.estilo) estado.dentro = valor == "{";
        if (valor == "}") estado.estilo = false;
        estado.variavel.reset();
        break;
    case 1070:
        if (estado.dentro && !estado.variavel) {
            const auto n = LeitorDXF::InteiroDaChave(valor);
            estado.variavel = n && *n >= 0 && *n < 10000 ? std::int32_t(*n) : -1;
            break;
        }
        [[fallthrough]];
    default: // a variable's value (1040, 1070, 1005 ...)
        if (estado.dentro && estado.variavel)
            DefineVariavelDeCota(variaveis, *estado.variavel, valor);
        estado.variavel.reset();
        break;
    }
    return true;
}
