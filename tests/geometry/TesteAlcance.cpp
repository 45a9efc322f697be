#include "Alcance.h"
#include "CantosDaSonda.h"
#include "Ponto.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <random>

namespace {

TList<TFace3D> Faces(std::initializer_list<TPonto3D> cantos) {
    TFace3D face;
    for (const auto& c : cantos)
        face.Pontos.Add(c);
    TList<TFace3D> faces;
    faces.Add(face);
    return faces;
}

// Whether the probe, given these faces placed by M, would mark a crossing of the line
// through S and E: its own steps, face by face.
bool SondaMarcaAlgo(const TList<TFace3D>& faces, const MatrizGL& m, const TPonto3D& S,
                    const TPonto3D& E) {
    TPonto3D direcao, v[4], normal, cruzamento;
    Diferenca(E, S, direcao);
    for (const TFace3D& face : faces) {
        for (int k = 0; k < 4; ++k) {
            v[k] = CantoDaSonda(face, k);
            TransformaPonto(m, v[k]);
        }
        NormalDaFace(v[0], v[1], v[2], normal);
        if (ProdutoEscalar(direcao, normal) == 0) continue;
        IntersecaoRetaPlano(S, E, v[0], v[1], v[2], cruzamento);
        if (PontoDentroDaFace(cruzamento, v[0], v[1], v[2], v[3])) return true;
    }
    return false;
}

// Random blocks of faces of every shape (flat, warped, crossed over, three-cornered), random
// matrices, random lines near and through their reach: whenever the bound lets the probe
// pass over a block, the probe's own steps find no crossing in it.
TEST(Alcance, NuncaDeixaDeForaUmaFaceQueASondaMarcaria) {
    std::mt19937_64 sorteio(5);
    std::uniform_real_distribution<double> u(-1, 1);
    int passouPorCima = 0, marcou = 0;
    for (int bloco = 0; bloco < 3000; ++bloco) {
        TList<TFace3D> faces;
        const double tamanho = std::pow(10.0, 3 * u(sorteio));
        for (int f = 0; f < 4; ++f) {
            TFace3D face;
            const double cx = 3 * tamanho * u(sorteio), cy = 3 * tamanho * u(sorteio);
            const int cantos = f == 3 ? 3 : 4;
            for (int k = 0; k < cantos; ++k) {
                const double a = std::numbers::pi / 2 * k + 0.3 * u(sorteio);
                face.Pontos.Add(Ponto(cx + tamanho * std::cos(a), cy + tamanho * std::sin(a),
                                      f == 1 ? tamanho * u(sorteio) : 0.0));
            }
            if (f == 2) std::swap(face.Pontos[1], face.Pontos[2]); // crossed over
            faces.Add(face);
        }
        const TAlcance alcance = AlcanceDasFaces(faces);

        // Any linear part (turned, scaled, sheared, flattened) of size about esc, and a move.
        const double esc = std::pow(10.0, u(sorteio));
        MatrizGL m{};
        for (int k = 0; k < 15; ++k)
            m[k] = static_cast<float>(k % 4 == 3 ? 0 : (k < 12 ? esc : 100) * u(sorteio));
        m[15] = 1;

        for (int linha = 0; linha < 10; ++linha) {
            // A line passing the placed centre at a random fraction of the placed reach.
            TPonto3D c = Ponto(alcance.centro[0], alcance.centro[1], alcance.centro[2]), w;
            TransformaPonto(m, c);
            const TPonto3D d = Ponto(u(sorteio), u(sorteio), u(sorteio));
            NormalDaFace(Ponto(0, 0, 0), Ponto(u(sorteio), u(sorteio), u(sorteio)), d, w);
            const long double escala = alcance.raio * esc * 2.5 * (1 + u(sorteio)) / 2 /
                                       static_cast<long double>(Comprimento(w));
            const TPonto3D S = Ponto(c.X + w.X * escala - 40 * d.X, c.Y + w.Y * escala - 40 * d.Y,
                                     c.Z + w.Z * escala - 40 * d.Z);
            const TPonto3D E = Ponto(S.X + 50 * d.X, S.Y + 50 * d.Y, S.Z + 50 * d.Z);

            const bool marca = SondaMarcaAlgo(faces, m, S, E);
            marcou += marca;
            if (LinhaPodeAlcancar(S, E, m, alcance)) continue;
            ++passouPorCima;
            ASSERT_FALSE(marca) << "block " << bloco << ", line " << linha;
        }
    }
    // The random lines both hit faces and let the bound pass over blocks, often.
    EXPECT_GT(marcou, 500);
    EXPECT_GT(passouPorCima, 5000);
}

// A line of no length, or a matrix that is not finite, keeps the faces in. About 10^7 from
// the origin a float's step is 1: the corners of a face 0.02 wide round to a face 1 wide, which
// the probe crosses well outside the faces' own reach.
TEST(Alcance, SoLinhaLongeDasFacesPassaPorCima) {
    const TAlcance quadrado = AlcanceDasFaces(
        Faces({Ponto(-1, -1, 0), Ponto(1, -1, 0), Ponto(1, 1, 0), Ponto(-1, 1, 0)}));
    const double g = 1e7;
    const auto minusculas = Faces({Ponto(g + 0.49, g + 0.49, 0), Ponto(g + 0.51, g + 0.49, 0),
                                   Ponto(g + 0.51, g + 0.51, 0), Ponto(g + 0.49, g + 0.51, 0)});
    const MatrizGL identidade{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    MatrizGL longe = identidade, indefinida = identidade;
    longe[12] = 100;
    indefinida[13] = std::numeric_limits<float>::quiet_NaN();
    const TPonto3D S = Ponto(0.5, 0.5, 40), E = Ponto(0.5, 0.5, -10);
    const TPonto3D Sg = Ponto(g + 0.9, g + 0.9, 40), Eg = Ponto(g + 0.9, g + 0.9, -10);
    ASSERT_TRUE(SondaMarcaAlgo(minusculas, identidade, Sg, Eg));
    struct Caso {
        TAlcance alcance;
        MatrizGL m;
        TPonto3D s, e;
        bool alcanca;
    } casos[] = {
        {quadrado, identidade, S, E, true},
        {quadrado, longe, S, E, false},
        {quadrado, longe, S, S, true},
        {quadrado, indefinida, S, E, true},
        {AlcanceDasFaces(minusculas), identidade, Sg, Eg, true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LinhaPodeAlcancar(c.s, c.e, c.m, c.alcance), c.alcanca) << &c - casos;
}

} // namespace
