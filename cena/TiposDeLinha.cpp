#include "TiposDeLinha.h"

#include "Matriz.h"

#include <cmath>
#include <optional>

std::optional<TTracejado> TracejadoDe(const std::vector<double>& tracos, double escala) {
    TTracejado t;
    bool desenha = false;
    for (double d : tracos) {
        if (!std::isfinite(d)) return std::nullopt;
        t.Tracos.push_back(d * escala);
        t.Periodo += std::abs(d * escala);
        desenha = desenha || d >= 0;
    }
    if (!desenha || !(t.Periodo > 0) || !std::isfinite(t.Periodo)) return std::nullopt;
    return t;
}

bool Traceja(const std::vector<TP3>& pontos, const TTracejado& t, double escala,
             std::vector<TP3>& segmentos, std::vector<TP3>& pontosSoltos, std::size_t limite) {
    segmentos.clear();
    pontosSoltos.clear();
    const double periodo = t.Periodo * escala;
    if (pontos.size() < 2 || !(periodo > 0) || !std::isfinite(periodo)) return false;
    double total = 0;
    for (std::size_t i = 1; i < pontos.size(); ++i)
        total += Norma3(Menos3(pontos[i], pontos[i - 1]));
    if (!std::isfinite(total) || total / periodo * double(t.Tracos.size()) > double(limite))
        return false;

    std::size_t indice = 0;                                 // the dash or gap under way
    double resta = std::abs(t.Tracos[0]) * escala;          // of it, still to lay
    bool riscando = t.Tracos[0] > 0, inicioPendente = true; // a dash's start not yet emitted
    if (t.Tracos[0] == 0) pontosSoltos.push_back(pontos[0]);
    for (std::size_t i = 1; i < pontos.size(); ++i) {
        const TP3 &a = pontos[i - 1], &b = pontos[i];
        const double l = Norma3(Menos3(b, a));
        const auto em = [&](double s) { return Soma3(a, Vezes3(Menos3(b, a), l > 0 ? s / l : 0)); };
        double s = 0; // along this segment
        while (true) {
            if (riscando && inicioPendente) {
                segmentos.push_back(em(s));
                inicioPendente = false;
            }
            if (s + resta > l) { // the piece goes on past this segment's end
                resta -= l - s;
                if (riscando) { // the dash bends round the vertex
                    segmentos.push_back(b);
                    inicioPendente = true;
                }
                break;
            }
            s += resta;
            if (riscando) segmentos.push_back(em(s));
            indice = (indice + 1) % t.Tracos.size();
            const double d = t.Tracos[indice];
            if (d == 0) pontosSoltos.push_back(em(s));
            resta = std::abs(d) * escala;
            riscando = d > 0;
            inicioPendente = true;
            if (segmentos.size() / 2 + pontosSoltos.size() > limite) return false;
        }
    }
    if (segmentos.size() % 2) segmentos.pop_back();
    return true;
}
