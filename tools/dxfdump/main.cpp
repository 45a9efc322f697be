// dxfdump: loads a DXF file with the viewer's reader and prints what it made of it as JSON,
// or with --cena what the full drawing mode draws of it.
#include "DumpCena.h"
#include "DumpJSON.h"
#include "UDXF.h"

#include <cstdint>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

namespace {

struct Argumentos {
    bool soContagens = false;
    bool cena = false; // what the full drawing mode draws, instead of the model
    std::string arquivo;
};

// "[--counts | --cena] FILE" in either order; nothing for anything else.
std::optional<Argumentos> LeArgumentos(int argc, char** argv) {
    Argumentos a;
    bool temArquivo = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--counts" && !a.soContagens && !a.cena) {
            a.soContagens = true;
        } else if (arg == "--cena" && !a.cena && !a.soContagens) {
            a.cena = true;
        } else if (!temArquivo && !arg.empty() && arg[0] != '-') {
            a.arquivo = arg;
            temArquivo = true;
        } else {
            return std::nullopt;
        }
    }
    if (!temArquivo) return std::nullopt;
    return a;
}

} // namespace

int main(int argc, char** argv) {
    auto args = LeArgumentos(argc, argv);
    if (!args) {
        std::fprintf(stderr, "usage: dxfdump [--counts | --cena] FILE\n");
        return 2;
    }

    std::optional<std::string> erro;
    std::optional<std::uint64_t> linha;
    try {
        CarregaDXF(args->arquivo);
    } catch (const ErroDXF& e) {
        erro = e.what();
        linha = e.Linha();
    }
    try {
        // A failed load still shows what was read: its scene too.
        std::string json = args->cena ? CenaEmJSON(DecompoeDesenho(Desenho), erro, linha)
                                      : ModeloEmJSON(erro, args->soContagens, linha);
        std::fwrite(json.data(), 1, json.size(), stdout);
    } catch (const std::bad_alloc&) {
        // The model fitted in memory but its scene or its text did not.
        std::fprintf(stderr, "dxfdump: Out of memory\n");
        return 1;
    }
    return erro ? 1 : 0;
}
