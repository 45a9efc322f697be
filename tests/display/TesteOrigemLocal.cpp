// Sent relative to a local origin, a drawing far from the world's origin reaches OpenGL as
// the same drawing lying near it: every entity kind, the insertions' places and the probe's
// markers.

#include "OrigemLocal.h"
#include "TesteGL.h"
#include "UExibe.h"

using namespace glteste;

namespace {

// A face, a line, an arc, a circle, a polyface mesh and a plate inserted under the probe,
// all moved by `d`. Fractions of a unit, which floats cannot hold at survey coordinates.
struct Desenho {
    TList<TFace3D> faces;
    TList<TLinha> linhas;
    TList<TArco> arcos;
    TList<TCirculo> circulos;
    TList<TPolyLine> polylines;

    explicit Desenho(const TOrigemLocal& d) {
        const auto p = [&](double x, double y, double z) {
            return P(d[0] + x, d[1] + y, d[2] + z);
        };
        faces.Add(Face({p(0.37, 0.61, 0), p(2.37, 0.61, 0), p(2.37, 1.13, 0.5)}));
        linhas.Add(Linha(p(-1.25, 0.3, 0), p(-0.75, 2.7, 0.1)));
        TArco arco = Arco(0, 0, 0, 1.5, 10, 100);
        arco.Centro = p(3.3, 3.3, 0.2);
        arcos.Add(arco);
        TCirculo circulo;
        circulo.Centro = p(-3.1, -2.9, 0.3);
        circulo.Raio = 0.75;
        circulos.Add(circulo);
        polylines.Add(Malha({p(5.1, 0, 0), p(6.3, 0.4, 0), p(5.5, 1.7, 0.2)}, {Registro(1, 2, 3)}));
        auto placa = Bloco(
            "PLACA", {Face({P(-100, -100, 0), P(100, -100, 0), P(100, 100, 0), P(-100, 100, 0)})});
        TCirculo furo; // in block coordinates: the same wherever the block is inserted
        furo.Centro = P(30, 20, 0);
        furo.Raio = 5;
        placa.CirculosBloco.Add(furo);
        Blocos = Lista({placa});
        Inserts = Lista({Insercao("PLACA", p(0.5, 0.25, -20))});
    }

    std::vector<PrimitivaCapturada> Captura() const {
        return glteste::Captura([this] {
            ExibeFaces3D(faces);
            ExibeLinhas(linhas);
            ExibeArcos(arcos);
            ExibePolyLines(polylines);
            ExibeCirculos(circulos);
            ExibeInserts();
            TestaSelecao(P(4, 3, 40), P(4, 3, -10));
        });
    }
};

using OrigemLocalDoDesenho = TesteGL;

TEST_F(OrigemLocalDoDesenho, DesenhoLongeChegaAoGLComoODesenhoPertoDaOrigem) {
    const auto perto = Desenho({0, 0, 0}).Captura();
    const TOrigemLocal origem{650000, 7300000, 100};
    std::vector<PrimitivaCapturada> longe;
    {
        const UsaOrigemLocal relativo(origem);
        longe = Desenho(origem).Captura();
    }
    EXPECT_EQ(OrigemLocal(), TOrigemLocal{}); // put back

    ASSERT_GT(perto.size(), 50u); // the sphere's many facets among them
    ASSERT_EQ(longe.size(), perto.size());
    for (std::size_t i = 0; i < perto.size(); ++i) {
        ASSERT_EQ(longe[i].vertices.size(), perto[i].vertices.size()) << i;
        for (std::size_t k = 0; k < perto[i].vertices.size(); ++k) {
            const auto& v = perto[i].vertices[k];
            // A Real at 7.3e6 holds steps of 2^-17, the capture a float's precision.
            EXPECT_NEAR(longe[i].vertices[k].x, v.x, 1e-4) << i;
            EXPECT_NEAR(longe[i].vertices[k].y, v.y, 1e-4) << i;
            EXPECT_NEAR(longe[i].vertices[k].z, v.z, 1e-4) << i;
        }
    }
}

} // namespace
