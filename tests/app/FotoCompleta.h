#pragma once

// Pictures of the "Desenho completo" mode made by dxfsnap --completo, and what tests look for
// in them: pixels of a tone in a region, and where a world point of a flat drawing shows.

#include "Ajuda.h"

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

enum class Tom { Vermelho, Verde, Azul, Amarelo, Branco, Tinta };

inline bool DoTom(QColor c, Tom tom) {
    const int r = c.red(), g = c.green(), b = c.blue();
    switch (tom) {
    case Tom::Vermelho:
        return r > 120 && g < r / 3 && b < r / 3;
    case Tom::Verde:
        return g > 120 && r < g / 3 && b < g / 3;
    case Tom::Azul:
        return b > 120 && r < b / 3 && g < b / 3;
    case Tom::Amarelo:
        return r > 120 && g > 120 && b < r / 3;
    case Tom::Branco:
        return r > 200 && g > 200 && b > 200;
    case Tom::Tinta:
        return qGray(c.rgb()) > 8;
    }
    return false;
}

// Pixels of the tone within the rectangle (clipped to the picture).
inline int Conta(const QImage& imagem, QRect area, Tom tom) {
    area &= imagem.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += DoTom(imagem.pixelColor(x, y), tom);
    return n;
}

// The 521 x 297 view in parts.
inline const QRect Vista(0, 0, 521, 297), Esquerda(0, 0, 255, 297), Direita(266, 0, 255, 297),
    Cima(0, 0, 521, 140), Baixo(0, 157, 521, 140);

// Where the world point (x, y) of a flat drawing whose extents are min..max shows, framed as
// the mode frames it: from above, at a 100 degree field of view, the limiting side filling
// 95 % of the view, centred.
inline QPoint NaVista(std::array<double, 2> min, std::array<double, 2> max, double x, double y) {
    const double tangente = std::tan(50 * std::numbers::pi / 180), aspecto = 521.0 / 297;
    const double distancia =
        std::max((max[1] - min[1]) / 2 / tangente, (max[0] - min[0]) / 2 / (tangente * aspecto)) /
        0.95;
    const double pixelsPorUnidade = 148.5 / (distancia * tangente);
    return {int(std::lround(260.5 + (x - (min[0] + max[0]) / 2) * pixelsPorUnidade - 0.5)),
            int(std::lround(148.5 - (y - (min[1] + max[1]) / 2) * pixelsPorUnidade - 0.5))};
}

inline QRect Redor(QPoint p, int raio = 2) {
    return {p.x() - raio, p.y() - raio, 2 * raio + 1, 2 * raio + 1};
}

// The picture dxfsnap --completo makes of the drawing, with more options if given.
inline QImage Foto(const QTemporaryDir& pasta, const QString& desenho,
                   const QStringList& opcoes = {}) {
    static int numero = 0;
    const QString saida = pasta.filePath(QStringLiteral("completo%1.png").arg(++numero));
    const auto [status, saidaDoSnap] =
        Executa(DXFSNAP, QStringList{desenho, saida, "--completo"} + opcoes);
    EXPECT_EQ(status, 0) << saidaDoSnap.toStdString();
    return QImage(saida);
}
