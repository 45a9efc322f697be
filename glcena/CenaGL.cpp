// Buffer objects come from OpenGL 1.5. Debian's libOpenGL and libGL (libglvnd) export every
// core entry point as a stub that dispatches to the current context, GLX or EGL alike, so
// they are linked directly; whether the context has them is checked at run time before any
// is called. (Extension-only entry points, such as the ARB names a 1.4 context would offer,
// are not exported by libOpenGL: such a context draws from arrays in memory.)
#define GL_GLEXT_PROTOTYPES 1

#include "CenaGL.h"
#include "GlifosGL.h"
#include "Grupos.h"
#include "ProgramaGL.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace {

// Whether the current context's OpenGL is at least maior.menor.

// What the lighting program is made for, bit i of each mask for GL_LIGHTi: the lights
// enabled, those that are directional (position's W = 0) and those not attenuated.
struct TLuzes {
    unsigned Ligadas = 0, Direcionais = 0, SemAtenuacao = 0;
    // The model-view only turns and moves: unit normals stay unit.
    bool SemEscala = false;
    bool operator==(const TLuzes&) const = default;
};

// The directional lights' unit directions, in eye coordinates as OpenGL keeps them.
using TDirecoes = std::array<std::array<GLfloat, 3>, 8>;

// The lights as they are now, and the directions of the directional ones.
TLuzes LuzesAgora(TDirecoes& direcoes) {
    TLuzes luzes;
    direcoes = {};
    for (unsigned i = 0; i < 8; ++i) {
        const GLenum luz = GL_LIGHT0 + i;
        if (!glIsEnabled(luz)) continue;
        luzes.Ligadas |= 1u << i;
        GLfloat lugar[4], k[3];
        glGetLightfv(luz, GL_POSITION, lugar);
        glGetLightfv(luz, GL_CONSTANT_ATTENUATION, &k[0]);
        glGetLightfv(luz, GL_LINEAR_ATTENUATION, &k[1]);
        glGetLightfv(luz, GL_QUADRATIC_ATTENUATION, &k[2]);
        if (lugar[3] == 0) {
            luzes.Direcionais |= 1u << i;
            const float m = std::hypot(lugar[0], lugar[1], lugar[2]);
            for (int k = 0; k < 3 && m > 0; ++k)
                direcoes[i][k] = lugar[k] / m;
        }
        if (k[0] == 1 && k[1] == 0 && k[2] == 0) luzes.SemAtenuacao |= 1u << i;
    }
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    luzes.SemEscala = true;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
            const float escalar =
                m[4 * a] * m[4 * b] + m[4 * a + 1] * m[4 * b + 1] + m[4 * a + 2] * m[4 * b + 2];
            luzes.SemEscala = luzes.SemEscala && std::fabs(escalar - (a == b)) < 1e-5f;
        }
    return luzes;
}

// The fixed-function lighting of ambient and diffuse colour material with `luzes`, for the
// side of the face that is seen, computed once per vertex: OpenGL's own two-sided lighting
// lights both sides of every vertex and keeps one. Attenuation as OpenGL's; spot lights and
// specular terms are not used by this program. A directional light's unit direction comes
// in Direcao[i].
std::string FonteDaIluminacao(const TLuzes& luzes) {
    std::string fonte = R"(#version 120
uniform vec3 Direcao[8];
void main() {
    vec4 olho = gl_ModelViewMatrix * gl_Vertex;
    gl_Position = gl_ProjectionMatrix * olho;
    gl_ClipVertex = olho;
    vec3 n = gl_NormalMatrix * gl_Normal;
)";
    if (!luzes.SemEscala)
        fonte += R"(    float tamanho = length(n);
    n = tamanho > 0.0 ? n / tamanho : vec3(0.0);
)";
    fonte += R"(
    // Towards the eye: from the vertex in a perspective, along +Z in a parallel projection.
    vec3 paraOlho = gl_ProjectionMatrix[2][3] == 0.0 ? vec3(0.0, 0.0, 1.0) : -olho.xyz;
    if (dot(n, paraOlho) < 0.0) n = -n;
    vec4 ambiente = gl_FrontLightModelProduct.sceneColor;
    vec4 difusa = vec4(0.0);
    vec3 l;
    float d, a;
)";
    for (unsigned i = 0; i < 8; ++i) {
        const unsigned bit = 1u << i;
        if (!(luzes.Ligadas & bit)) continue;
        const std::string k = std::to_string(i), luz = "gl_LightSource[" + k + "]";
        const std::string produto = "gl_FrontLightProduct[" + k + "].ambient";
        if (luzes.Direcionais & bit) {
            fonte += "    ambiente += " + produto + ";\n    difusa += max(dot(n, Direcao[" + k +
                     "]), 0.0) * " + luz + ".diffuse;\n";
            continue;
        }
        fonte += "    l = " + luz + ".position.xyz - olho.xyz;\n";
        if (luzes.SemAtenuacao & bit) {
            fonte +=
                "    ambiente += " + produto +
                ";\n    difusa += max(dot(n, l), 0.0) * inversesqrt(max(dot(l, l), 1e-30)) * " +
                luz + ".diffuse;\n";
            continue;
        }
        fonte += "    d = length(l);\n    a = 1.0 / (" + luz + ".constantAttenuation + " + luz +
                 ".linearAttenuation * d + " + luz +
                 ".quadraticAttenuation * d * d);\n"
                 "    ambiente += a * " +
                 produto +
                 ";\n"
                 "    difusa += a * (d > 0.0 ? max(dot(n, l) / d, 0.0) : 0.0) * " +
                 luz + ".diffuse;\n";
    }
    fonte +=
        R"(    gl_FrontColor = vec4(clamp(ambiente.rgb + gl_Color.rgb * difusa.rgb, 0.0, 1.0), gl_Color.a);
    gl_BackColor = gl_FrontColor;
}
)";
    return fonte;
}

