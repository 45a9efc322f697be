#pragma once

// A point of an arc as the drawing sends it: (x + raio * cos a, y + raio * sin a), computed
// in extended precision and rounded to floats, exactly as with the extended cosine and sine.
//
// The extended cosine and sine cost some 200 ns for angles beyond pi / 4; the double ones,
// ten times less, lie within 2^-52 of them. The point is taken from the double ones unless
// that difference could move a coordinate across the halfway point between two floats; only
// then is it computed again with the extended ones.

#include <array>

std::array<float, 2> PontoDoArco(long double x, long double y, long double raio,
                                 long double angulo);
