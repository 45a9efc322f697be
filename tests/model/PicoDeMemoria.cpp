#include "PicoDeMemoria.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> emUso{0}, pico{0};
constexpr std::size_t SemLimite = SIZE_MAX;
std::atomic<std::size_t> limite{SemLimite};

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

PicoDeMemoria::PicoDeMemoria() : base_(emUso.load()) {
    pico = base_;
}

std::size_t PicoDeMemoria::Crescimento() const {
    return pico.load() - base_;
}

LimiteDeMemoria::LimiteDeMemoria(std::size_t bytes) {
    limite = emUso.load() + bytes;
}

LimiteDeMemoria::~LimiteDeMemoria() {
    limite = SemLimite;
}
