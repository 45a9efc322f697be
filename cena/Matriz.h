#pragma once

// Affine placements in double precision: a 3x4 matrix takes a block's coordinates into the
// world (linear part in the first three columns, translation in the fourth).

#include "Curvas.h"

#include <algorithm>
#include <cmath>

struct TMatriz {
    double M[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    TP3 Ponto(const TP3& p) const {
        TP3 r;
        for (int i = 0; i < 3; ++i)
            r[i] = M[i][0] * p[0] + M[i][1] * p[1] + M[i][2] * p[2] + M[i][3];
        return r;
    }
    TP3 Direcao(const TP3& v) const {
        TP3 r;
        for (int i = 0; i < 3; ++i)
            r[i] = M[i][0] * v[0] + M[i][1] * v[1] + M[i][2] * v[2];
        return r;
    }
    // This placement after `b` (first b, then this).
    TMatriz operator*(const TMatriz& b) const {
        TMatriz r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) {
                double s = M[i][0] * b.M[0][j] + M[i][1] * b.M[1][j] + M[i][2] * b.M[2][j];
                if (j == 3) s += M[i][3];
                r.M[i][j] = s;
            }
        return r;
    }
    // The largest factor by which lengths grow (at least the longest column).
    double EscalaMaxima() const {
        double e = 0;
        for (int j = 0; j < 3; ++j)
            e = std::max(e, M[0][j] * M[0][j] + M[1][j] * M[1][j] + M[2][j] * M[2][j]);
        e = std::sqrt(e);
        if (!std::isfinite(e)) { // the squares overflowed: measured again without them
            e = 0;
            for (int j = 0; j < 3; ++j)
                e = std::max(e, std::hypot(M[0][j], M[1][j], M[2][j]));
        }
        return e;
    }
    static TMatriz Colunas(const TP3& x, const TP3& y, const TP3& z, const TP3& t) {
        TMatriz r;
        for (int i = 0; i < 3; ++i) {
            r.M[i][0] = x[i];
            r.M[i][1] = y[i];
            r.M[i][2] = z[i];
            r.M[i][3] = t[i];
        }
        return r;
    }
};

inline TP3 Soma3(const TP3& a, const TP3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline TP3 Menos3(const TP3& a, const TP3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline TP3 Vezes3(const TP3& a, double k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
inline TP3 Vetorial3(const TP3& a, const TP3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline double Norma3(const TP3& a) {
    return std::hypot(a[0], a[1], a[2]);
}
inline bool Finito3(const TP3& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}
