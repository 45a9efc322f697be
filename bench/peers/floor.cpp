// The floor for any DXF reader that converts every number: the file read in 1 MiB pieces,
// each line found with memchr, every group code and every numeric value converted with
// std::from_chars, nothing kept. Prints the number of groups and a checksum of the values.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

enum class Tipo { Texto, Real, Inteiro };

// What a group code's value is, by the DXF ranges of group codes.
Tipo TipoDoCodigo(int c) {
    if ((c >= 10 && c <= 59) || (c >= 110 && c <= 149) || (c >= 210 && c <= 239) ||
        (c >= 1010 && c <= 1059))
        return Tipo::Real;
    if ((c >= 60 && c <= 99) || (c >= 170 && c <= 179) || (c >= 270 && c <= 289) ||
        (c >= 370 && c <= 389) || (c >= 400 && c <= 409) || (c >= 1060 && c <= 1071))
        return Tipo::Inteiro;
    return Tipo::Texto;
}

std::string_view SemBrancos(const char* inicio, const char* fim) {
    while (inicio < fim && static_cast<unsigned char>(*inicio) <= ' ')
        ++inicio;
    while (fim > inicio && static_cast<unsigned char>(fim[-1]) <= ' ')
        --fim;
    return {inicio, static_cast<std::size_t>(fim - inicio)};
}

struct Contagem {
    long long grupos = 0;
    double soma = 0;
    bool ehCodigo = true;
    Tipo tipo = Tipo::Texto;

    void Linha(const char* inicio, const char* fim) {
        std::string_view s = SemBrancos(inicio, fim);
        if (ehCodigo) {
            int codigo = 0;
            std::from_chars(s.data(), s.data() + s.size(), codigo);
            tipo = TipoDoCodigo(codigo);
            ++grupos;
        } else if (tipo == Tipo::Real) {
            double v = 0;
            std::from_chars(s.data(), s.data() + s.size(), v);
            soma += v;
        } else if (tipo == Tipo::Inteiro) {
            int v = 0;
            std::from_chars(s.data(), s.data() + s.size(), v);
            soma += v;
        }
        ehCodigo = !ehCodigo;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: floor FILE\n");
        return 2;
    }
    int fd = ::open(argv[1], O_RDONLY);
    if (fd < 0) {
        std::perror(argv[1]);
        return 1;
    }
    constexpr std::size_t Pedaco = std::size_t{1} << 20;
    std::vector<char> buffer(2 * Pedaco);
    std::size_t guardados = 0; // bytes of an unfinished line kept at the front
    Contagem contagem;
    for (;;) {
        if (guardados + Pedaco > buffer.size()) buffer.resize(guardados + Pedaco);
        ssize_t lidos = ::read(fd, buffer.data() + guardados, Pedaco);
        if (lidos < 0) {
            std::perror("read");
            return 1;
        }
        const char* p = buffer.data();
        const char* fim = buffer.data() + guardados + lidos;
        if (lidos == 0) {
            if (p < fim) contagem.Linha(p, fim);
            break;
        }
        while (const char* nl = static_cast<const char*>(std::memchr(p, '\n', fim - p))) {
            contagem.Linha(p, nl);
            p = nl + 1;
        }
        guardados = static_cast<std::size_t>(fim - p);
        std::memmove(buffer.data(), p, guardados);
    }
    ::close(fd);
    std::printf("groups %lld checksum %.6g\n", contagem.grupos, contagem.soma);
    return 0;
}
