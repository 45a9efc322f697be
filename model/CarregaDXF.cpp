#include "Arquivo.h"
#include "Leitores.h"
#include "UDXF.h"

#include <algorithm>
#include <new>

namespace {

// Ends every load, also a failed one: a load that read no point at all leaves the extents
// at 50000 and -50000.
struct FechaExtremos {
    ~FechaExtremos() {
        if (XMin <= XMax) return;
        XMin = YMin = ZMin = 50000;
        XMax = YMax = ZMax = -50000;
    }
};

} // namespace

void CarregaDXF(const std::string& nome) {
    CarregaDXF(nome, Entrada::TamanhoLeitura, {});
}

void CarregaDXF(const std::string& nome, const ProgressoDaLeitura& progresso) {
    CarregaDXF(nome, Entrada::TamanhoLeitura, progresso);
}

void CarregaDXF(const std::string& nome, std::size_t tamanhoLeitura,
                const ProgressoDaLeitura& progresso) {
    Desenho = TDesenho{}; // also the configuration record: nothing of the last file stays
    // The extents are the true minimum and maximum of the points read.
    XMin = YMin = ZMin = Real::Maior;
    XMax = YMax = ZMax = -Real::Maior;
    FechaExtremos fecha;

    ArquivoAberto arquivo(nome);
    LeitorDXF leitor(arquivo.Descritor(), tamanhoLeitura);
    if (progresso) {
        const double tamanho = static_cast<double>(arquivo.Tamanho().value_or(0));
        leitor.AoLer([&progresso, tamanho](std::uint64_t lidos) {
            progresso(tamanho > 0 ? std::min(1.0, static_cast<double>(lidos) / tamanho) : 0.0);
        });
    }
    // A fault met while reading says on which line of the file reading stopped.
    auto falha = [&](const std::string& mensagem) {
        const auto linha = arquivo.LinhaDaPosicao(leitor.InicioDoUltimo());
        return linha ? ErroDXF(mensagem, *linha) : ErroDXF(mensagem);
    };
    try {
        LeArquivoDXF(leitor);
    } catch (const ErroDXF& e) {
        throw falha(e.what());
    } catch (const std::bad_alloc&) {
        throw falha("Out of memory");
    }
}
