#include "Ajuda.h"
#include "UExibe.h"

#include <GL/glu.h>
#include <memory>

using namespace glteste;

namespace {

// The probe line as the main window sets it: from (4, 3, 40) to (4, 3, -10).
const TPonto3D S = P(4, 3, 40), E = P(4, 3, -10);

class Selecao : public DesenhoGL {
  protected:
    // Runs the probe: one white sphere of radius 10, 7 slices and 7 stacks, at each of `centros`.
    void EsperaEsferas(std::initializer_list<std::array<float, 3>> centros) {
        const GLint antes = ProfundidadeDaPilha();
        glColor3f(0, 0, 0);
        const auto captura = Captura([] { TestaSelecao(S, E); });
        EXPECT_EQ(ProfundidadeDaPilha(), antes);
        const std::unique_ptr<GLUquadric, decltype(&gluDeleteQuadric)> q(gluNewQuadric(),
                                                                         gluDeleteQuadric);
        glPushMatrix();
        const auto esferas = Captura([&] {
            glColor3f(1, 1, 1);
            for (const auto& c : centros) {
                glLoadIdentity();
                glTranslatef(c[0], c[1], c[2]);
                gluSphere(q.get(), 10.0, 7, 7);
            }
        });
        glPopMatrix();
        ASSERT_EQ(esferas.empty(), centros.size() == 0);
        EsperaIgual(captura, esferas);
    }

    static TInsert& AcrescentaInsercao(const std::string& bloco,
                                       std::optional<TPonto3D> ponto = P(0, 0, 0)) {
        Inserts.Add(Insercao(bloco, ponto));
        return Inserts[Inserts.Count() - 1];
    }
};

// The square of side 200 in the plane z = 0 whose centre the probe crosses.
const TFace3D Quadrado = Face({P(-96, -97, 0), P(104, -97, 0), P(104, 103, 0), P(-96, 103, 0)});

// One marker per face crossed, in the order of the insertions, placed as the drawing places
// the blocks and with the current model-view (here beyond the probe's start). Not marked: a
// face parallel to the line or flattened by a scale of 0, the insertion of a missing block,
// a face of fewer than three corners, and a three-cornered face that the line misses.
TEST_F(Selecao, UmaEsferaPorFaceCruzada) {
    Blocos.Add(
        Bloco("Paralela", {Face({P(4, -50, -50), P(4, 50, -50), P(4, 50, 50), P(4, -50, 50)})}));
    Blocos.Add(Bloco("Q", {Quadrado}));
    // A square in the plane y = 0, turned 90 degrees about X into the plane z = 0.
    Blocos.Add(Bloco("Vertical",
                     {Face({P(-100, 0, -100), P(100, 0, -100), P(100, 0, 100), P(-100, 0, 100)})}));
    Blocos.Add(
        Bloco("T", {Face({P(0, 0, 2), P(10, 0, 2)}), Face({P(0, 0, 2), P(10, 0, 2), P(0, 10, 2)}),
                    Face({P(0, 0, 9), P(10, 0, 9), P(10, 1, 9)})}));
    AcrescentaInsercao("Paralela");
    AcrescentaInsercao("Q").EscalaX = 0;
    AcrescentaInsercao("q");
    TInsert& girada = AcrescentaInsercao("Vertical", P(0, 0, 7));
    girada.Rotacao = 90;
    girada.Extrusao = P(1, 0, 0);
    AcrescentaInsercao("Q", std::nullopt);
    AcrescentaInsercao("T");
    AcrescentaInsercao("Q", P(0, 0, -5));
    glTranslatef(0, 0, 45);
    EsperaEsferas({{4, 3, 52}, {4, 3, 45}, {4, 3, 47}, {4, 3, 40}});
}

// Insertions whose block lies far from the probe line are passed over without changing the
// markers: of fifty squares in a row only the one the camera stands at is crossed, and a
// square far away but grown by its scale until a corner meets the line is still marked.
TEST_F(Selecao, InsercoesLongeDaSondaNaoEscondemAsQueAAlcancam) {
    Blocos.Add(Bloco("Q", {Quadrado}));
    for (int i = 1; i <= 50; ++i)
        AcrescentaInsercao("Q", P(1000 * i, 0, 0));
    // Corner (-96, -97) at (50004, 3, -10), on the line once the camera has moved by -50000.
    TInsert& ampliada = AcrescentaInsercao("Q", P(69204, 19403, -10));
    ampliada.EscalaX = ampliada.EscalaY = 200;
    glTranslatef(-50000, 0, 0);
    EsperaEsferas({{4, 3, 0}, {4, 3, -10}});
}

} // namespace
