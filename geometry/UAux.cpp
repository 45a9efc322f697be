#include "UAux.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double UmSobrePi = 0.31830988618379067157L;

// A value for a Real, or NaN when it lies beyond the range of Real (or is not finite).
Real RealOuNaN(long double v) {
    if (!(std::fabs(v) <= Real::Maior)) return std::numeric_limits<double>::quiet_NaN();
    return v;
}

// The angle in degrees whose cosine is c, with c clamped to [-1, 1] so that a cosine that
// rounding carried just beyond gives 0 or 180 instead of NaN.
Real AnguloEmGraus(Real c) {
    long double x = std::clamp<long double>(c, -1.0L, 1.0L);
    return std::atan2(std::sqrt(1.0L - x * x), x) * 180.0L * UmSobrePi;
}

} // namespace

void DefinePonto(TPonto3D& P, Real X, Real Y, Real Z) {
    P.X = X;
    P.Y = Y;
    P.Z = Z;
}

void TransformaPonto(MatrizGL M, TPonto3D& P) {
    const long double x = P.X, y = P.Y, z = P.Z;
    float linha[3];
    for (int r = 0; r < 3; ++r)
        linha[r] = static_cast<float>(((x * M[r] + y * M[4 + r]) + z * M[8 + r]) + M[12 + r]);
    DefinePonto(P, linha[0], linha[1], linha[2]);
}

void Diferenca(const TPonto3D& A, const TPonto3D& B, TPonto3D& R) {
    R.X = A.X - B.X;
    R.Y = A.Y - B.Y;
    R.Z = A.Z - B.Z;
}

Real ProdutoEscalar(const TPonto3D& A, const TPonto3D& B) {
    return (A.X * B.X + A.Y * B.Y) + A.Z * B.Z;
}

Real Comprimento(const TPonto3D& A) {
    const long double s = (A.X * A.X + A.Y * A.Y) + A.Z * A.Z;
    return std::pow(s, 0.5L);
}

std::array<double, 3> VetorNormalDaFace(const TPonto3D& A, const TPonto3D& B, const TPonto3D& C) {
    // U = A - B and V = A - C, each coordinate held as its Real value.
    const auto real = [](long double v) { return Real::Arredonda(v); };
    const long double ux = real(A.X - B.X), uy = real(A.Y - B.Y), uz = real(A.Z - B.Z);
    const long double vx = real(A.X - C.X), vy = real(A.Y - C.Y), vz = real(A.Z - C.Z);
    return {real(uz * vy - uy * vz), real(ux * vz - uz * vx), real(uy * vx - ux * vy)};
}

void NormalDaFace(const TPonto3D& A, const TPonto3D& B, const TPonto3D& C, TPonto3D& N) {
    const auto n = VetorNormalDaFace(A, B, C);
    DefinePonto(N, n[0], n[1], n[2]);
}

void IntersecaoRetaPlano(const TPonto3D& P1, const TPonto3D& P2, const TPonto3D& Q0,
                         const TPonto3D& Q1, const TPonto3D& Q2, TPonto3D& R) {
    TPonto3D N;
    NormalDaFace(Q0, Q1, Q2, N);
    const Real nx = N.X, ny = N.Y, nz = N.Z;
    const Real numerador =
        RealOuNaN(-nx * P1.X + nx * Q0.X - ny * P1.Y + ny * Q0.Y - nz * P1.Z + nz * Q0.Z);
    const Real denominador =
        RealOuNaN(nx * P2.X - nx * P1.X + ny * P2.Y - ny * P1.Y + nz * P2.Z - nz * P1.Z);
    const Real t = RealOuNaN(numerador / static_cast<long double>(denominador));
    R.X = RealOuNaN(P1.X + t * (P2.X - P1.X));
    R.Y = RealOuNaN(P1.Y + t * (P2.Y - P1.Y));
    R.Z = RealOuNaN(P1.Z + t * (P2.Z - P1.Z));
}

bool PontoDentroDaFace(const TPonto3D& P, const TPonto3D& V0, const TPonto3D& V1,
                       const TPonto3D& V2, const TPonto3D& V3) {
    TPonto3D D[4];
    Diferenca(P, V0, D[0]);
    Diferenca(P, V1, D[1]);
    Diferenca(P, V2, D[2]);
    Diferenca(P, V3, D[3]);

    Real comprimento[4];
    for (int k = 0; k < 4; ++k) {
        comprimento[k] = Comprimento(D[k]);
        if (comprimento[k] == 0) return true; // P is on a corner
    }

    long double soma = 0;
    for (int k = 0; k < 4; ++k) {
        const TPonto3D& A = D[k];
        const TPonto3D& B = D[(k + 1) % 4];
        const long double produto =
            comprimento[k] * static_cast<long double>(comprimento[(k + 1) % 4]);
        const Real cosseno = ((A.X * B.X + A.Y * B.Y) + A.Z * B.Z) / produto;
        soma += AnguloEmGraus(cosseno);
    }
    const Real total = soma;
    return total >= 360.0L; // false for NaN
}
