#include "OrigemLocal.h"
#include "PontoDoArco.h"
#include "UExibe.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// The arc's step in radians, whatever the radius.
constexpr long double PassoArco = 0.157L;

// Vertices of one full turn of arc steps: an arc sweeping more than a turn stops there, so
// that no angle, however large, can keep the loop running.
constexpr int MaxVerticesArco = 41;

constexpr int VerticesCirculo = 15;

// Sine and cosine of the circle's 15 angles, stepped by 6.28 / 14 from 0 while below 6.3.
struct TabelaCirculo {
    std::array<long double, VerticesCirculo> cos{}, sin{};
    TabelaCirculo() {
        Real a = 0;
        for (int k = 0; k < VerticesCirculo && a < 6.3L; ++k) {
            cos[k] = std::cos(static_cast<long double>(a));
            sin[k] = std::sin(static_cast<long double>(a));
            a = a + 0.448571428571428571L;
        }
    }
};

} // namespace

void ExibeArcos(const TList<TArco>& arcos) {
    glColor3f(1, 0, 0);
    for (const TArco& arco : arcos) {
        if (!arco.Centro) continue;
        const TPonto3D& centro = *arco.Centro;
        // Arcs run counter-clockwise: one stored with its end below its start crosses 0.
        long double fimGraus = arco.AngFim;
        if (arco.AngFim < arco.AngIni) fimGraus += 360;
        const long double fim = fimGraus * Pi / 180;
        const TOrigemLocal& o = OrigemLocal();
        const long double cx = centro.X - o[0], cy = centro.Y - o[1];
        const float z = static_cast<float>(centro.Z.ComoDouble() - o[2]);

        glBegin(GL_TRIANGLE_FAN);
        Real a = arco.AngIni * Pi / 180;
        for (int n = 0; a < fim && n < MaxVerticesArco; ++n) {
            const auto [x, y] = PontoDoArco(cx, cy, arco.Raio, a);
            glVertex3f(x, y, z);
            a = a + PassoArco;
        }
        glEnd();
    }
}

void ExibeCirculos(const TList<TCirculo>& circulos) {
    static const TabelaCirculo tabela;
    glColor3f(1, 0, 0);
    for (const TCirculo& circulo : circulos) {
        if (!circulo.Centro) continue;
        const TOrigemLocal& o = OrigemLocal();
        const long double x = circulo.Centro->X - o[0], y = circulo.Centro->Y - o[1];
        const long double raio = circulo.Raio;
        const float z = static_cast<float>(circulo.Centro->Z.ComoDouble() - o[2]);
        glBegin(GL_TRIANGLE_FAN);
        for (int k = 0; k < VerticesCirculo; ++k)
            glVertex3f(static_cast<float>(x + raio * tabela.cos[k]),
                       static_cast<float>(y + raio * tabela.sin[k]), z);
        glEnd();
    }
}
