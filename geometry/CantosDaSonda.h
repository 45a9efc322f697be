#pragma once

// The corners of a 3D face as the selection probe and its reach bound read them: four, the
// last one repeated when the face has only three; a face of fewer corners is left out.

#include "Entidades.h"

#include <algorithm>

inline bool FaceTemCantos(const TFace3D& face) {
    return face.Pontos.Count() >= 3;
}

// Corner k (0 to 3) of a face for which FaceTemCantos holds.
inline const TPonto3D& CantoDaSonda(const TFace3D& face, int k) {
    return face.Pontos[std::min(k, face.Pontos.Count() - 1)];
}
