#include "Ajuda.h"
#include "UExibe.h"

#include <cmath>

using namespace glteste;

namespace {

using PolyLines = DesenhoGL;

// A capture's primitives as "xyz-xyz ", one digit per whole coordinate ('?' for any other).
std::string Tracos(const std::vector<PrimitivaCapturada>& captura) {
    std::string texto;
    for (const auto& p : captura) {
        for (const auto& v : p.vertices) {
            for (const float c : {v.x, v.y, v.z}) {
                const long d = std::lround(c);
                texto += std::abs(c - d) < 2e-3 && d >= 0 && d <= 9 ? '0' + d : '?';
            }
            texto += '-';
        }
        texto.back() = ' ';
    }
    return texto;
}

// The unit square's corners counter-clockwise as vertices 1 to 4; vertex 5 has no point.
TPolyLine Quadrado(std::initializer_list<TFace> faces, std::int32_t flags = 64) {
    return Malha({P(0, 0, 0), P(1, 0, 0), P(1, 1, 0), P(0, 1, 0), std::nullopt}, faces, flags);
}

// A polygon mesh of M x N with these many vertices, vertex (i, j) at (j, i, 0).
TPolyLine Grade(std::int32_t flags, int m, int n, int vertices) {
    TPolyLine malha = Malha({}, {}, flags);
    std::tie(malha.ContM, malha.ContN) = std::pair(m, n);
    for (int k = 0; k < vertices; ++k)
        malha.Vertices.Add(TVertice{{}, P(k % n, k / n, 0)});
    return malha;
}

// Polyface meshes are triangles: a negative number names the same vertex; a four-vertex record
// adds the other half with the same winding; a record naming no vertex with a point is skipped
// (a fourth number naming none drops only the second half). Other polylines are lines through
// their vertices (closed in M, in N or both), drawn only when asked for, and a polygon mesh
// whose vertices are not M x N is nothing. All in the current colour.
TEST_F(PolyLines, MalhasViramTriangulosEOutrasLinhasQuandoPedidas) {
    const auto r = Registro(1, 2, 3);
    const auto a = P(0, 0, 0), b = P(4, 0, 0), c = P(4, 3, 5), d = P(0, 3, 0);
    // The list; what it draws by default; what it draws with every polyline (null: the same).
    const std::tuple<TList<TPolyLine>, const char*, const char*> casos[] = {
        {Lista({Quadrado({Registro(1, -2, 3)})}), "000-100-110 ", nullptr},
        {Lista({Quadrado({Registro(1, 2, -3, -4)})}), "000-100-110 000-110-010 ", nullptr},
        {Lista({Quadrado({Registro(0, 1, 2), Registro(1, 2, 6), Registro(1, 2, 5),
                          Registro(INT32_MIN, 1, 2), Registro(1, 2, 3, 9)})}),
         "000-100-110 ", nullptr},
        {Lista({Quadrado({r}, 0), Quadrado({r}, 8), Quadrado({r}, -64), Quadrado({r}, 64 | 8),
                Quadrado({r}, 256)}),
         "000-100-110 000-100-110 ",
         "000-100 100-110 110-010 000-100 100-110 110-010 000-100 100-110 110-010 "
         "000-100-110 000-100-110 "},
        {Lista({Malha({a, b, c}, {}, 0)}), "", "000-400 400-435 "},
        {Lista({Malha({a, b, c}, {}, 8 | 1)}), "", "000-400 400-435 435-000 "},
        {Lista({Malha({a, b, c}, {}, -1)}), "", "000-400 400-435 "},
        {Lista({Malha({a, b}, {}, 1)}), "", "000-400 "},
        {Lista({Malha({a, std::nullopt, c, d}, {}, 1)}), "", "435-030 030-000 "},
        {Lista({Grade(16 | 32, 2, 3, 6)}), "",
         "000-100 100-200 200-000 010-110 110-210 210-010 000-010 100-110 200-210 "},
        {Lista({Grade(16 | 1, 3, 2, 6)}), "",
         "000-100 010-110 020-120 000-010 010-020 020-000 100-110 110-120 120-100 "},
        {Lista({Grade(16, 2, 2, 5)}), "", ""}};
    for (const auto& [lista, padrao, comTodas] : casos) {
        glColor3f(0, 0, 1);
        const auto soMalhas = Captura([&] { ExibePolyLines(lista); });
        const auto todas = Captura([&] { ExibePolyLines(lista, TPolilinhas::Todas); });
        EXPECT_EQ(Tracos(soMalhas), padrao);
        EXPECT_EQ(Tracos(todas), comTodas ? comTodas : padrao);
        for (const auto& p : todas)
            EsperaCor(p.vertices[0], 0, 0, 1);
    }
}

} // namespace
