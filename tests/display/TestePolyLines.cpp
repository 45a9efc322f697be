#include "Ajuda.h"
#include "UExibe.h"

using namespace glteste;

namespace {

using PolyLines = DesenhoGL;

// The corners of the unit square counter-clockwise as vertices 1 to 4; vertex 5 has no point.
TPolyLine Malha(std::initializer_list<TFace> faces, std::int32_t flags = 64) {
    return ::Malha({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0), std::nullopt}, faces, flags);
}

// Only polyface meshes are drawn, in the current colour; a negative number names the same
// vertex; a four-vertex record adds the other half with the same winding; a record naming no
// vertex with a point is skipped (a fourth number naming none drops only the second half).
TEST_F(PolyLines, RegistrosDasMalhasPolifaceViramTriangulos) {
    using Triangulo = std::array<std::array<double, 3>, 3>;
    const Triangulo t123{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}},
        t134{{{0, 0, 0}, {1, 1, 0}, {0, 1, 0}}};
    const auto r = Registro(1, 2, 3);
    const struct {
        TList<TPolyLine> malhas;
        std::vector<Triangulo> triangulos;
    } casos[] = {
        {Lista({Malha({Registro(1, -2, 3)})}), {t123}},
        {Lista({Malha({Registro(1, 2, -3, -4)})}), {t123, t134}},
        {Lista({Malha({Registro(0, 1, 2), Registro(1, 2, 6), Registro(1, 2, 5),
                       Registro(INT32_MIN, 1, 2), Registro(1, 2, 3, 9)})}),
         {t123}},
        {Lista(
             {Malha({r}, 0), Malha({r}, 8), Malha({r}, -64), Malha({r}, 64 | 8), Malha({r}, 256)}),
         {t123, t123}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(&c - casos);
        glColor3f(0, 0, 1);
        const auto captura = Captura([&] { ExibePolyLines(c.malhas); });
        ASSERT_EQ(captura.size(), c.triangulos.size());
        for (std::size_t i = 0; i < captura.size(); ++i) {
            const auto& t = c.triangulos[i];
            EsperaVertices(captura[i], {t[0], t[1], t[2]});
            EsperaCor(captura[i].vertices[0], 0, 0, 1);
        }
    }
}

} // namespace
