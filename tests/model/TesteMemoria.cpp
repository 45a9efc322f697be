// Lines far longer than any buffer: kept whole when the model keeps them, otherwise read
// past without being held. Running out of memory is a load error like the others.
#include "Ajuda.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <malloc.h>
#include <new>

// operator new, replaced here, counts the memory held and its peak, and fails past a limit.
namespace {
std::atomic<std::size_t> emUso{0}, pico{0}, limite{SIZE_MAX};
} // namespace

void* operator new(std::size_t n) {
    if (n > limite.load() || emUso.load() > limite.load() - n) throw std::bad_alloc();
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    const std::size_t agora = emUso += malloc_usable_size(p);
    std::size_t anterior = pico.load();
    while (agora > anterior && !pico.compare_exchange_weak(anterior, agora)) {
    }
    return p;
}

void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    emUso -= malloc_usable_size(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

// While it lives, operator new fails where the memory held would grow more than `bytes`.
struct LimiteDeMemoria {
    explicit LimiteDeMemoria(std::size_t bytes) { limite = emUso.load() + bytes; }
    ~LimiteDeMemoria() { limite = SIZE_MAX; }
};

constexpr std::size_t Tamanho = 50u << 20;
const std::string Inicio = "0\nSECTION\n2\nENTITIES\n0\nLINE\n";
const std::string Pontos = "\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n0\nENDSEC\n0\nEOF\n";

// A huge layer name is kept whole, a huge group code refused, a huge run of blanks skipped.
TEST(LinhasLongas, GuardadasInteirasOuRecusadas) {
    const std::tuple<std::string, char, std::string, std::optional<std::string>> casos[] = {
        {Inicio + "8\n", 'A', Pontos, std::nullopt},
        {Inicio, '7', Pontos, "Invalid numeric input"},
        {Inicio, '\x80', Pontos, "Invalid numeric input"},
        {Inicio + "10\n", ' ', "1\n20\n2\n0\nENDSEC\n0\nEOF\n", std::nullopt}};
    for (const auto& [antes, recheio, depois, erro] : casos) {
        ArquivoTemporario arquivo(antes + std::string(Tamanho, recheio) + depois);
        ASSERT_EQ(CarregaArquivo(arquivo.Nome()), erro) << int(recheio);
        if (erro) continue;
        ASSERT_EQ(Linhas.Count(), 1);
        EXPECT_EQ(Linhas[0].Camada.size(), recheio == 'A' ? Tamanho : 0);
        EXPECT_EQ(static_cast<long double>(Linhas[0].P1->Y), 2);
    }
}

// Names only compared with keywords, and skipped values, are read past without being held.
TEST(LinhasLongas, LinhasQueNinguemGuardaNaoOcupamMemoria) {
    const std::string Entidades = "0\nSECTION\n2\nENTITIES\n", Fim = "\n0\nENDSEC\n0\nEOF\n";
    const std::pair<std::string, std::string> casos[] = {
        {"0\nSECTION\n2\nHEADER\n9\n$X\n1\n", "\n0\nENDSEC\n" + Entidades + "0\nENDSEC\n0\nEOF\n"},
        {"0\nSECTION\n2\n", Fim},
        {Entidades + "0\n", Fim},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n0\n", "\n0\nENDTAB" + Fim},
        {"0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\n", "\n0\nENDBLK" + Fim},
        {Inicio + "999\n", Pontos},
        // A record only the full drawing reads: a text it does not keep, a number it reads.
        {Entidades + "0\nTEXT\n3\n", Fim},
        {Entidades + "0\nSPLINE\n40\n", Fim}};
    for (const auto& [antes, depois] : casos) {
        SCOPED_TRACE(antes);
        ArquivoTemporario arquivo(antes + std::string(Tamanho, 'K') + depois);
        const std::size_t base = pico = emUso.load();
        EXPECT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt);
        EXPECT_LT(pico.load() - base, Tamanho / 8) << "the most memory held during the load";
    }
}

TEST(FaltaDeMemoria, EhUmErroDeLeituraQueGuardaOQueFoiLido) {
    // A layer name is kept whole: one of 64 MB cannot fit under a 16 MB limit.
    ArquivoTemporario arquivo(
        SoEntidades(LinhaDXF + "0\nLINE\n8\n" + std::string(64 << 20, 'K') + "\n10\n1\n"));
    std::optional<ErroDXF> erro;
    {
        const LimiteDeMemoria limite(16 << 20);
        erro = ErroAoCarregar(arquivo.Nome());
    }
    ASSERT_TRUE(erro);
    EXPECT_EQ(std::string(erro->what()), "Out of memory");
    EXPECT_EQ(erro->Linha(), 24u);
    EXPECT_EQ(Linhas.Count(), 1); // the line read before
    EXPECT_EQ(CarregaArquivo(arquivo.Nome()), std::nullopt) << "loads without the limit";
    EXPECT_EQ(Linhas.Count(), 2);
}

// Memory running out at any step of a list's growth leaves it as it was, and it grows again.
TEST(FaltaDeMemoria, ListaFicaComoEstavaEmQualquerPasso) {
    const int bloco = static_cast<int>(TList<int>::Bloco);
    for (std::size_t folga = 0; folga <= 256; folga += 8) {
        TList<int> lista;
        for (int i = 0; i < bloco; ++i)
            lista.Add(i);
        try {
            const LimiteDeMemoria limite(folga);
            lista.Add(-1);
        } catch (const std::bad_alloc&) {
        }
        const int antes = lista.Count();
        ASSERT_TRUE(antes == bloco || antes == bloco + 1) << folga;
        lista.Add(7);
        EXPECT_EQ(lista.Count(), antes + 1) << folga;
        EXPECT_EQ(lista[antes], 7) << folga;
    }
}

} // namespace
