#pragma once

// The drawing and probe tests' fixture (a current GL context, an empty model) and builders.

#include "CapturaGL.h"
#include "Modelo.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

class DesenhoGL : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(glteste::GarantaContexto()) << "no OpenGL context (is a display running?)";
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor4f(1, 1, 1, 1);
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

template <class T> TList<T> Lista(std::initializer_list<T> itens) {
    TList<T> lista;
    for (const auto& item : itens)
        lista.Add(item);
    return lista;
}

inline TFace3D Face(std::initializer_list<TPonto3D> cantos, std::optional<TCor> cor = {}) {
    TFace3D face;
    for (const auto& c : cantos)
        face.Pontos.Add(c);
    face.Cor = cor;
    return face;
}

inline TArco Arco(Real x, Real y, Real z, Real raio, Real ini, Real fim) {
    return {{}, P(x, y, z), raio, ini, fim};
}

inline TBloco Bloco(const std::string& nome, std::initializer_list<TFace3D> faces = {}) {
    TBloco bloco;
    bloco.Nome = nome;
    bloco.Elementos.Faces3D = Lista(faces);
    return bloco;
}

inline TInsert Insercao(const std::string& bloco, std::optional<TPonto3D> ponto = P(0, 0, 0)) {
    TInsert insercao;
    insercao.NomeBloco = bloco;
    insercao.Ponto = ponto;
    return insercao;
}

// A polyface-mesh face record: vertex numbers from 1, negative for an invisible edge.
inline TFace Registro(int v1, int v2, int v3, int v4 = 0) {
    return {{}, v1, v2, v3, v4};
}

// A polyface mesh over these vertices (nullopt: a vertex without a point).
inline TPolyLine Malha(std::initializer_list<std::optional<TPonto3D>> pontos,
                       std::initializer_list<TFace> faces, std::int32_t flags = 64) {
    TPolyLine malha;
    malha.Flags = flags;
    for (const auto& p : pontos)
        malha.Vertices.Add(TVertice{{}, p});
    malha.Faces = Lista(faces);
    return malha;
}

inline void EsperaVertice(const glteste::VerticeCapturado& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 2e-3);
    EXPECT_NEAR(v.y, y, 2e-3);
    EXPECT_NEAR(v.z, z, 2e-3);
}

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

// The same primitives as `esperado`, vertex by vertex, in place and colour.
inline void EsperaIgual(const std::vector<glteste::PrimitivaCapturada>& obtido,
                        const std::vector<glteste::PrimitivaCapturada>& esperado) {
    ASSERT_EQ(obtido.size(), esperado.size());
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        ASSERT_EQ(obtido[i].vertices.size(), esperado[i].vertices.size()) << i;
        for (std::size_t k = 0; k < esperado[i].vertices.size(); ++k) {
            const auto& e = esperado[i].vertices[k];
            EsperaVertice(obtido[i].vertices[k], e.x, e.y, e.z);
            EsperaCor(obtido[i].vertices[k], e.cor[0], e.cor[1], e.cor[2]);
        }
    }
}