// The lighting program for `luzes`, or 0 where it does not compile or link.
GLuint CompilaIluminacao(const TLuzes& luzes) {
    return CompilaPrograma(FonteDaIluminacao(luzes));
}

// Most vertices one glDrawArrays takes (its count is a GLsizei), whole triangles and segments.
constexpr std::size_t MaximoPorChamada = (INT_MAX / 6) * 6;

// A buffer object holds at least this many pieces of vertices (about 16 MB).
constexpr std::size_t MinimoDePedacosPorBuffer = 9;

// One primitive list: its vertices in buffer objects of at most PorBuffer vertices each, or
// in memory for client-side arrays.
struct TLista {
    GLenum Modo = GL_POINTS;
    std::size_t Vertices = 0; // whole primitives only
    std::size_t PorBuffer = 0;
    std::vector<GLuint> Buffers;
    std::vector<TVerticeCena> Memoria;

    // Vertices of buffer b.
    std::size_t NoBuffer(std::size_t b) const {
        return std::min(PorBuffer, Vertices - b * PorBuffer);
    }
    int Chamadas() const {
        if (!Buffers.empty()) return static_cast<int>(Buffers.size());
        return static_cast<int>((Vertices + MaximoPorChamada - 1) / MaximoPorChamada);
    }
};

// Sets the arrays (already enabled by the caller) to this layout starting at `inicio`: an
// address in memory, or an offset into the buffer bound.
void ApontaArrays(std::uintptr_t inicio, bool normais) {
    constexpr GLsizei Passo = sizeof(TVerticeCena);
    auto em = [&](std::size_t campo) { return reinterpret_cast<const void*>(inicio + campo); };
    glVertexPointer(3, GL_FLOAT, Passo, em(offsetof(TVerticeCena, X)));
    if (normais) glNormalPointer(GL_FLOAT, Passo, em(offsetof(TVerticeCena, NX)));
    glColorPointer(3, GL_UNSIGNED_BYTE, Passo, em(offsetof(TVerticeCena, R)));
}

} // namespace

struct TCenaGL::Dados {
    // Whether the context has buffer objects: then no foreign buffer stays bound while
    // arrays in memory are drawn, either.
    bool ContextoComBuffers = false;
    bool EmBuffers = false; // false: client-side arrays in memory
    TLista Triangulos, Pontos;
    TLista Segmentos;
    // Each list's runs of one layer (and line weight), in order, and the layers hidden now.
    std::vector<TGrupoGL> GruposDosTriangulos, GruposDosSegmentos, GruposDosPontos;
    std::vector<bool> Ocultas;
    bool AlgumaOculta() const {
        return std::find(Ocultas.begin(), Ocultas.end(), true) != Ocultas.end();
    }
    bool Oculta(std::uint16_t camada) const { return camada < Ocultas.size() && Ocultas[camada]; }
    std::unique_ptr<TGlifosGL> Glifos;
    TCaixaCena Caixa; // the scene's extents relative to its origin
    // The faces' own lighting (OpenGL 2.0 and later): its program, made for the lights
    // `LuzesDoPrograma` and again when other lights are on; none for OpenGL's two-sided one.
    bool IluminacaoPropria = false;
    GLuint Iluminacao = 0;
    GLint LocalDasDirecoes = -1;
    TLuzes LuzesDoPrograma;

