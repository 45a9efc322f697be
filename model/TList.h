#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

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
        if (!resto_) resto_ = std::make_unique<Blocos>();
        if (resto_->empty() || resto_->back().size() == Bloco) {
            resto_->emplace_back();
            resto_->back().reserve(Bloco);
        }
        resto_->back().push_back(std::move(item));
    }

    // Gives back the room a short list grew into but does not use.
    void Ajusta() {
        if (!resto_) primeiro_.shrink_to_fit();
    }

    // Room for n items before the first growth (for lists whose size is known, like the
    // corners of a face).
    void Reserva(int n) {
        primeiro_.reserve(std::min(static_cast<std::size_t>(std::max(n, 0)), Bloco));
    }

    template <class Lista, class Valor> class Iterador {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Valor*;
        using reference = Valor&;

        Iterador() = default;
        Iterador(Lista* lista, std::ptrdiff_t i) : lista_(lista), i_(i) {}
        Valor& operator*() const { return (*lista_)[static_cast<int>(i_)]; }
        Valor* operator->() const { return &**this; }
        Valor& operator[](std::ptrdiff_t n) const { return *(*this + n); }
        Iterador& operator++() { return ++i_, *this; }
        Iterador operator++(int) { return {lista_, i_++}; }
        Iterador& operator--() { return --i_, *this; }
        Iterador operator--(int) { return {lista_, i_--}; }
        Iterador& operator+=(std::ptrdiff_t n) { return i_ += n, *this; }
        Iterador& operator-=(std::ptrdiff_t n) { return i_ -= n, *this; }
        friend Iterador operator+(Iterador a, std::ptrdiff_t n) { return a += n; }
        friend Iterador operator+(std::ptrdiff_t n, Iterador a) { return a += n; }
        friend Iterador operator-(Iterador a, std::ptrdiff_t n) { return a -= n; }
        friend std::ptrdiff_t operator-(const Iterador& a, const Iterador& b) {
            return a.i_ - b.i_;
        }
        friend bool operator==(const Iterador& a, const Iterador& b) { return a.i_ == b.i_; }
        friend auto operator<=>(const Iterador& a, const Iterador& b) { return a.i_ <=> b.i_; }

      private:
        Lista* lista_ = nullptr;
        std::ptrdiff_t i_ = 0;
    };
    using iterator = Iterador<TList, T>;
    using const_iterator = Iterador<const TList, const T>;

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, Count()}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, Count()}; }

  private:
    // The blocks after the first are held apart, so that a short list costs one pointer
    // more than a plain vector.
    using Blocos = std::vector<std::vector<T>>;
    std::vector<T> primeiro_;
    std::unique_ptr<Blocos> resto_;
};
