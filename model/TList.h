#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// An ordered list that owns its items: Count, indexed access from 0, Add at the end.
template <class T> class TList {
  public:
    int Count() const { return static_cast<int>(itens_.size()); }
    T& operator[](int i) { return itens_[static_cast<std::size_t>(i)]; }
    const T& operator[](int i) const { return itens_[static_cast<std::size_t>(i)]; }
    void Add(T item) { itens_.push_back(std::move(item)); }

    auto begin() { return itens_.begin(); }
    auto end() { return itens_.end(); }
    auto begin() const { return itens_.begin(); }
    auto end() const { return itens_.end(); }

  private:
    std::vector<T> itens_;
};
