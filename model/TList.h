#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

// Random-access iterator over any list with indexed access from 0.
template <class Lista, class Valor> class IteradorDeLista {
  public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::remove_const_t<Valor>;
    using difference_type = std::ptrdiff_t;
    using pointer = Valor*;
    using reference = Valor&;

    IteradorDeLista() = default;
    IteradorDeLista(Lista* lista, std::ptrdiff_t i) : lista_(lista), i_(i) {}
    Valor& operator*() const { return (*lista_)[static_cast<int>(i_)]; }
    Valor* operator->() const { return &**this; }
    Valor& operator[](std::ptrdiff_t n) const { return *(*this + n); }
    IteradorDeLista& operator++() { return ++i_, *this; }
    IteradorDeLista operator++(int) { return {lista_, i_++}; }
    IteradorDeLista& operator--() { return --i_, *this; }
    IteradorDeLista operator--(int) { return {lista_, i_--}; }
    IteradorDeLista& operator+=(std::ptrdiff_t n) { return i_ += n, *this; }
    IteradorDeLista& operator-=(std::ptrdiff_t n) { return i_ -= n, *this; }
    friend IteradorDeLista operator+(IteradorDeLista a, std::ptrdiff_t n) { return a += n; }
    friend IteradorDeLista operator+(std::ptrdiff_t n, IteradorDeLista a) { return a += n; }
    friend IteradorDeLista operator-(IteradorDeLista a, std::ptrdiff_t n) { return a -= n; }
    friend std::ptrdiff_t operator-(const IteradorDeLista& a, const IteradorDeLista& b) {
        return a.i_ - b.i_;
    }
    friend bool operator==(const IteradorDeLista& a, const IteradorDeLista& b) {
        return a.i_ == b.i_;
    }
    friend auto operator<=>(const IteradorDeLista& a, const IteradorDeLista& b) {
        return a.i_ <=> b.i_;
    }

  private:
    Lista* lista_ = nullptr;
    std::ptrdiff_t i_ = 0;
};

// An ordered list that owns its items: Count, indexed access from 0, Add at the end.
//
// The first Bloco items live in one vector; later items go to blocks of Bloco items that
// never move, so a long list grows without copying itself (and without needing twice its
// size for a moment, as one growing vector would).
template <class T> class TList {
  public:
    static constexpr std::size_t Bloco = 4096;

    TList() = default;
    TList(const TList& outra) : primeiro_(outra.primeiro_) {
        if (outra.resto_) resto_ = std::make_unique<Blocos>(*outra.resto_);
    }
    TList& operator=(const TList& outra) {
        if (this != &outra) *this = TList(outra);
        return *this;
    }
    TList(TList&&) noexcept = default;
    TList& operator=(TList&&) noexcept = default;

    int Count() const {
        if (!resto_) return static_cast<int>(primeiro_.size());
        return static_cast<int>(Bloco * resto_->size() + resto_->back().size());
    }
    const T& operator[](int i) const {
        auto j = static_cast<std::size_t>(i);
        if (j < Bloco) return primeiro_[j];
        j -= Bloco;
        return (*resto_)[j / Bloco][j % Bloco];
    }
    T& operator[](int i) { return const_cast<T&>(std::as_const(*this)[i]); }

    void Add(T item) {
        if (primeiro_.size() < Bloco) {
            primeiro_.push_back(std::move(item));
            return;
        }
        if (!resto_ || resto_->back().size() == Bloco) NovoBloco();
        resto_->back().push_back(std::move(item));
    }

    // Gives back the room a short list grew into but does not use.
    void Ajusta() {
        if (!resto_) primeiro_.shrink_to_fit();
    }

    using iterator = IteradorDeLista<TList, T>;
    using const_iterator = IteradorDeLista<const TList, const T>;

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, Count()}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, Count()}; }

  private:
    // Adds an empty block with room for Bloco items. When memory runs out the list stays as
    // it was: the block is made before anything of the list changes.
    void NovoBloco() {
        std::vector<T> bloco;
        bloco.reserve(Bloco);
        if (resto_) {
            resto_->push_back(std::move(bloco));
            return;
        }
        auto resto = std::make_unique<Blocos>();
        resto->push_back(std::move(bloco));
        resto_ = std::move(resto);
    }

    // The blocks after the first are held apart, so that a short list costs one pointer
    // more than a plain vector.
    using Blocos = std::vector<std::vector<T>>;
    std::vector<T> primeiro_;
    std::unique_ptr<Blocos> resto_;
};

// A TList for lists that are nearly always short, such as the corners of a face: the first
// N items live inside the object, so a list of up to N items costs no allocation of its
// own; items beyond N go to the heap.
template <class T, std::size_t N> class TListCurta {
    static_assert(std::is_default_constructible_v<T>);

  public:
    TListCurta() = default;
    TListCurta(const TListCurta& outra) : dentro_(outra.dentro_), contagem_(outra.contagem_) {
        if (outra.fora_) fora_ = std::make_unique<std::vector<T>>(*outra.fora_);
    }
    TListCurta& operator=(const TListCurta& outra) {
        if (this != &outra) *this = TListCurta(outra);
        return *this;
    }
    TListCurta(TListCurta&&) noexcept = default;
    TListCurta& operator=(TListCurta&&) noexcept = default;

    int Count() const { return static_cast<int>(contagem_); }
    const T& operator[](int i) const {
        const auto j = static_cast<std::size_t>(i);
        return j < N ? dentro_[j] : (*fora_)[j - N];
    }
    T& operator[](int i) { return const_cast<T&>(std::as_const(*this)[i]); }

    void Add(T item) {
        if (contagem_ < N) {
            dentro_[contagem_] = std::move(item);
        } else {
            if (!fora_) fora_ = std::make_unique<std::vector<T>>();
            fora_->push_back(std::move(item));
        }
        ++contagem_;
    }

    using iterator = IteradorDeLista<TListCurta, T>;
    using const_iterator = IteradorDeLista<const TListCurta, const T>;

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, Count()}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, Count()}; }

  private:
    std::array<T, N> dentro_{};
    std::uint32_t contagem_ = 0;
    std::unique_ptr<std::vector<T>> fora_;
};
