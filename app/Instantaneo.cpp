#include "Instantaneo.h"

#include "OGLCam.h"
#include "OGLView.h"

#include <array>

namespace {

std::array<float, 3> PosicaoAtual(const TOGLCamera& camera) {
    return {camera.Position().X(), camera.Position().Y(), camera.Position().Z()};
}

} // namespace

QImage ImagemDaVista(TOGLView& vista, const TOGLCamera& camera) {
    QImage imagem;
    for (int vez = 0; vez < 3; ++vez) {
        const auto antes = PosicaoAtual(camera);
        imagem = vista.grabFramebuffer();
        if (vez > 0 && PosicaoAtual(camera) == antes) break;
    }
    return vista.HasContext() ? imagem : QImage();
}
