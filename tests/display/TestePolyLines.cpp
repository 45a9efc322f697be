#include "Ajuda.h"
#include "UExibe.h"

#include <cmath>

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

// A capture's segments as "xyz-xyz ", one digit per coordinate.
std::string Tracos(const std::vector<PrimitivaCapturada>& captura) {
    std::string texto;
    for (const auto& p : captura) {
        for (const auto& v : p.vertices) {
            for (const float c : {v.x, v.y, v.z})
                texto += static_cast<char>('0' + std::lround(c));
            texto += '-';
        }
        texto.back() = ' ';
    }
    return texto;
}

// A polygon mesh of M x N with these many vertices, vertex (i, j) at (j, i, 0).
TPolyLine Grade(std::int32_t flags, int m, int n, int vertices) {
    TPolyLine malha = ::Malha({}, {}, flags);
    std::tie(malha.ContM, malha.ContN) = std::pair(m, n);
    for (int k = 0; k < vertices; ++k)
        malha.Vertices.Add(TVertice{{}, P(k % n, k / n, 0)});
    return malha;
}

TEST_F(PolyLines, OutrasPolilinhasSaoLinhasPelosVerticesQuandoPedidas) {
    const auto a = P(0, 0, 0), b = P(4, 0, 0), c = P(4, 3, 5), d = P(0, 3, 0);
    const std::pair<TPolyLine, const char*> casos[] = {
        {::Malha({a, b, c}, {}, 0), "000-400 400-435 "},
        {::Malha({a, b, c}, {}, 8 | 1), "000-400 400-435 435-000 "},
        {::Malha({a, b, c}, {}, -1), "000-400 400-435 "},
        {::Malha({a, b}, {}, 1), "000-400 "},
        {::Malha({a, std::nullopt, c, d}, {}, 1), "435-030 030-000 "},
        {Grade(16 | 32, 2, 3, 6), "000-100 100-200 200-000 010-110 110-210 210-010 "
                                  "000-010 100-110 200-210 "},
        {Grade(16 | 1, 3, 2, 6), "000-100 010-110 020-120 000-010 010-020 020-000 "
                                 "100-110 110-120 120-100 "},
        {Grade(16, 2, 2, 5), ""}};
    glColor3f(0, 0, 1);
    for (const auto& [polilinha, tracos] : casos) {
        const auto lista = Lista({polilinha});
        const auto captura = Captura([&] { ExibePolyLines(lista, TPolilinhas::Todas); });
        EXPECT_EQ(Tracos(captura), tracos);
        if (!captura.empty()) EsperaCor(captura[0].vertices[0], 0, 0, 1); // no colour of its own
        EXPECT_TRUE(Captura([&] { ExibePolyLines(lista); }).empty()) << tracos;
    }
}

} // namespace
