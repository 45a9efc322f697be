#include "ContextoEGL.h"

#define GL_GLEXT_PROTOTYPES 1
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

struct TContextoEGL::Dados {
    EGLDisplay Tela = EGL_NO_DISPLAY;
    EGLContext Contexto = EGL_NO_CONTEXT;
    GLuint Quadro = 0, Cor = 0, Profundidade = 0;
    int Largura = 0, Altura = 0;
    std::string Erro;

    bool Cria() {
        const auto obtem = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!obtem) return Falha("EGL has no eglGetPlatformDisplayEXT");
        Tela = obtem(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (Tela == EGL_NO_DISPLAY || !eglInitialize(Tela, nullptr, nullptr))
            return Falha("Mesa's surfaceless EGL platform is missing");
        if (!eglBindAPI(EGL_OPENGL_API)) return Falha("EGL offers no desktop OpenGL");
        const EGLint atributos[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                    EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig configuracao;
        EGLint n = 0;
        if (!eglChooseConfig(Tela, atributos, &configuracao, 1, &n) || n < 1)
            return Falha("EGL has no configuration for desktop OpenGL");
        const EGLint versao[] = {EGL_CONTEXT_MAJOR_VERSION,
                                 3,
                                 EGL_CONTEXT_MINOR_VERSION,
                                 3,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                 EGL_NONE};
        Contexto = eglCreateContext(Tela, configuracao, EGL_NO_CONTEXT, versao);
        if (Contexto == EGL_NO_CONTEXT) // an older OpenGL: whatever compatibility one there is
            Contexto = eglCreateContext(Tela, configuracao, EGL_NO_CONTEXT, nullptr);
        if (Contexto == EGL_NO_CONTEXT ||
            !eglMakeCurrent(Tela, EGL_NO_SURFACE, EGL_NO_SURFACE, Contexto))
            return Falha("no OpenGL context could be made without a display");
        glGenFramebuffers(1, &Quadro);
        glBindFramebuffer(GL_FRAMEBUFFER, Quadro);
        glGenRenderbuffers(1, &Cor);
        glBindRenderbuffer(GL_RENDERBUFFER, Cor);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, Largura, Altura);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, Cor);
        glGenRenderbuffers(1, &Profundidade);
        glBindRenderbuffer(GL_RENDERBUFFER, Profundidade);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, Largura, Altura);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                  Profundidade);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
            return Falha("no frame buffer of that size could be made");
        glViewport(0, 0, Largura, Altura);
        return true;
    }

    bool Falha(const char* porque) {
        Erro = porque;
        return false;
    }
};

TContextoEGL::TContextoEGL(int largura, int altura) : dados_(std::make_unique<Dados>()) {
    dados_->Largura = largura;
    dados_->Altura = altura;
    dados_->Cria();
}

TContextoEGL::~TContextoEGL() {
    Dados& d = *dados_;
    if (d.Contexto != EGL_NO_CONTEXT) {
        if (d.Quadro) glDeleteFramebuffers(1, &d.Quadro);
        for (GLuint* buffer : {&d.Cor, &d.Profundidade})
            if (*buffer) glDeleteRenderbuffers(1, buffer);
        eglMakeCurrent(d.Tela, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(d.Tela, d.Contexto);
    }
    if (d.Tela != EGL_NO_DISPLAY) eglTerminate(d.Tela);
}

const std::string& TContextoEGL::Erro() const {
    return dados_->Erro;
}

QImage TContextoEGL::Imagem() const {
    const Dados& d = *dados_;
    QImage imagem(d.Largura, d.Altura, QImage::Format_RGBA8888);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, d.Largura, d.Altura, GL_RGBA, GL_UNSIGNED_BYTE, imagem.bits());
    return imagem.mirrored().convertToFormat(QImage::Format_RGB32);
}
