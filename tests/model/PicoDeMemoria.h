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
