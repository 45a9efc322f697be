// The walk's faces: 3D faces, solids and traces, polygon and polyface meshes, MESH.

#include "Percurso.h"

double TPercurso::Poligono(const std::vector<TP3>& w, TRGB cor, bool sonda) {
    // Newell's normal: one for the whole face, also where two of its corners fall together.
    TP3 soma{0, 0, 0};
    for (std::size_t i = 1; i + 1 < w.size(); ++i)
        soma = Soma3(soma, Vetorial3(Menos3(w[i], w[0]), Menos3(w[i + 1], w[0])));
    const TP3 n = Unitario(soma);
    double area = 0;
    for (std::size_t i = 1; i + 1 < w.size() && !emissor_.Parado(); ++i) {
        emissor_.Triangulo(w[0], w[i], w[i + 1], n, cor, true, sonda);
        area += AreaDoTriangulo(w[0], w[i], w[i + 1]);
    }
    return area;
}

void TPercurso::Face3D(const TFace3D& f, const TContexto& c) {
    TRGB cor;
    if (!Prepara(f, c, cor)) return;
    const int n = f.Pontos.Count();
    if (n < 3) return;
    const TP3 l3 = P3(f.Pontos[n >= 4 ? 3 : 2]), l2 = P3(f.Pontos[2]);
    const std::vector<TP3> w{c.M.Ponto(P3(f.Pontos[0])), c.M.Ponto(P3(f.Pontos[1])), c.M.Ponto(l2),
                             c.M.Ponto(l3)};
    if (!Finitos(w)) return;
    // Triangles 0-1-2 and 0-2-3, each lit by its own normal: a bent face shows both halves.
    emissor_.Triangulo(w[0], w[1], w[2], NormalDoTriangulo(w[0], w[1], w[2]), cor, true, c.EmBloco);
    double area = AreaDoTriangulo(w[0], w[1], w[2]);
    if (l3 != l2) {
        emissor_.Triangulo(w[0], w[2], w[3], NormalDoTriangulo(w[0], w[2], w[3]), cor, true,
                           c.EmBloco);
        area += AreaDoTriangulo(w[0], w[2], w[3]);
    }
    emissor_.Mede("3DFACE", 0, area);
}

void TPercurso::Solido(const TSolido& s, const TContexto& c) {
    TRGB cor;
    if (!Prepara(s, c, cor)) return;
    const auto eixos = EixosOCS(P3(s.Extrusao));
    TP3 q[4];
    for (int i = 0; i < 4; ++i)
        q[i] =
            DoOCS(eixos, P3(s.Cantos[static_cast<std::size_t>(i < 3 || s.NumCantos >= 4 ? i : 2)]));
    // Corners in the order 1, 2, 4, 3; a three-cornered one is one triangle.
    std::vector<TP3> local{q[0], q[1], q[3], q[2]};
    if (q[3] == q[2]) local.pop_back();
    const std::vector<TP3> w{c.M.Ponto(local[0]), c.M.Ponto(local[1]), c.M.Ponto(local[2]),
                             c.M.Ponto(local.back())};
    if (!Finitos(w)) return;
    const std::vector<TP3> face(w.begin(), w.begin() + static_cast<long>(local.size()));
    emissor_.Mede(s.Traco ? "TRACE" : "SOLID", 0, Poligono(face, cor, false));
    const double e = s.Espessura.ComoDouble();
    if (e == 0) return;
    const TP3 altura = Vezes3(eixos[2], e);
    std::vector<TP3> contorno = local, topo;
    contorno.push_back(local.front());
    Extrusao(c, contorno, altura, cor);
    for (const TP3& p : local)
        topo.push_back(c.M.Ponto(Soma3(p, altura)));
    for (std::size_t i = 1; i + 1 < topo.size(); ++i)
        emissor_.Triangulo(topo[0], topo[i], topo[i + 1],
                           NormalDoTriangulo(topo[0], topo[i], topo[i + 1]), cor, false, false);
}

