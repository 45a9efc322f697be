#include "TesteGL.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using PolyLines = TesteGL;

// The corners of the unit square counter-clockwise as vertices 1 to 4; vertex 5 has no point.
TPolyLine Malha(std::initializer_list<TFace> faces, std::int32_t flags = 64) {
    return ::Malha({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0), std::nullopt}, faces, flags);
}

// Twice the signed area of a captured triangle seen from +Z.
float AreaComSinal(const PrimitivaCapturada& t) {
    const auto& v = t.vertices;
    return (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y);
}

TEST_F(PolyLines, NumeroNegativoNomeiaOMesmoVertice) {
    glColor3f(0, 0, 1);
    const auto captura = Captura([] { ExibePolyLines(Lista({Malha({Registro(1, -2, 3)})})); });
    ASSERT_EQ(captura.size(), 1u);
    EsperaVertices(captura[0], {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    EsperaCor(captura[0].vertices[0], 0, 0, 1); // no colour of its own
}

TEST_F(PolyLines, RegistroDeQuatroVerticesDesenhaOsDoisTriangulos) {
    const auto captura = Captura([] { ExibePolyLines(Lista({Malha({Registro(1, 2, -3, -4)})})); });
    ASSERT_EQ(captura.size(), 2u);
    EsperaVertices(captura[1], {{0, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    EXPECT_GT(AreaComSinal(captura[0]), 0);
    EXPECT_GT(AreaComSinal(captura[1]), 0);
}

TEST_F(PolyLines, RegistroQueNaoNomeiaVerticeEhPulado) {
    const auto malha = Malha({Registro(0, 1, 2), Registro(1, 2, 6), Registro(1, 2, 5),
                              Registro(INT32_MIN, 1, 2), Registro(1, 2, 3, 9)});
    const auto captura = Captura([&] { ExibePolyLines(Lista({malha})); });
    ASSERT_EQ(captura.size(), 1u); // only the first half of the last record
    EsperaVertice(captura[0].vertices[2], 1, 1, 0);
}

TEST_F(PolyLines, SoMalhasPolifaceSaoDesenhadas) {
    const auto face = Registro(1, 2, 3);
    const auto captura = Captura([&] {
        ExibePolyLines(Lista({Malha({face}, 0), Malha({face}, 8), Malha({face}, -64),
                              Malha({face}, 64 | 8), Malha({face}, 256)}));
    });
    EXPECT_EQ(captura.size(), 2u);
}

} // namespace
