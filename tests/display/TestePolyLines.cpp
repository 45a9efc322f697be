#include "TesteGL.h"
#include "UExibe.h"

#include <cmath>

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

// The segments of a capture as "x,y,z-x,y,z" joined by spaces, with whole coordinates.
std::string Tracos(const std::vector<PrimitivaCapturada>& captura) {
    std::string texto;
    for (const auto& p : captura) {
        texto += texto.empty() ? "" : " ";
        for (const auto& v : p.vertices)
            texto += (&v == &p.vertices[0] ? "" : "-") + std::to_string(std::lround(v.x)) + "," +
                     std::to_string(std::lround(v.y)) + "," + std::to_string(std::lround(v.z));
    }
    return texto;
}

// A polyline that is no polyface mesh; a mesh of M x N vertices at (j, i, 0) for vertex
// (i, j) unless the vertices are given.
TPolyLine Polilinha(std::int32_t flags, std::initializer_list<std::optional<TPonto3D>> pontos) {
    return ::Malha(pontos, {}, flags);
}
TPolyLine Grade(std::int32_t flags, int m, int n, int vertices) {
    TPolyLine malha = Polilinha(flags, {});
    malha.ContM = m;
    malha.ContN = n;
    for (int k = 0; k < vertices; ++k)
        malha.Vertices.Add(TVertice{{}, P(k % n, k / n, 0)});
    return malha;
}

TEST_F(PolyLines, OutrasPolilinhasSaoLinhasPelosVerticesQuandoPedidas) {
    const auto a = P(0, 0, 0), b = P(4, 0, 0), c = P(4, 3, 5), d = P(0, 3, 0);
    const std::pair<TPolyLine, const char*> casos[] = {
        {Polilinha(0, {a, b, c}), "0,0,0-4,0,0 4,0,0-4,3,5"},
        {Polilinha(8 | 1, {a, b, c}), "0,0,0-4,0,0 4,0,0-4,3,5 4,3,5-0,0,0"},
        {Polilinha(-1, {a, b, c}), "0,0,0-4,0,0 4,0,0-4,3,5"},
        {Polilinha(1, {a, b}), "0,0,0-4,0,0"},
        {Polilinha(1, {a, std::nullopt, c, d}), "4,3,5-0,3,0 0,3,0-0,0,0"},
        {Grade(16 | 32, 2, 3, 6),
         "0,0,0-1,0,0 1,0,0-2,0,0 2,0,0-0,0,0 0,1,0-1,1,0 1,1,0-2,1,0 2,1,0-0,1,0 "
         "0,0,0-0,1,0 1,0,0-1,1,0 2,0,0-2,1,0"},
        {Grade(16 | 1, 3, 2, 6),
         "0,0,0-1,0,0 0,1,0-1,1,0 0,2,0-1,2,0 0,0,0-0,1,0 0,1,0-0,2,0 0,2,0-0,0,0 "
         "1,0,0-1,1,0 1,1,0-1,2,0 1,2,0-1,0,0"},
        {Grade(16, 2, 2, 5), ""},
        {Grade(16, 0, 2, 0), ""}};
    glColor3f(0, 0, 1);
    for (const auto& [polilinha, tracos] : casos) {
        const auto lista = Lista({polilinha});
        EXPECT_EQ(Tracos(Captura([&] { ExibePolyLines(lista, TPolilinhas::Todas); })), tracos)
            << tracos;
        EXPECT_TRUE(Captura([&] { ExibePolyLines(lista); }).empty()) << tracos;
    }
    const auto captura =
        Captura([&] { ExibePolyLines(Lista({casos[0].first}), TPolilinhas::Todas); });
    EsperaCor(captura[0].vertices[0], 0, 0, 1); // no colour of its own, as the mesh faces
}

} // namespace
