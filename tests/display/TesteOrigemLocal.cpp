#include "Ajuda.h"
#include "OrigemLocal.h"
#include "UExibe.h"

using namespace glteste;

namespace {

// Every entity kind moved by d, with fractions of a unit that floats cannot hold at survey
// coordinates; a plate inserted under the probe, with a circle of its own.
std::vector<PrimitivaCapturada> CapturaDesenho(const TOrigemLocal& d) {
    const auto p = [&](double x, double y, double z) { return P(d[0] + x, d[1] + y, d[2] + z); };
    const TCirculo circulo{{}, p(-3.1, -2.9, 0.3), 0.75};
    auto placa = Bloco(
        "PLACA", {Face({P(-100, -100, 0), P(100, -100, 0), P(100, 100, 0), P(-100, 100, 0)})});
    placa.Elementos.Circulos = Lista({TCirculo{{}, P(30, 20, 0), 0.75}});
    Blocos = Lista({placa});
    Inserts = Lista({Insercao("PLACA", p(0.5, 0.25, -20))});
    return Captura([&] {
        ExibeFaces3D(Lista({Face({p(0.37, 0.61, 0), p(2.37, 0.61, 0), p(2.37, 1.13, 0.5)})}));
        ExibeLinhas(Lista({TLinha{{}, p(-1.25, 0.3, 0), p(-0.75, 2.7, 0.1)}}));
        ExibeArcos(Lista({TArco{{}, p(3.3, 3.3, 0.2), 1.5, 10, 100}}));
        ExibePolyLines(
            Lista({Malha({p(5.1, 0, 0), p(6.3, 0.4, 0), p(5.5, 1.7, 0.2)}, {Registro(1, 2, 3)})}));
        ExibeCirculos(Lista({circulo}));
        ExibeInserts();
        TestaSelecao(P(4, 3, 40), P(4, 3, -10));
    });
}

using OrigemLocalDoDesenho = DesenhoGL;

// Sent relative to a local origin, the far drawing reaches OpenGL as the same drawing near it:
// the insertions' places too (their blocks in their own coordinates) and the probe's markers.

TEST_F(OrigemLocalDoDesenho, DesenhoLongeChegaAoGLComoODesenhoPertoDaOrigem) {
    const auto perto = CapturaDesenho({0, 0, 0});
    const TOrigemLocal origem{650000, 7300000, 100};
    std::vector<PrimitivaCapturada> longe;
    {
        const UsaOrigemLocal relativo(origem);
        longe = CapturaDesenho(origem);
    }
    EXPECT_EQ(OrigemLocal(), TOrigemLocal{}); // put back
    ASSERT_GT(perto.size(), 50u);             // the marker's many facets among them
    EsperaIgual(longe, perto);                // a Real steps by 2^-17 there
}

} // namespace
