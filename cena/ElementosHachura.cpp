// Hatches: solid and gradient fills as triangles, patterns as their dashes clipped to the
// filled region, in the hatch's plane.

#include "Hachura.h"
#include "Percurso.h"
#include "Tesselacao.h"

void TPercurso::Hachura(const THachura& h, const TContexto& c) {
    TRGB cor;
    if (!Prepara(h, c, cor)) return;
    emissor_.DefineTracejado(nullptr, 1); // a hatch's lines are its pattern's
    const bool gradiente = h.Gradiente != 0;
    if (gradiente && h.CorDoGradiente >= 0) cor = CorVerdadeira(h.CorDoGradiente);
    const std::vector<TContornoDeHachura> contornos =
        ContornosDaHachura(h, c.Tolerancia, opcoes_.MaximoDeSegmentos);
    const auto eixos = EixosOCS(P3(h.Extrusao));
    const double z = h.Elevacao.ComoDouble();
    const auto mundo = [&](const TP2& p) { return c.M.Ponto(DoOCS(eixos, {p[0], p[1], z})); };

    double comprimento = 0;
    std::vector<std::vector<TP3>> bordas;
    for (const TContornoDeHachura& contorno : contornos) {
        std::vector<TP3> w;
        w.reserve(contorno.Pontos.size());
        for (const TP2& p : contorno.Pontos)
            w.push_back(mundo(p));
        if (!Finitos(w)) continue;
        comprimento += ComprimentoDe(w);
        for (const TP3& p : w)
            emissor_.Medido(p);
        bordas.push_back(std::move(w));
    }
    const auto regiao = ContornosPreenchidos(contornos, h.Estilo);

    if (h.Solida != 0 || gradiente) {
        const std::vector<TPonto2> t = Tessela(regiao, TRegraDeEnrolamento::Impar);
        for (std::size_t i = 0; i + 2 < t.size() && !emissor_.Parado(); i += 3) {
            const TP3 a = mundo(t[i]), b = mundo(t[i + 1]), d = mundo(t[i + 2]);
            emissor_.Triangulo(a, b, d, NormalDoTriangulo(a, b, d), cor, true, false);
        }
    } else if (const auto tracos = TracosDoPadrao(
                   regiao, h.Linhas, static_cast<std::size_t>(opcoes_.LimiteDeTracosDaHachura))) {
        for (std::size_t i = 0; i + 1 < tracos->Segmentos.size() && !emissor_.Parado(); i += 2)
            emissor_.Segmento(mundo(tracos->Segmentos[i]), mundo(tracos->Segmentos[i + 1]), cor,
                              true);
        for (const TP2& p : tracos->Pontos)
            emissor_.Ponto(mundo(p), cor, true);
    } else {
        // Too dense to draw line by line: its boundary shows where it is.
        for (const std::vector<TP3>& w : bordas) {
            emissor_.Poligonal(w, cor, true);
            if (w.size() > 2 && w.back() != w.front())
                emissor_.Segmento(w.back(), w.front(), cor, true);
        }
        cena_.Ignorados["HATCH (padrão denso)"] += 1;
    }
    emissor_.Mede("HATCH", comprimento, 0);
}
