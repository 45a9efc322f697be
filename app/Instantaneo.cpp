#include "Instantaneo.h"

#include "OGLCam.h"
#include "OGLView.h"

#include <array>

namespace {

std::array<float, 3> PosicaoAtual(const TOGLCamera& camera) {
    return {camera.Position().X(), camera.Position().Y(), camera.Position().Z()};
}

} // namespace

QImage ImagemDaVista(const std::function<QImage()>& desenha, const TOGLCamera& camera) {
    QImage imagem;
    for (int vez = 0; vez < 3; ++vez) {
        const auto antes = PosicaoAtual(camera);
        imagem = desenha();
        if (vez > 0 && PosicaoAtual(camera) == antes) break;
    }
    return imagem;
}

QImage ImagemDaVista(TOGLView& vista, const TOGLCamera& camera) {
    const QImage imagem = ImagemDaVista([&] { return vista.grabFramebuffer(); }, camera);
    return vista.HasContext() ? imagem : QImage();
}
