#include "ProgramaGL.h"

bool VersaoAoMenos(int maiorMinimo, int menorMinimo) {
    const auto* versao = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!versao) return false; // no context current
    // "major.minor[.release] vendor text"; an OpenGL ES string starts otherwise and reads 0.0.
    int maior = 0, menor = 0;
    const char* p = versao;
    for (; *p >= '0' && *p <= '9' && maior < 100; ++p)
        maior = maior * 10 + (*p - '0');
    if (*p == '.')
        for (++p; *p >= '0' && *p <= '9' && menor < 100; ++p)
            menor = menor * 10 + (*p - '0');
    return maior > maiorMinimo || (maior == maiorMinimo && menor >= menorMinimo);
}

GLuint CompilaPrograma(const std::string& fonte,
                       const std::vector<std::pair<GLuint, const char*>>& atributos) {
    const GLuint sombreador = glCreateShader(GL_VERTEX_SHADER);
    if (!sombreador) return 0;
    const char* texto = fonte.c_str();
    glShaderSource(sombreador, 1, &texto, nullptr);
    glCompileShader(sombreador);
    GLint certo = GL_FALSE;
    glGetShaderiv(sombreador, GL_COMPILE_STATUS, &certo);
    const GLuint programa = certo ? glCreateProgram() : 0;
    if (programa) {
        glAttachShader(programa, sombreador);
        for (const auto& [local, nome] : atributos)
            glBindAttribLocation(programa, local, nome);
        glLinkProgram(programa);
        glGetProgramiv(programa, GL_LINK_STATUS, &certo);
    }
    glDeleteShader(sombreador); // kept alive by the program while attached
    if (programa && !certo) {
        glDeleteProgram(programa);
        return 0;
    }
    return programa;
}
