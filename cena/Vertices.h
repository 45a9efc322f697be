#pragma once

// The scene's vertex lists, kept in pieces of a fixed size: a list grows without moving what
// it holds (no copies, no capacity left over beyond one piece), and its pieces can be handed
// to an output and freed one by one.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <new>
#include <sys/mman.h>
#include <vector>

// One vertex as the outputs take it: its place relative to the scene's origin, the unit
// normal of its triangle (zero for segments and points), its colour.
// The line weight "default" (-3) stands for, in hundredths of a millimetre.
constexpr std::uint8_t EspessuraPadrao = 25;

struct TVerticeCena {
    float X, Y, Z;
    float NX, NY, NZ;
    std::uint8_t R, G, B;
    // The element's line weight in hundredths of a millimetre (25 the default), which its
    // segments are drawn with.
    std::uint8_t Espessura;
};
static_assert(sizeof(TVerticeCena) == 28);

// Memory mapped for each piece and unmapped when it is freed: the pages go back to the system
// at once, where the C library's heap could keep them. A piece's pages are made at once
// (MAP_POPULATE): one call, where touching them one by one costs a fault each.
template <class T> struct TAlocadorMapeado {
    using value_type = T;
    TAlocadorMapeado() = default;
    template <class U> TAlocadorMapeado(const TAlocadorMapeado<U>&) {}
    T* allocate(std::size_t n) {
        void* p = ::mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) { ::munmap(p, n * sizeof(T)); }
    template <class U> bool operator==(const TAlocadorMapeado<U>&) const { return true; }
};

class TVerticesCena {
  public:
    using TPedaco = std::vector<TVerticeCena, TAlocadorMapeado<TVerticeCena>>;
    // Vertices per piece: 1.8 MB, a multiple of 6, so that no triangle or segment is split.
    static constexpr std::size_t PorPedaco = 6 * 10923;

    TVerticesCena() = default;
    TVerticesCena(std::initializer_list<TVerticeCena> vertices) {
        for (const TVerticeCena& v : vertices)
            push_back(v);
    }

    void push_back(const TVerticeCena& v) {
        if (pedacos_.empty() || pedacos_.back().size() == PorPedaco) {
            pedacos_.emplace_back();
            pedacos_.back().reserve(PorPedaco);
        }
        pedacos_.back().push_back(v);
        ++tamanho_;
    }
    std::size_t size() const { return tamanho_; }
    bool empty() const { return tamanho_ == 0; }
    const TVerticeCena& operator[](std::size_t i) const {
        return pedacos_[i / PorPedaco][i % PorPedaco];
    }
    TVerticeCena& operator[](std::size_t i) { return pedacos_[i / PorPedaco][i % PorPedaco]; }
    // Frees every piece.
    void clear() {
        std::vector<TPedaco>().swap(pedacos_);
        tamanho_ = 0;
    }
    void assign(std::size_t n, const TVerticeCena& v) {
        clear();
        for (std::size_t i = 0; i < n; ++i)
            push_back(v);
    }

    // The pieces in order, each full but the last.
    const std::vector<TPedaco>& Pedacos() const { return pedacos_; }
    // Frees piece k (its vertices are no longer read); size() stays.
    void LiberaPedaco(std::size_t k) { TPedaco().swap(pedacos_[k]); }

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TVerticeCena;
        using difference_type = std::ptrdiff_t;
        using pointer = const TVerticeCena*;
        using reference = const TVerticeCena&;
        const_iterator(const TVerticesCena* lista, std::size_t i) : lista_(lista), i_(i) {}
        reference operator*() const { return (*lista_)[i_]; }
        pointer operator->() const { return &(*lista_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator antes = *this;
            ++i_;
            return antes;
        }
        bool operator==(const const_iterator& outro) const { return i_ == outro.i_; }

      private:
        const TVerticesCena* lista_;
        std::size_t i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, tamanho_}; }

  private:
    std::vector<TPedaco> pedacos_;
    std::size_t tamanho_ = 0;
};
