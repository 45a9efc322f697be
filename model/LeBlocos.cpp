#include "Leitores.h"
#include "Modelo.h"

#include <string>

void LeBlocos(LeitorDXF& leitor) {
    std::int32_t codigo;
    std::string valor;
    leitor.LePar(codigo, valor);
    while (valor != "ENDSEC") {
        if (valor != "BLOCK") return; // the rest of the section is left to the top-level loop
        LeBloco(leitor);
        leitor.LeChave(valor);
    }
}

void LeBloco(LeitorDXF& leitor) {
    TBloco bloco;
    bool nomeDoGrupo2 = false; // the name read last came from group 2
    LeGrupos(leitor, [&](std::int32_t c) {
        switch (c) {
        case 2:
            leitor.LeTexto(bloco.Nome);
            bloco.NomeDoGrupo2.clear();
            nomeDoGrupo2 = true;
            break;
        case 3: // the later of the two names wins; group 2's is kept apart when it differs
            if (nomeDoGrupo2) bloco.NomeDoGrupo2 = std::move(bloco.Nome);
            leitor.LeTexto(bloco.Nome);
            if (bloco.NomeDoGrupo2 == bloco.Nome) bloco.NomeDoGrupo2.clear();
            nomeDoGrupo2 = false;
            break;
        case 10:
            bloco.Base = leitor.LePonto(c);
            break;
        case 70:
            leitor.LeInteiro(bloco.Flags);
            break;
        default:
            return LeGrupoComum(leitor, bloco, c);
        }
        return true;
    });

    std::string nome;
    leitor.LeChave(nome);
    while (nome != "ENDBLK") {
        if (!LeElemento(leitor, nome, bloco.Elementos))
            LeRegistroCompleto(leitor, nome, bloco.Elementos); // nested insertions too
        leitor.LeChave(nome);
    }
    leitor.PulaRegistro();
    Blocos.Add(std::move(bloco));
}
