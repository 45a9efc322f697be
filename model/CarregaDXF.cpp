#include "Arquivo.h"
#include "Leitores.h"
#include "UDXF.h"

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
    CarregaDXF(nome, Entrada::TamanhoLeitura);
}

void CarregaDXF(const std::string& nome, std::size_t tamanhoLeitura) {
    Faces3D = {};
    Camadas = {};
    Linhas = {};
    Arcos = {};
    Circulos = {};
    PolyLines = {};
    Blocos = {};
    Inserts = {};
    // The extents are the true minimum and maximum of the points read.
    XMin = YMin = ZMin = Real::Maior;
    XMax = YMax = ZMax = -Real::Maior;
    FechaExtremos fecha;

    ArquivoAberto arquivo(nome);
    LeitorDXF leitor(arquivo.Descritor(), tamanhoLeitura);
    LeArquivoDXF(leitor);
}
