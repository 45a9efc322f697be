#pragma once

// What the drawing and probe tests share: a current GL context with default state, an
// empty model before each test, and short ways to build model objects.

#include "ContextoGL.h"
#include "Feedback.h"
#include "Modelo.h"

#include <GL/gl.h>

#include <array>

#include <gtest/gtest.h>

class TesteGL : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(glteste::GarantaContexto()) << "no OpenGL context (is a display running?)";
        glteste::RestauraEstado();
        Blocos = {};
        Inserts = {};
    }
    void TearDown() override {
        Blocos = {};
        Inserts = {};
    }
};

inline GLint ProfundidadeDaPilha() {
    GLint profundidade = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &profundidade);
    return profundidade;
}

inline TPonto3D P(Real x, Real y, Real z) {
    return TPonto3D{x, y, z};
}

inline TCor Cor(Real r, Real g, Real b) {
    return TCor{r, g, b};
}

inline TFace3D Face(std::initializer_list<TPonto3D> cantos, std::optional<TCor> cor = {}) {
    TFace3D face;
    for (const auto& c : cantos)
        face.Pontos.Add(c);
    face.Cor = cor;
    return face;
}

template <class T> TList<T> Lista(std::initializer_list<T> itens) {
    TList<T> lista;
    for (const auto& item : itens)
        lista.Add(item);
    return lista;
}

// Expects a captured vertex at (x, y, z), to the precision of the capture.
inline void EsperaVertice(const glteste::VerticeCapturado& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 2e-3);
    EXPECT_NEAR(v.y, y, 2e-3);
    EXPECT_NEAR(v.z, z, 2e-3);
}

// Expects the primitive's vertices at these points, in this order.
inline void EsperaVertices(const glteste::PrimitivaCapturada& p,
                           std::initializer_list<std::array<double, 3>> pontos) {
    ASSERT_EQ(p.vertices.size(), pontos.size());
    std::size_t k = 0;
    for (const auto& e : pontos)
        EsperaVertice(p.vertices[k++], e[0], e[1], e[2]);
}

inline void EsperaCor(const glteste::VerticeCapturado& v, float r, float g, float b) {
    EXPECT_NEAR(v.cor[0], r, 1e-6);
    EXPECT_NEAR(v.cor[1], g, 1e-6);
    EXPECT_NEAR(v.cor[2], b, 1e-6);
}
