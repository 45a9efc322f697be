#include "Curvas.h"

// Placeholder bodies: replaced by the real geometry.
std::array<TP3, 3> EixosOCS(const TP3&) { return {TP3{1, 0, 0}, TP3{0, 1, 0}, TP3{0, 0, 1}}; }
TP3 DoOCS(const std::array<TP3, 3>&, const TP3& p) { return p; }
int SegmentosDoArco(double, double, double, int) { return 16; }
std::vector<TP2> PontosDoArco(const TP2&, double, double, double, double, int) { return {}; }
std::vector<TP3> PontosDaElipse(const TP3&, const TP3&, double, const TP3&, double, double,
                                double, int) {
    return {};
}
std::vector<TP3> PontosDaSpline(int, const std::vector<double>&, const std::vector<double>&,
                                const std::vector<TP3>&, const std::vector<TP3>&, bool, double,
                                int) {
    return {};
}
TTracado2D TracaPolilinha(const std::vector<TVertice2D>&, bool, double, int) { return {}; }
