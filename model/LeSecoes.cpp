#include "ErroDXF.h"
#include "Leitores.h"
#include "Modelo.h"

#include <string>

void LeArquivoDXF(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string valor;
    leitor.LePar(codigo, valor);
    while (valor != "EOF") {
        if (valor == "SECTION") LeSecao(leitor);
        leitor.LePar(codigo, valor);
    }

    // The drawing is complete: what follows is a configuration block or is ignored, and
    // nothing in it can fail the load. A bad or missing value ends the block quietly and
    // keeps the values set before it.
    try {
        if (leitor.NoFim()) return;
        leitor.LePar(codigo, valor);
        if (codigo == 999 && valor == "CONFIG") LeConfig(leitor);
    } catch (const ErroDXF&) {
    }
}

void LeSecao(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string nome;
    leitor.LePar(codigo, nome);
    if (nome == "TABLES")
        LeTabelas(leitor);
    else if (nome == "BLOCKS")
        LeBlocos(leitor);
    else if (nome == "ENTITIES")
        LeEntidades(leitor);
    else if (nome == "HEADER")
        LeCabecalho(leitor);
    else
        leitor.PulaSecao();
}

void LeTabelas(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string valor;
    leitor.LePar(codigo, valor);
    while (valor != "ENDSEC") {
        if (valor == "TABLE") {
            leitor.LePar(codigo, valor);
            if (valor == "LAYER")
                LeCamadas(leitor);
            else if (valor == "DIMSTYLE")
                LeEstilosDeCota(leitor);
            else if (valor == "BLOCK_RECORD")
                LeRegistrosDeBloco(leitor);
            else if (valor == "STYLE")
                LeEstilosDeTexto(leitor);
            else if (valor == "LTYPE")
                LeTiposDeLinha(leitor);
            else
                leitor.PulaTabela();
        }
        leitor.LePar(codigo, valor);
    }
}

void LeCamadas(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string valor;
    do { // the table's own header groups
        leitor.LePar(codigo, valor);
    } while (codigo != 0);

    while (valor != "ENDTAB") {
        if (valor != "LAYER") return; // a foreign entry: the rest is read as plain groups
        TCamada camada;
        LeGrupos(leitor, [&](std::int32_t c) {
            if (c == 2) {
                leitor.LeTexto(camada.Nome);
            } else if (c == 62) {
                std::int32_t indice;
                leitor.LeInteiro(indice);
                camada.Cor = CorDoIndice(indice);
                camada.IndiceCor = indice;
            } else if (c == 70) {
                leitor.LeInteiroLeniente(camada.Flags);
            } else if (c == 420) {
                std::int64_t cor;
                if (leitor.LeInteiroLeniente(cor)) camada.CorVerdadeira = CorDe24Bits(cor);
            } else if (c == 6) {
                leitor.LeChave(camada.TipoDeLinha);
            } else if (c == 370) {
                std::int64_t espessura;
                if (leitor.LeInteiroLeniente(espessura))
                    camada.EspessuraDeLinha = EspessuraDe(espessura);
            } else {
                return false;
            }
            return true;
        });
        Camadas.Add(std::move(camada));
        leitor.LeChave(valor);
    }
}

namespace {

Real* CampoReal(const std::string& chave) {
    if (chave == "XINI") return &Configuracao.XIni;
    if (chave == "YINI") return &Configuracao.YIni;
    if (chave == "ZINI") return &Configuracao.ZIni;
    if (chave == "VBAIXA") return &Configuracao.VBaixa;
    if (chave == "VMEDIA") return &Configuracao.VMedia;
    if (chave == "VALTA") return &Configuracao.VAlta;
    return nullptr;
}

std::int32_t* CampoInteiro(const std::string& chave) {
    if (chave == "ALTURA") return &Configuracao.Altura;
    if (chave == "ANGULO") return &Configuracao.Angulo;
    return nullptr;
}

} // namespace

void LeConfig(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string chave;
    leitor.LePar(codigo, chave);
    while (!leitor.NoFim()) {
        if (Real* campo = CampoReal(chave)) {
            leitor.LeInteiro(codigo);
            leitor.LeReal(*campo);
        } else if (std::int32_t* campo = CampoInteiro(chave)) {
            leitor.LeInteiro(codigo);
            leitor.LeInteiro(*campo);
        }
        leitor.LePar(codigo, chave);
    }
}