void TPercurso::MalhaPoligonal(const TPolyLine& p, const TContexto& c, TRGB cor) {
    long long m = p.ContM, n = p.ContN;
    std::vector<TP3> grade;
    // A smoothed mesh is drawn through its surface (DensM x DensN vertices without the frame
    // flag 16), its M x N frame left out.
    if (p.DensM > 1 && p.DensN > 1 && p.Vertices.Count() > m * n) {
        for (const TVertice& v : p.Vertices)
            if (!(v.FlagsVertice & 16)) grade.push_back(v.Ponto ? P3(*v.Ponto) : TP3{0, 0, 0});
        if (static_cast<long long>(grade.size()) >= static_cast<long long>(p.DensM) * p.DensN) {
            m = p.DensM;
            n = p.DensN;
        } else {
            grade.clear();
        }
    }
    if (grade.empty()) {
        if (m < 2 || n < 2 || m * n > p.Vertices.Count()) return;
        for (int i = 0; i < m * n; ++i) {
            const TVertice& v = p.Vertices[i];
            grade.push_back(v.Ponto ? P3(*v.Ponto) : TP3{0, 0, 0});
        }
    }
    if (m < 2 || n < 2) return;
    grade.resize(static_cast<std::size_t>(m * n));
    for (TP3& q : grade)
        q = c.M.Ponto(q);
    if (!Finitos(grade)) return;
    const long long mm = p.Flags & 1 ? m : m - 1, nn = p.Flags & 32 ? n : n - 1;
    auto v = [&](long long i, long long j) { return grade[static_cast<std::size_t>(i * n + j)]; };
    double area = 0;
    for (long long i = 0; i < mm && !emissor_.Parado(); ++i)
        for (long long j = 0; j < nn && !emissor_.Parado(); ++j) {
            const long long i1 = (i + 1) % m, j1 = (j + 1) % n;
            area += Poligono({v(i, j), v(i, j1), v(i1, j1), v(i1, j)}, cor, false);
        }
    emissor_.Mede("POLYMESH", 0, area);
}

void TPercurso::MalhaDeFaces(const TPolyLine& p, const TContexto& c, TRGB cor) {
    std::vector<TP3> w;
    w.reserve(static_cast<std::size_t>(p.Vertices.Count()));
    for (const TVertice& v : p.Vertices)
        w.push_back(c.M.Ponto(v.Ponto ? P3(*v.Ponto) : TP3{0, 0, 0}));
    if (!Finitos(w)) return;
    const long long total = static_cast<long long>(w.size());
    double area = 0;
    bool desenhou = false;
    for (const TFace& f : p.Faces) {
        if (emissor_.Parado()) break;
        // Vertex numbers from 1; a negative one only hides the edge that starts there.
        std::vector<TP3> face;
        for (std::int32_t k : {f.V1, f.V2, f.V3, f.V4}) {
            const long long i = k < 0 ? -static_cast<long long>(k) : k;
            if (i >= 1 && i <= total) face.push_back(w[static_cast<std::size_t>(i - 1)]);
        }
        if (face.size() < 3) continue;
        area += Poligono(face, cor, false);
        desenhou = true;
    }
    if (desenhou) emissor_.Mede("POLYFACE", 0, area);
}

void TPercurso::Malha(const TMalha& malha, const TContexto& c) {
    TRGB cor;
    if (!Prepara(malha, c, cor)) return;
    std::vector<TP3> w;
    w.reserve(malha.Vertices.size());
    for (const TPonto3D& p : malha.Vertices)
        w.push_back(c.M.Ponto(P3(p)));
    if (!Finitos(w)) return;
    const std::vector<std::int32_t>& f = malha.Faces;
    const long long total = static_cast<long long>(w.size());
    double area = 0;
    bool desenhou = false;
    // Each face: its number of corners, then their vertex indices from 0.
    for (std::size_t i = 0; i < f.size() && !emissor_.Parado();) {
        const long long k = f[i];
        if (k < 1 || static_cast<std::size_t>(k) > f.size() - i - 1) break;
        std::vector<TP3> face;
        for (long long j = 1; j <= k; ++j) {
            const std::int32_t indice = f[i + static_cast<std::size_t>(j)];
            if (indice >= 0 && indice < total) face.push_back(w[static_cast<std::size_t>(indice)]);
        }
        i += static_cast<std::size_t>(k) + 1;
        if (face.size() < 3) continue;
        area += Poligono(face, cor, false);
        desenhou = true;
    }
    if (desenhou) emissor_.Mede("MESH", 0, area);
}