    // Every list, and where its vertices come from while they are sent: the scene's lists, or
    // the segments split by weight (`porEspessura`); those freed as copied are in `Libera`.
    std::vector<TLista*> Listas;
    std::vector<const TVerticesCena*> De;
    std::vector<TVerticesCena*> Libera;
    TVerticesCena Copias[3]; // a const scene's lists in order, while they are sent

    Dados() = default;
    Dados(const Dados&) = delete;
    Dados& operator=(const Dados&) = delete;
    ~Dados() {
        ApagaBuffers();
        if (Iluminacao) glDeleteProgram(Iluminacao);
    }

    void ApagaBuffers() {
        for (TLista* lista : Listas) {
            if (!lista->Buffers.empty())
                glDeleteBuffers(static_cast<GLsizei>(lista->Buffers.size()), lista->Buffers.data());
            lista->Buffers.clear();
        }
    }

    // Copies the scene's vertices piece by piece into buffer objects, each made just before it
    // is filled, so that with `libera` (the scene, whose pieces are freed once copied) the
    // vertices and their copy are never held whole at once. A list takes at most about eight
    // buffers. False, with every vertex in memory and no buffer left, when the context
    // refuses a buffer (out of memory for instance): what was already copied is read back.
    bool EnviaAosBuffers() {
        for (int k = 0; k < 32 && glGetError() != GL_NO_ERROR; ++k) {
        } // earlier calls' errors are not ours
        GLint anterior = 0;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &anterior);
        bool certo = true;
        for (std::size_t k = 0; k < Listas.size() && certo; ++k) {
            TLista& lista = *Listas[k];
            const auto& pedacos = De[k]->Pedacos();
            const std::size_t porPedaco = TVerticesCena::PorPedaco;
            const std::size_t pedacosPorBuffer =
                std::max<std::size_t>(MinimoDePedacosPorBuffer, (pedacos.size() + 7) / 8);
            lista.PorBuffer = pedacosPorBuffer * porPedaco;
            for (std::size_t p = 0; p < pedacos.size() && certo && p * porPedaco < lista.Vertices;
                 ++p) {
                const std::size_t inicio = p * porPedaco, b = inicio / lista.PorBuffer;
                if (inicio % lista.PorBuffer == 0) {
                    lista.Buffers.push_back(0);
                    glGenBuffers(1, &lista.Buffers.back());
                    glBindBuffer(GL_ARRAY_BUFFER, lista.Buffers.back());
                    glBufferData(GL_ARRAY_BUFFER,
                                 static_cast<GLsizeiptr>(lista.NoBuffer(b) * sizeof(TVerticeCena)),
                                 nullptr, GL_STATIC_DRAW);
                }
                const std::size_t n = std::min(pedacos[p].size(), lista.Vertices - inicio);
                glBufferSubData(
                    GL_ARRAY_BUFFER,
                    static_cast<GLintptr>((inicio - b * lista.PorBuffer) * sizeof(TVerticeCena)),
                    static_cast<GLsizeiptr>(n * sizeof(TVerticeCena)), pedacos[p].data());
                certo = lista.Buffers.back() != 0 && glGetError() == GL_NO_ERROR;
                if (certo && Libera[k]) Libera[k]->LiberaPedaco(p);
            }
        }
        if (!certo) LeDeVolta();
        glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(anterior));
        return certo;
    }

    // After a refused buffer: every vertex into memory, those of freed pieces from the
    // buffers they went to; then no buffer is left.
    void LeDeVolta() {
        for (std::size_t k = 0; k < Listas.size(); ++k) {
            TLista& lista = *Listas[k];
            const auto& pedacos = De[k]->Pedacos();
            lista.Memoria.resize(lista.Vertices);
            for (std::size_t p = 0; p * TVerticesCena::PorPedaco < lista.Vertices; ++p) {
                const std::size_t inicio = p * TVerticesCena::PorPedaco;
                const std::size_t n = std::min(TVerticesCena::PorPedaco, lista.Vertices - inicio);
                if (p < pedacos.size() && pedacos[p].size() >= n) {
                    std::copy_n(pedacos[p].begin(), n,
                                lista.Memoria.begin() + std::ptrdiff_t(inicio));
                } else if (const std::size_t b = inicio / lista.PorBuffer;
                           b < lista.Buffers.size()) {
                    glBindBuffer(GL_ARRAY_BUFFER, lista.Buffers[b]);
                    glGetBufferSubData(GL_ARRAY_BUFFER,
                                       static_cast<GLintptr>((inicio - b * lista.PorBuffer) *
                                                             sizeof(TVerticeCena)),
                                       static_cast<GLsizeiptr>(n * sizeof(TVerticeCena)),
                                       lista.Memoria.data() + inicio);
                }
                if (Libera[k]) Libera[k]->LiberaPedaco(p);
            }
        }
        ApagaBuffers();
    }

    // The vertices in memory, freeing each piece once copied with `libera`.
    void CopiaParaMemoria() {
        for (std::size_t k = 0; k < Listas.size(); ++k) {
            TLista& lista = *Listas[k];
            const auto& pedacos = De[k]->Pedacos();
            lista.Memoria.reserve(lista.Vertices);
            for (std::size_t p = 0; p < pedacos.size() && lista.Memoria.size() < lista.Vertices;
                 ++p) {
                const std::size_t n =
                    std::min(pedacos[p].size(), lista.Vertices - lista.Memoria.size());
                lista.Memoria.insert(lista.Memoria.end(), pedacos[p].begin(),
                                     pedacos[p].begin() + static_cast<std::ptrdiff_t>(n));
                if (Libera[k]) Libera[k]->LiberaPedaco(p);
            }
        }
    }

    // The lists to send, each in runs of one layer (the segments of one layer and line
    // weight): sorted in place in a scene freed as it goes, else in copies.
    void ListasDe(const TCena& cena, TCena* libera) {
        const struct {
            TLista& Lista;
            std::vector<TGrupoGL>& Grupos;
            const TVerticesCena& De;
            TVerticesCena* Livre;
            const std::vector<std::uint16_t>& Camadas;
            std::size_t PorPrimitiva;
            bool ComEspessura;
            TVerticesCena& Copia;
        } listas[] = {
            {Triangulos, GruposDosTriangulos, cena.Triangulos,
             libera ? &libera->Triangulos : nullptr, cena.CamadaDosTriangulos, 3, false, Copias[0]},
            {Segmentos, GruposDosSegmentos, cena.Segmentos, libera ? &libera->Segmentos : nullptr,
             cena.CamadaDosSegmentos, 2, true, Copias[1]},
            {Pontos, GruposDosPontos, cena.Pontos, libera ? &libera->Pontos : nullptr,
             cena.CamadaDosPontos, 1, false, Copias[2]}};
        for (const auto& l : listas) {
            const std::vector<std::uint32_t> chaves =
                ChavesDosGrupos(l.De, l.PorPrimitiva, l.Camadas, l.ComEspessura);
            const TVerticesCena* de = &l.De;
            TVerticesCena* livre = l.Livre;
            if (l.Livre) {
                l.Grupos = AgrupaNoLugar(*l.Livre, l.PorPrimitiva, chaves);
            } else {
                l.Grupos = AgrupaEmCopia(l.De, l.PorPrimitiva, chaves, l.Copia);
                if (l.Grupos.size() > 1) de = livre = &l.Copia; // let go as it is sent
            }
            Listas.push_back(&l.Lista);
            De.push_back(de);
            Libera.push_back(livre);
        }
    }

    void Prepara(const TCena& cena, TCena* libera, TArmazenamentoGL armazenamento,
                 TIluminacaoGL iluminacao) {
        Triangulos.Modo = GL_TRIANGLES;
        Pontos.Modo = GL_POINTS;
        Triangulos.Vertices = cena.Triangulos.size() / 3 * 3;
        Segmentos.Vertices = cena.Segmentos.size() / 2 * 2;
        Pontos.Vertices = cena.Pontos.size();
        ListasDe(cena, libera);
        if (!cena.Instancias.empty()) Glifos = std::make_unique<TGlifosGL>(cena);
        if (!cena.Extremos.Vazia())
            for (std::size_t i = 0; i < 3; ++i) {
                Caixa.Min[i] = cena.Extremos.Min[i] - cena.Origem[i];
                Caixa.Max[i] = cena.Extremos.Max[i] - cena.Origem[i];
            }
        if (libera) {
            libera->Instancias = {};
            libera->GlifoDaInstancia = {};
            libera->Glifos = {};
        }
        Segmentos.Modo = GL_LINES;

        ContextoComBuffers = VersaoAoMenos(1, 5);
        if (Triangulos.Vertices > 0 && iluminacao == TIluminacaoGL::PropriaSePossivel &&
            VersaoAoMenos(2, 0)) {
            TDirecoes direcoes;
            LuzesDoPrograma = LuzesAgora(direcoes);
            Iluminacao = CompilaIluminacao(LuzesDoPrograma);
            IluminacaoPropria = Iluminacao != 0;
            if (Iluminacao) LocalDasDirecoes = glGetUniformLocation(Iluminacao, "Direcao");
        }
        const bool tenta =
            ContextoComBuffers && armazenamento == TArmazenamentoGL::BuffersSePossivel;
        EmBuffers = tenta && EnviaAosBuffers(); // refused: the vertices in memory
        if (!tenta) CopiaParaMemoria();
        for (TVerticesCena* vertices : Libera)
            if (vertices) vertices->clear();
        if (libera) libera->Segmentos.clear();
        for (TVerticesCena& copia : Copias)
            copia.clear();
        De.clear();
        Libera.clear();
    }
};

