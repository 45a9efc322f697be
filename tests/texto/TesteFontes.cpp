// Glyphs as triangles: capital height, holes, missing characters, font resolution.

#include "Fontes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

TFontes& Fontes() {
    static TFontes f;
    return f;
}

double Area(const TGlifo& g) {
    double a = 0;
    for (std::size_t i = 0; i + 2 < g.Triangulos.size(); i += 3) {
        const auto &p = g.Triangulos[i], &q = g.Triangulos[i + 1], &r = g.Triangulos[i + 2];
        a += ((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])) / 2;
    }
    return a;
}

bool Cobre(const TGlifo& g, double x, double y) {
    for (std::size_t i = 0; i + 2 < g.Triangulos.size(); i += 3) {
        const auto &p = g.Triangulos[i], &q = g.Triangulos[i + 1], &r = g.Triangulos[i + 2];
        const auto lado = [&](const auto& a, const auto& b) {
            return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]);
        };
        if (lado(p, q) >= 0 && lado(q, r) >= 0 && lado(r, p) >= 0) return true;
    }
    return false;
}

std::array<float, 4> Caixa(const TGlifo& g) {
    std::array<float, 4> c{1e9f, 1e9f, -1e9f, -1e9f};
    for (const auto& p : g.Triangulos)
        c = {std::min(c[0], p[0]), std::min(c[1], p[1]), std::max(c[2], p[0]),
             std::max(c[3], p[1])};
    return c;
}

TEST(Glifos, AlturaDoHEhUm) {
    for (const char* arquivo : {"arial.ttf", "txt", "DejaVuSans.ttf"}) {
        const int face = Fontes().Face({arquivo, "", false, false});
        const auto c = Caixa(Fontes().Glifo(face, 'H'));
        EXPECT_NEAR(c[1], 0, 0.01) << arquivo;
        EXPECT_NEAR(c[3], 1, 0.01) << arquivo;
    }
}

TEST(Glifos, TriangulosAntiHorariosEFuroDoO) {
    const int face = Fontes().Face({"arial.ttf", "", false, false});
    const TGlifo& o = Fontes().Glifo(face, 'o');
    ASSERT_FALSE(o.Triangulos.empty());
    const auto c = Caixa(o);
    const double cx = (c[0] + c[2]) / 2, cy = (c[1] + c[3]) / 2;
    // The ring covers well under the disk of its outer contour.
    const double disco = M_PI * (c[2] - c[0]) * (c[3] - c[1]) / 4;
    EXPECT_LT(Area(o), 0.6 * disco);
    EXPECT_GT(Area(o), 0.2 * disco);
    EXPECT_FALSE(Cobre(o, cx, cy));
    EXPECT_TRUE(Cobre(o, c[0] + 0.03, cy)); // the stroke itself
    for (std::size_t i = 0; i + 2 < o.Triangulos.size(); i += 3) {
        const auto &p = o.Triangulos[i], &q = o.Triangulos[i + 1], &r = o.Triangulos[i + 2];
        ASSERT_GT((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]), 0) << i;
    }
    // 'B' has two holes: the middle of each bowl is uncovered.
    const TGlifo& b = Fontes().Glifo(face, 'B');
    EXPECT_FALSE(Cobre(b, 0.3, 0.25));
    EXPECT_FALSE(Cobre(b, 0.3, 0.75));
}

TEST(Glifos, EspacoSemTriangulosComAvanco) {
    const int face = Fontes().Face({"arial.ttf", "", false, false});
    const TGlifo& espaco = Fontes().Glifo(face, ' ');
    EXPECT_TRUE(espaco.Triangulos.empty());
    EXPECT_GT(espaco.Avanco, 0.2);
    EXPECT_NEAR(Fontes().Glifo(face, '\t').Avanco, 4 * espaco.Avanco, 1e-6);
    // A code point no font has: nothing drawn, a space's room.
    const TGlifo& nenhum = Fontes().Glifo(face, 0x10FFFD);
    EXPECT_TRUE(nenhum.Triangulos.empty());
    EXPECT_FLOAT_EQ(nenhum.Avanco, espaco.Avanco);
}

TEST(Glifos, CaractereAusenteVemDeOutraFace) {
    // Liberation Sans has no ⌀; DejaVu Sans has it, at its own capital height.
    const int face = Fontes().Face({"arial.ttf", "", false, false});
    const auto c = Caixa(Fontes().Glifo(face, 0x2300));
    EXPECT_GT(c[3], 0.5);
    EXPECT_LT(c[3], 1.3);
}

TEST(Resolucao, ArquivosEFamilias) {
    auto& f = Fontes();
    EXPECT_EQ(f.Familia(f.Face({"Arial.TTF", "", false, false})), "Liberation Sans");
    EXPECT_EQ(f.Familia(f.Face({"romans.shx", "", false, false})), "DejaVu Sans");
    EXPECT_EQ(f.Familia(f.Face({"", "", false, false})), "DejaVu Sans");
    EXPECT_NE(f.Familia(f.Face({"monotxt.shx", "", false, false})), "DejaVu Sans");
    EXPECT_EQ(f.Familia(f.Face({"txt", "Liberation Serif", false, false})), "Liberation Serif");
    const int negrito = f.Face({"arial.ttf", "", true, false});
    EXPECT_NE(negrito, f.Face({"arial.ttf", "", false, false}));
    EXPECT_NE(f.Arquivo(negrito).find("Bold"), std::string::npos);
    EXPECT_EQ(f.Face({"ARIAL.ttf", "", false, false}), f.Face({"arial.ttf", "", false, false}));
}

TEST(Resolucao, SemFonteAlgumaGlifosVaziosComLargura) {
    // A fontconfig that knows no font directory: nothing to draw, but the room kept.
    const std::string conf = testing::TempDir() + "vazio.conf";
    std::FILE* f = std::fopen(conf.c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs("<?xml version=\"1.0\"?><fontconfig><cachedir>/nonexistent</cachedir></fontconfig>",
               f);
    std::fclose(f);
    const char* antes = std::getenv("FONTCONFIG_FILE");
    const std::string guardado = antes ? antes : "";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    TFontes sem;
    antes ? setenv("FONTCONFIG_FILE", guardado.c_str(), 1) : unsetenv("FONTCONFIG_FILE");
    const int face = sem.Face({"arial.ttf", "", false, false});
    EXPECT_EQ(sem.Arquivo(face), "");
    EXPECT_TRUE(sem.Glifo(face, 'H').Triangulos.empty());
    EXPECT_FLOAT_EQ(sem.Glifo(face, 'H').Avanco, 0.6f);
    EXPECT_TRUE(sem.Glifo(face + 7, 'x').Triangulos.empty()); // any face id is safe
}

} // namespace
