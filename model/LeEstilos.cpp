// What the full drawing needs of the tables and the header: the DIMSTYLE table, the block
// records' names by handle, the STYLE and LTYPE tables, the header's $MEASUREMENT, $LTSCALE,
// $DWGCODEPAGE and $ACADVER, and a leader's style overrides.
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
    std::string variavel; // the variable named last
    leitor.PulaSecao([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 9) {
            variavel = valor;
        } else if (variavel == "$MEASUREMENT" && codigo == 70) {
            if (const auto n = LeitorDXF::InteiroDaChave(valor)) Desenho.Medicao = *n == 1 ? 1 : 0;
        } else if (variavel == "$LTSCALE" && codigo == 40) {
            if (const auto v = LeitorDXF::RealDaChave(valor)) Desenho.EscalaTipoDeLinha = *v;
        } else if (variavel == "$DWGCODEPAGE" && codigo == 3) {
            Desenho.PaginaDeCodigo = valor;
        } else if (variavel == "$ACADVER" && codigo == 1) {
            Desenho.Versao = valor;
        }
    });
}

void LeEstilosDeTexto(LeitorDXF& leitor) {
    bool noRegistro = false, acad = false;
    leitor.PulaTabela([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 0) {
            noRegistro = valor == "STYLE";
            acad = false;
            if (noRegistro) Desenho.EstilosDeTexto.emplace_back();
            return;
        }
        if (!noRegistro) return;
        TEstiloDeTexto& e = Desenho.EstilosDeTexto.back();
        const auto inteiro = [&](std::int32_t& campo) {
            if (const auto n = LeitorDXF::Inteiro32DaChave(valor)) campo = *n;
        };
        const auto real = [&](Real& campo) {
            if (const auto v = LeitorDXF::RealDaChave(valor)) campo = *v;
        };
        switch (codigo) {
        case 2:
            e.Nome = valor;
            break;
        case 3:
            e.Fonte = valor;
            break;
        case 70:
            inteiro(e.Flags);
            break;
        case 71:
            inteiro(e.Geracao);
            break;
        case 40:
            real(e.Altura);
            break;
        case 41:
            real(e.FatorLargura);
            break;
        case 50:
            real(e.Obliquo);
            break;
        case 1001:
            acad = valor == "ACAD";
            break;
        case 1000: // the TrueType family a CAD program keeps beside the font's file
            if (acad && e.Familia.empty()) e.Familia = valor;
            break;
        case 1071:
            if (acad) inteiro(e.FlagsDaFamilia);
            break;
        }
    });
}

void LeTiposDeLinha(LeitorDXF& leitor) {
    bool noRegistro = false;
    leitor.PulaTabela([&](std::int32_t codigo, const std::string& valor) {
        if (codigo == 0) {
            noRegistro = valor == "LTYPE";
            if (noRegistro) Desenho.TiposDeLinha.emplace_back();
            return;
        }
        if (!noRegistro) return;
        TTipoDeLinha& t = Desenho.TiposDeLinha.back();
        if (codigo == 2) {
            t.Nome = valor;
        } else if (codigo == 40) {
            if (const auto v = LeitorDXF::RealDaChave(valor)) t.Comprimento = *v;
        } else if (codigo == 49) {
            if (const auto v = LeitorDXF::RealDaChave(valor)) t.Tracos.push_back(*v);
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
