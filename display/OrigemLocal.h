#pragma once

// Drawings far from the origin (map and survey coordinates, with eastings of hundreds of
// thousands and northings of millions) would lose their shape as 32-bit floats, which step
// by up to a unit there. The drawing routines therefore send every coordinate relative to a
// local origin held in double precision, and the paint folds that origin into the camera's
// place and the drawing's turn. (0, 0, 0) means no local origin: coordinates go out as
// they are, exactly as before.

#include <array>

using TOrigemLocal = std::array<double, 3>;

namespace detalhe {
inline TOrigemLocal origemLocal{};
}

// The origin the drawing routines subtract from the model's coordinates.
inline const TOrigemLocal& OrigemLocal() {
    return detalhe::origemLocal;
}

// Sets the local origin for its lifetime and puts the previous one back.
class UsaOrigemLocal {
  public:
    explicit UsaOrigemLocal(const TOrigemLocal& origem) : anterior_(detalhe::origemLocal) {
        detalhe::origemLocal = origem;
    }
    ~UsaOrigemLocal() { detalhe::origemLocal = anterior_; }
    UsaOrigemLocal(const UsaOrigemLocal&) = delete;
    UsaOrigemLocal& operator=(const UsaOrigemLocal&) = delete;

  private:
    TOrigemLocal anterior_;
};
