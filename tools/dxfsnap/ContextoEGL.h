#pragma once

// An OpenGL context with no display at all: Mesa's surfaceless EGL platform, compatibility
// profile, drawing into a frame buffer object of the picture's size. What dxfsnap draws with
// where Qt's platform has no OpenGL (QT_QPA_PLATFORM=offscreen, a server, a thumbnailer).

#include <QImage>

#include <memory>
#include <string>

class TContextoEGL {
  public:
    // Made current at once; Erro() says why when it cannot be had.
    TContextoEGL(int largura, int altura);
    ~TContextoEGL();
    TContextoEGL(const TContextoEGL&) = delete;
    TContextoEGL& operator=(const TContextoEGL&) = delete;

    const std::string& Erro() const;
    // The frame buffer's picture, top row first.
    QImage Imagem() const;

  private:
    struct Dados;
    std::unique_ptr<Dados> dados_;
};