TCenaGL::TCenaGL(const TCena& cena, TArmazenamentoGL armazenamento, TIluminacaoGL iluminacao)
    : dados_(std::make_unique<Dados>()) {
    dados_->Prepara(cena, nullptr, armazenamento, iluminacao);
}

TCenaGL::TCenaGL(TCena& cena, TLiberaVertices, TArmazenamentoGL armazenamento,
                 TIluminacaoGL iluminacao)
    : dados_(std::make_unique<Dados>()) {
    dados_->Prepara(cena, &cena, armazenamento, iluminacao);
}

TCenaGL::~TCenaGL() = default;

float LarguraEmPixels(std::uint8_t espessura) {
    // At 96 pixels an inch, as CAD programs show weights on screen; 0.25 mm and thinner: one.
    return std::max(1.0f, std::round(static_cast<float>(espessura) / 100.0f * 96.0f / 25.4f));
}

void TCenaGL::Desenha(bool espessuras) const {
    Dados& d = *dados_; // the lighting program may be made again for other lights
    if (ChamadasDeDesenho() == 0) return;

    // The current colour and normal are left undefined by drawing from arrays. The client
    // vertex-array group holds the array buffer binding too.
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POINT_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    // Arrays the caller left enabled would be read by glDrawArrays, past their end.
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_INDEX_ARRAY);
    glDisableClientState(GL_EDGE_FLAG_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);

    const auto desenhaLista = [&](const TLista& lista, bool normais) {
        if (lista.Vertices == 0) return;
        for (std::size_t b = 0; b < lista.Buffers.size(); ++b) {
            glBindBuffer(GL_ARRAY_BUFFER, lista.Buffers[b]);
            ApontaArrays(0, normais); // offsets into the buffer bound
            glDrawArrays(lista.Modo, 0, static_cast<GLsizei>(lista.NoBuffer(b)));
        }
        if (!lista.Buffers.empty()) return;
        // Pointers into memory need no buffer bound: with one, they would be offsets into it.
        if (d.ContextoComBuffers) glBindBuffer(GL_ARRAY_BUFFER, 0);
        for (std::size_t inicio = 0; inicio < lista.Vertices; inicio += MaximoPorChamada) {
            ApontaArrays(reinterpret_cast<std::uintptr_t>(lista.Memoria.data() + inicio), normais);
            const std::size_t n = std::min(MaximoPorChamada, lista.Vertices - inicio);
            glDrawArrays(lista.Modo, 0, static_cast<GLsizei>(n));
        }
    };

    // Vertices inicio to fim of a list, in its buffers or in memory.
    const auto desenhaTrecho = [&](const TLista& lista, std::size_t inicio, std::size_t fim,
                                   bool normais) {
        for (std::size_t b = 0; b < lista.Buffers.size(); ++b) {
            const std::size_t de = b * lista.PorBuffer, ate = de + lista.NoBuffer(b);
            if (ate <= inicio || de >= fim) continue;
            glBindBuffer(GL_ARRAY_BUFFER, lista.Buffers[b]);
            ApontaArrays(0, normais);
            const std::size_t primeiro = std::max(inicio, de);
            glDrawArrays(lista.Modo, GLint(primeiro - de), GLsizei(std::min(fim, ate) - primeiro));
        }
        if (!lista.Buffers.empty()) return;
        if (d.ContextoComBuffers) glBindBuffer(GL_ARRAY_BUFFER, 0);
        for (std::size_t i = inicio; i < fim; i += MaximoPorChamada) {
            ApontaArrays(reinterpret_cast<std::uintptr_t>(lista.Memoria.data() + i), normais);
            glDrawArrays(lista.Modo, 0, GLsizei(std::min(MaximoPorChamada, fim - i)));
        }
    };

    // A list whole where nothing of it is hidden and its runs need no widths, else run by
    // run, the hidden layers' left out.
    const bool algumaOculta = d.AlgumaOculta();
    const auto desenhaGrupos = [&](const TLista& lista, const std::vector<TGrupoGL>& grupos,
                                   bool normais, bool larguras) {
        if (!algumaOculta && !larguras) return desenhaLista(lista, normais);
        std::size_t inicio = 0;
        for (const TGrupoGL& g : grupos) {
            if (!d.Oculta(g.Camada)) {
                if (larguras) glLineWidth(LarguraEmPixels(g.Espessura));
                desenhaTrecho(lista, inicio, std::min(g.Fim, lista.Vertices), normais);
            }
            inicio = g.Fim;
        }
    };

    if (d.Triangulos.Vertices > 0) {
        // DXF faces have no front side: both sides show, lit on the side seen, in their own
        // colour. The normals are unit, but the model-view may scale them.
        glEnable(GL_LIGHTING);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glDisable(GL_CULL_FACE);
        glEnable(GL_NORMALIZE);
        glEnableClientState(GL_NORMAL_ARRAY);
        GLint anterior = 0;
        if (d.IluminacaoPropria) {
            TDirecoes direcoes;
            if (const TLuzes luzes = LuzesAgora(direcoes); !(luzes == d.LuzesDoPrograma)) {
                if (d.Iluminacao) glDeleteProgram(d.Iluminacao);
                d.LuzesDoPrograma = luzes;
                d.Iluminacao = CompilaIluminacao(luzes); // 0: OpenGL's lighting this time
                d.LocalDasDirecoes =
                    d.Iluminacao ? glGetUniformLocation(d.Iluminacao, "Direcao") : -1;
            }
            glGetIntegerv(GL_CURRENT_PROGRAM, &anterior);
            if (d.Iluminacao) {
                glUseProgram(d.Iluminacao);
                glUniform3fv(d.LocalDasDirecoes, 8, direcoes[0].data());
            }
        }
        desenhaGrupos(d.Triangulos, d.GruposDosTriangulos, true, false);
        if (d.IluminacaoPropria) glUseProgram(static_cast<GLuint>(anterior));
        glDisableClientState(GL_NORMAL_ARRAY);
    }
    // Lines and points show in their colours, not shaded by a normal.
    glDisable(GL_LIGHTING);
    glPointSize(3.0f);
    glLineWidth(1.0f);
    desenhaGrupos(d.Segmentos, d.GruposDosSegmentos, false, espessuras);
    desenhaGrupos(d.Pontos, d.GruposDosPontos, false, false);
    if (d.Glifos) {
        if (d.ContextoComBuffers && !d.Glifos->Instanciados()) glBindBuffer(GL_ARRAY_BUFFER, 0);
        d.Glifos->Desenha(d.Caixa, d.Ocultas);
    }

    glPopClientAttrib();
    glPopAttrib();
}

int TCenaGL::ChamadasDeDesenho() const {
    const Dados& d = *dados_;
    return d.Triangulos.Chamadas() + d.Segmentos.Chamadas() + d.Pontos.Chamadas() +
           (d.Glifos ? d.Glifos->Chamadas() : 0);
}

void TCenaGL::MostraCamada(std::size_t camada, bool mostra) {
    std::vector<bool>& ocultas = dados_->Ocultas;
    if (camada >= 0xFFFF) return;
    if (ocultas.size() <= camada) ocultas.resize(camada + 1, false);
    ocultas[camada] = !mostra;
}

bool TCenaGL::EmBuffers() const {
    return dados_->EmBuffers;
}

bool TCenaGL::IluminacaoPropria() const {
    return dados_->IluminacaoPropria;
}
