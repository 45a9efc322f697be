// libFuzzer target for the reader and the full drawing's decomposition: every input must
// load or fail with an ErroDXF, must give the same model whatever the size of the pieces the
// file is read in, and what was read must decompose into a scene of finite vertices within
// the budget.
#include "Cena.h"
#include "Escolha.h"
#include "Leitores.h"
#include "UDXF.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <tuple>
#include <unistd.h>

namespace {

// The input as a file in memory, opened by name through /proc, so that the whole reading
// path (open, read in pieces, close) runs as for a file on disk.
class ArquivoNaMemoria {
  public:
    ArquivoNaMemoria(const std::uint8_t* dados, std::size_t tamanho)
        : descritor_(memfd_create("entrada.dxf", MFD_CLOEXEC)) {
        if (descritor_ < 0) std::abort();
        while (tamanho > 0) {
            ssize_t escritos = ::write(descritor_, dados, tamanho);
            if (escritos <= 0) std::abort();
            dados += escritos;
            tamanho -= static_cast<std::size_t>(escritos);
        }
    }
    ~ArquivoNaMemoria() { ::close(descritor_); }
    ArquivoNaMemoria(const ArquivoNaMemoria&) = delete;
    ArquivoNaMemoria& operator=(const ArquivoNaMemoria&) = delete;

    std::string Nome() const { return "/proc/self/fd/" + std::to_string(descritor_); }

  private:
    int descritor_;
};

// What one load produced: its error message (empty on success), the list sizes and the
// extents. NaN extents compare by their bits.
struct Resumo {
    std::string erro;
    std::uint64_t linha; // where a failed load stopped reading
    int faces, linhas, arcos, circulos, polylines, blocos, inserts, camadas;
    double extremos[6];

    bool operator==(const Resumo& outro) const {
        return std::tie(erro, linha, faces, linhas, arcos, circulos, polylines, blocos, inserts,
                        camadas) == std::tie(outro.erro, outro.linha, outro.faces, outro.linhas,
                                             outro.arcos, outro.circulos, outro.polylines,
                                             outro.blocos, outro.inserts, outro.camadas) &&
               std::memcmp(extremos, outro.extremos, sizeof extremos) == 0;
    }
};

Resumo Carrega(const std::string& nome, std::size_t tamanhoLeitura) {
    Resumo resumo{};
    try {
        CarregaDXF(nome, tamanhoLeitura);
    } catch (const ErroDXF& erro) {
        resumo.erro = erro.what();
        if (resumo.erro.empty()) std::abort(); // every failure tells the user something
        resumo.linha = erro.Linha().value_or(0);
    }
    resumo.faces = Faces3D.Count();
    resumo.linhas = Linhas.Count();
    resumo.arcos = Arcos.Count();
    resumo.circulos = Circulos.Count();
    resumo.polylines = PolyLines.Count();
    resumo.blocos = Blocos.Count();
    resumo.inserts = Inserts.Count();
    resumo.camadas = Camadas.Count();
    const Real* reais[6] = {&XMin, &YMin, &ZMin, &XMax, &YMax, &ZMax};
    for (int i = 0; i < 6; ++i)
        resumo.extremos[i] = reais[i]->ComoDouble();
    return resumo;
}

// Picks at the centres of a few elements' boxes: the boxes come in the walk's order, and a
// pick that names an element names one within its radius.
void ConfereEscolhas(const TCena& cena, const TOpcoesDaCena& opcoes) {
    const auto& caixas = cena.CaixasDosElementos;
    for (std::size_t i = 1; i < caixas.size(); ++i)
        if (caixas[i].Ordem <= caixas[i - 1].Ordem) std::abort();
    const std::size_t passo = std::max<std::size_t>(1, caixas.size() / 4);
    for (std::size_t i = 0; i < caixas.size(); i += passo) {
        TP3 p;
        for (std::size_t k = 0; k < 3; ++k)
            p[k] = cena.Origem[k] + (double(caixas[i].Min[k]) + double(caixas[i].Max[k])) / 2;
        if (!Finito3(p)) continue;
        const double raio = 10 * cena.Tolerancia;
        const auto e =
            EscolheElemento(Desenho, opcoes, cena, p, raio, [](std::size_t) { return false; });
        if (e && !(e->Distancia <= raio)) std::abort();
    }
}

// The loaded drawing decomposed with a small budget: it must hold to it and send nothing
// non-finite to the outputs.
void ConfereCena() {
    TOpcoesDaCena opcoes;
    opcoes.LimiteDeVertices = 200'000;
    const TCena cena = DecompoeDesenho(Desenho, opcoes);
    const auto total = cena.Triangulos.size() + cena.Segmentos.size() + cena.Pontos.size() +
                       2 * cena.Instancias.size();
    if (total > static_cast<std::size_t>(opcoes.LimiteDeVertices)) std::abort();
    for (const TInstanciaDeGlifo& g : cena.Instancias)
        for (const float* v : {g.O, g.U, g.V})
            if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2])) std::abort();
    for (const std::uint32_t glifo : cena.GlifoDaInstancia)
        if (glifo >= cena.Glifos.size()) std::abort();
    for (const auto* lista : {&cena.Triangulos, &cena.Segmentos, &cena.Pontos})
        for (const TVerticeCena& v : *lista)
            if (!std::isfinite(v.X) || !std::isfinite(v.Y) || !std::isfinite(v.Z) ||
                !std::isfinite(v.NX) || !std::isfinite(v.NY) || !std::isfinite(v.NZ))
                std::abort();
    for (const double c : cena.Origem)
        if (!std::isfinite(c)) std::abort();
    ConfereEscolhas(cena, opcoes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    ArquivoNaMemoria arquivo(dados, tamanho);
    Resumo inteiro = Carrega(arquivo.Nome(), Entrada::TamanhoLeitura);
    // Pieces of 7 bytes put a piece boundary inside every token and every line end.
    Resumo aos_pedacos = Carrega(arquivo.Nome(), 7);
    if (!(inteiro == aos_pedacos)) std::abort();
    ConfereCena();
    return 0;
}
