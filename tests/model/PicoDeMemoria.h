#pragma once

#include <cstddef>

// The most memory the program held through operator new since this object was made, above
// what it held then. Counts the whole test program (operator new is replaced in it).
class PicoDeMemoria {
  public:
    PicoDeMemoria();
    std::size_t Crescimento() const;

  private:
    std::size_t base_;
};

// While it lives, operator new fails (std::bad_alloc) where the memory held would grow more
// than `bytes` above what it held when the object was made.
class LimiteDeMemoria {
  public:
    explicit LimiteDeMemoria(std::size_t bytes);
    ~LimiteDeMemoria();
    LimiteDeMemoria(const LimiteDeMemoria&) = delete;
    LimiteDeMemoria& operator=(const LimiteDeMemoria&) = delete;
};
