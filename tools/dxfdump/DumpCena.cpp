#include "DumpCena.h"

#include "EscritorJSON.h"

#include <map>

std::string CenaEmJSON(const TCena& cena, const std::optional<std::string>& erro,
                       std::optional<std::uint64_t> linha) {
    EscritorJSON j;
    j.Abre('{');
    j.Chave("erro");
    if (erro)
        j.Texto(*erro);
    else
        j.Nulo();
    j.Chave("linha");
    if (linha)
        j.Inteiro(static_cast<std::int64_t>(*linha));
    else
        j.Nulo();

    j.NovaLinha();
    j.Chave("extremos");
    if (cena.ExtremosMedidos.Vazia()) {
        j.Nulo();
    } else {
        j.Abre('[');
        for (const auto* lado : {&cena.ExtremosMedidos.Min, &cena.ExtremosMedidos.Max})
            for (double v : *lado)
                j.Numero(v);
        j.Fecha(']');
    }

    // Every kind met, drawn or skipped, as the reference lists them: a kind whose members
    // were partly skipped counts them all.
    std::map<std::string, TMedidaDoTipo> tipos = cena.Tipos;
    for (const auto& [tipo, n] : cena.Ignorados)
        tipos[tipo].N += n;
    j.NovaLinha();
    j.Chave("tipos");
    j.Abre('{');
    for (const auto& [tipo, medida] : tipos) {
        j.NovaLinha();
        j.Chave(tipo);
        j.Abre('{');
        j.Chave("n");
        j.Inteiro(medida.N);
        if (medida.Comprimento > 0) {
            j.Chave("comprimento");
            j.Numero(medida.Comprimento);
        }
        if (medida.Area > 0) {
            j.Chave("area");
            j.Numero(medida.Area);
        }
        if (medida.Caracteres > 0) {
            j.Chave("caracteres");
            j.Inteiro(medida.Caracteres);
        }
        j.Fecha('}');
    }
    j.Fecha('}');

    j.NovaLinha();
    j.Chave("ignorados");
    j.Abre('{');
    for (const auto& [tipo, n] : cena.Ignorados) {
        j.Chave(tipo);
        j.Inteiro(n);
    }
    j.Fecha('}');

    j.NovaLinha();
    j.Chave("tolerancia");
    j.Numero(cena.Tolerancia);
    j.Chave("aviso");
    if (cena.Aviso)
        j.Texto(*cena.Aviso);
    else
        j.Nulo();
    j.Fecha('}');
    return j.texto + '\n';
}
