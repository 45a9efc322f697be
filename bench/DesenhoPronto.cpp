#include "DesenhoPronto.h"

#include "UAux.h"
#include "UDXF.h"
#include "UExibe.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <string>

namespace {

using Vertice = TDesenhoPronto::Vertice;
using Listas = TDesenhoPronto::Listas;

Vertice Floats(const TPonto3D& p) {
    return {p.X.ComoFloat(), p.Y.ComoFloat(), p.Z.ComoFloat()};
}

// The faces, lines, arcs, circles and polyface triangles of the lists, as the drawing
// routines would send them.
TDesenhoPronto::Face Prepara(const TFace3D& f) {
    TDesenhoPronto::Face face{};
    if (!f.Cor) {
        face.modoCor = TDesenhoPronto::Face::Cor::Padrao;
    } else if (f.Cor->R == 256 || f.Cor->G == 256 || f.Cor->B == 256) {
        face.modoCor = TDesenhoPronto::Face::Cor::Mantem;
    } else {
        face.modoCor = TDesenhoPronto::Face::Cor::Propria;
        face.cor = {f.Cor->R.ComoFloat(), f.Cor->G.ComoFloat(), f.Cor->B.ComoFloat()};
    }
    const auto n = VetorNormalDaFace(f.Pontos[0], f.Pontos[1], f.Pontos[2]);
    face.normal = {-static_cast<float>(n[0]), -static_cast<float>(n[1]), -static_cast<float>(n[2])};
    const int cantos = f.Pontos.Count();
    face.cantos = cantos > 3 ? 6 : 3;
    const int ordem[] = {0, 1, 2, 0, 2, 3};
    for (int k = 0; k < face.cantos; ++k)
        face.v[k] = Floats(f.Pontos[ordem[k]]);
    return face;
}

// A fan of points on the circle of `raio` about `centro`, from the angle `inicio` in steps
// of `passo` (each sum held as a Real) while below `fim`, at most `maximo` of them.
std::vector<Vertice> Leque(const TPonto3D& centro, Real raio, Real inicio, long double passo,
                           long double fim, int maximo) {
    std::vector<Vertice> leque;
    Real a = inicio;
    for (int n = 0; a < fim && n < maximo; ++n) {
        const long double angulo = a;
        leque.push_back({static_cast<float>(centro.X + raio * std::cos(angulo)),
                         static_cast<float>(centro.Y + raio * std::sin(angulo)),
                         centro.Z.ComoFloat()});
        a = a + passo;
    }
    return leque;
}

void PreparaArcos(const TList<TArco>& arcos, Listas& l) {
    constexpr long double pi = std::numbers::pi_v<long double>;
    for (const TArco& arco : arcos) {
        if (!arco.Centro) continue;
        long double fimGraus = arco.AngFim;
        if (arco.AngFim < arco.AngIni) fimGraus += 360;
        l.arcos.push_back(Leque(*arco.Centro, arco.Raio, arco.AngIni * pi / 180, 0.157L,
                                fimGraus * pi / 180, 41));
    }
}

void PreparaCirculos(const TList<TCirculo>& circulos, Listas& l) {
    for (const TCirculo& c : circulos)
        if (c.Centro)
            l.circulos.push_back(Leque(*c.Centro, c.Raio, 0, 0.448571428571428571L, 6.3L, 15));
}

const TPonto3D* Vertice_(const TPolyLine& p, std::int32_t numero) {
    const long long i = std::llabs(numero) - 1;
    if (i < 0 || i >= p.Vertices.Count()) return nullptr;
    const auto& ponto = p.Vertices[static_cast<int>(i)].Ponto;
    return ponto ? &*ponto : nullptr;
}

void PreparaPolyLines(const TList<TPolyLine>& polylines, Listas& l) {
    for (const TPolyLine& p : polylines) {
        if (!(p.Flags > 255 || (p.Flags >= 0 && (p.Flags & 64)))) continue;
        for (const TFace& f : p.Faces) {
            const TPonto3D *v1 = Vertice_(p, f.V1), *v2 = Vertice_(p, f.V2),
                           *v3 = Vertice_(p, f.V3);
            if (!v1 || !v2 || !v3) continue;
            l.triangulosPoly.push_back({Floats(*v1), Floats(*v2), Floats(*v3)});
            if (f.V4 == 0) continue;
            if (const TPonto3D* v4 = Vertice_(p, f.V4))
                l.triangulosPoly.push_back({Floats(*v1), Floats(*v3), Floats(*v4)});
        }
    }
}

Listas PreparaListas(const TList<TFace3D>& faces, const TList<TLinha>& linhas,
                     const TList<TArco>& arcos, const TList<TCirculo>& circulos,
                     const TList<TPolyLine>& polylines) {
    Listas l;
    for (const TFace3D& f : faces)
        if (f.Pontos.Count() >= 3) l.faces.push_back(Prepara(f));
    for (const TLinha& linha : linhas)
        if (linha.P1 && linha.P2) l.linhas.push_back({Floats(*linha.P1), Floats(*linha.P2)});
    PreparaArcos(arcos, l);
    PreparaCirculos(circulos, l);
    PreparaPolyLines(polylines, l);
    return l;
}

void DesenhaFaces(const std::vector<TDesenhoPronto::Face>& faces) {
    for (const auto& f : faces) {
        if (f.modoCor == TDesenhoPronto::Face::Cor::Padrao)
            glColor3f(0.5f, 0.5f, 0.6f);
        else if (f.modoCor == TDesenhoPronto::Face::Cor::Propria)
            glColor3fv(f.cor.data());
        glBegin(GL_TRIANGLES);
        glNormal3fv(f.normal.data());
        for (int k = 0; k < f.cantos; ++k)
            glVertex3fv(f.v[k].data());
        glEnd();
    }
}

void DesenhaLeques(const std::vector<std::vector<Vertice>>& leques) {
    glColor3f(1, 0, 0);
    for (const auto& leque : leques) {
        glBegin(GL_TRIANGLE_FAN);
        for (const Vertice& v : leque)
            glVertex3fv(v.data());
        glEnd();
    }
}

// In the paint's order: faces, lines, arcs, polylines, circles.
void DesenhaListas(const Listas& l) {
    DesenhaFaces(l.faces);
    for (const auto& linha : l.linhas) {
        glBegin(GL_LINES);
        glColor4f(1, 0, 0, 0.3f);
        glVertex3fv(linha[0].data());
        glVertex3fv(linha[1].data());
        glEnd();
    }
    DesenhaLeques(l.arcos);
    for (const auto& t : l.triangulosPoly) {
        glBegin(GL_TRIANGLE_STRIP);
        for (const Vertice& v : t)
            glVertex3fv(v.data());
        glEnd();
    }
    DesenhaLeques(l.circulos);
}

} // namespace

