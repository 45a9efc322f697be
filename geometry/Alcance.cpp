#include "Alcance.h"
#include "CantosDaSonda.h"

#include <algorithm>
#include <cmath>

namespace {

using Vetor = std::array<double, 3>;

Vetor Menos(const Vetor& a, const Vetor& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
double Norma(const Vetor& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}
Vetor Vetorial(const Vetor& a, const Vetor& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vetor ComoVetor(const TPonto3D& p) {
    return {p.X.ComoDouble(), p.Y.ComoDouble(), p.Z.ComoDouble()};
}

std::array<Vetor, 4> Cantos(const TFace3D& face) {
    std::array<Vetor, 4> v;
    for (int k = 0; k < 4; ++k)
        v[k] = ComoVetor(CantoDaSonda(face, k));
    return v;
}

// A slack far beyond the relative rounding of the probe's arithmetic (float corners, 40-bit
// reals), and far below what keeps the bound useful.
constexpr double Folga = 1e-6;

// The box of the corners and the longest perimeter, grown face by face.
struct TAcumulaAlcance {
    Vetor minimo{HUGE_VAL, HUGE_VAL, HUGE_VAL}, maximo{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    double maiorPerimetro = 0;

    void Inclui(const std::array<Vetor, 4>& v) {
        double perimetro = 0;
        for (int k = 0; k < 4; ++k) {
            perimetro += Norma(Menos(v[(k + 1) % 4], v[k]));
            for (int i = 0; i < 3; ++i) {
                minimo[i] = std::min(minimo[i], v[k][i]);
                maximo[i] = std::max(maximo[i], v[k][i]);
            }
        }
        maiorPerimetro = std::max(maiorPerimetro, perimetro);
    }

    TAlcance Alcance() const {
        TAlcance alcance;
        if (minimo[0] > maximo[0]) return alcance; // no face: nothing to reach but the origin
        for (int i = 0; i < 3; ++i)
            alcance.centro[i] = (minimo[i] + maximo[i]) / 2;
        alcance.raio = Norma(Menos(maximo, alcance.centro)) + maiorPerimetro / 4;
        return alcance;
    }
};

} // namespace

TAlcance AlcanceDasFaces(const TList<TFace3D>& faces) {
    TAcumulaAlcance acumula;
    for (const TFace3D& face : faces)
        if (FaceTemCantos(face)) acumula.Inclui(Cantos(face));
    return acumula.Alcance();
}

TAlcance AlcanceDoTriangulo(const std::array<float, 9>& t) {
    TAcumulaAlcance acumula;
    const Vetor a{t[0], t[1], t[2]}, b{t[3], t[4], t[5]}, c{t[6], t[7], t[8]};
    acumula.Inclui({a, b, c, c});
    return acumula.Alcance();
}

bool LinhaPodeAlcancar(const TPonto3D& S, const TPonto3D& E, const MatrizGL& M,
                       const TAlcance& alcance) {
    const Vetor s = ComoVetor(S), direcao = Menos(ComoVetor(E), s);
    const double comprimento = Norma(direcao);
    if (!(comprimento > 0)) return true;
    // The ball placed by M: its centre moved, its radius grown by at most the Frobenius
    // norm of M's linear part.
    const Vetor& c = alcance.centro;
    Vetor centro;
    double escala2 = 0;
    for (int r = 0; r < 3; ++r) {
        centro[r] = c[0] * M[r] + c[1] * M[4 + r] + c[2] * M[8 + r] + M[12 + r];
        for (int col = 0; col < 3; ++col)
            escala2 += double(M[4 * col + r]) * M[4 * col + r];
    }
    const double raio = std::sqrt(escala2) * alcance.raio;
    const double distancia = Norma(Vetorial(Menos(centro, s), direcao)) / comprimento;
    const double margem =
        Folga * (Norma(centro) + Norma(s) + comprimento + raio) + raio * Folga * 1e4;
    // Written so that a NaN anywhere keeps the faces in.
    return !(distancia > raio + margem);
}
