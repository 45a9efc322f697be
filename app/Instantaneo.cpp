#include "Instantaneo.h"

#include "LeDXF.h"

#include <array>

namespace {

std::array<float, 3> PosicaoAtual(const TOGLCamera& camera) {
    return {camera.Position().X(), camera.Position().Y(), camera.Position().Z()};
}

} // namespace

QImage ImagemDaVista(TForm1& janela) {
    QImage imagem;
    for (int vez = 0; vez < 3; ++vez) {
        const auto antes = PosicaoAtual(janela.Cam);
        imagem = janela.View3D->grabFramebuffer();
        if (vez > 0 && PosicaoAtual(janela.Cam) == antes) break;
    }
    return janela.View3D->HasContext() ? imagem : QImage();
}