TDesenhoPronto::TDesenhoPronto() {
    principal_ = PreparaListas(Faces3D, Linhas, Arcos, Circulos, PolyLines);
    Conta(principal_, 1);
    std::map<const TBloco*, int> indices;
    for (const TInsert& ins : Inserts) {
        const TBloco* bloco = ProcuraBloco(ins.NomeBloco);
        if (!bloco) continue;
        auto [onde, novo] = indices.try_emplace(bloco, static_cast<int>(blocos_.size()));
        if (novo)
            blocos_.push_back(PreparaListas(bloco->Elementos.Faces3D, bloco->Elementos.Linhas,
                                            bloco->Elementos.Arcos, bloco->Elementos.Circulos,
                                            bloco->Elementos.PolyLines));
        Insercao i{};
        i.bloco = onde->second;
        if (const auto& p = ins.Ponto; p && (p->X != 0 || p->Y != 0 || p->Z != 0))
            i.translada = Floats(*p);
        if (ins.Rotacao != 0) {
            const TPonto3D eixo = ins.Extrusao.value_or(TPonto3D{0, 0, 1});
            i.gira = std::array<float, 4>{ins.Rotacao.ComoFloat(), eixo.X.ComoFloat(),
                                          eixo.Y.ComoFloat(), eixo.Z.ComoFloat()};
        }
        if (ins.EscalaX != 1 || ins.EscalaY != 1 || ins.EscalaZ != 1)
            i.escala =
                Vertice{ins.EscalaX.ComoFloat(), ins.EscalaY.ComoFloat(), ins.EscalaZ.ComoFloat()};
        if (ins.Cor)
            i.cor = Vertice{ins.Cor->R.ComoFloat(), ins.Cor->G.ComoFloat(), ins.Cor->B.ComoFloat()};
        insercoes_.push_back(i);
        Conta(blocos_[i.bloco], 1);
    }
}

void TDesenhoPronto::Conta(const Listas& l, long long vezes) {
    long long t = 0, v = 0;
    for (const auto& f : l.faces) {
        t += f.cantos / 3;
        v += f.cantos;
    }
    v += 2 * static_cast<long long>(l.linhas.size());
    for (const auto* leques : {&l.arcos, &l.circulos})
        for (const auto& leque : *leques) {
            t += std::max<long long>(0, static_cast<long long>(leque.size()) - 2);
            v += static_cast<long long>(leque.size());
        }
    t += static_cast<long long>(l.triangulosPoly.size());
    v += 3 * static_cast<long long>(l.triangulosPoly.size());
    triangulos_ += vezes * t;
    vertices_ += vezes * v;
}

void TDesenhoPronto::Desenha() const {
    DesenhaListas(principal_);
    for (const Insercao& i : insercoes_) {
        glPushMatrix();
        if (i.translada) glTranslatef((*i.translada)[0], (*i.translada)[1], (*i.translada)[2]);
        if (i.gira) glRotatef((*i.gira)[0], (*i.gira)[1], (*i.gira)[2], (*i.gira)[3]);
        if (i.escala) glScalef((*i.escala)[0], (*i.escala)[1], (*i.escala)[2]);
        if (i.cor) glColor3fv(i.cor->data());
        DesenhaListas(blocos_[i.bloco]);
        glPopMatrix();
    }
}
