#include "Arquivo.h"

#include "ErroDXF.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// A missing name whose folder exists is a missing file; otherwise the path itself is wrong.
bool PastaExiste(const std::string& nome) {
    std::filesystem::path pasta = std::filesystem::path(nome).parent_path();
    if (pasta.empty()) return true;
    std::error_code erro;
    return std::filesystem::is_directory(pasta, erro);
}

} // namespace

std::string MensagemDeAbertura(int erro, const std::string& nome) {
    switch (erro) {
    case ENOENT:
        return PastaExiste(nome) ? "File not found" : "Invalid filename";
    case ENOTDIR:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(erro);
    }
}

ArquivoAberto::ArquivoAberto(const std::string& nome)
    : descritor_(::open(nome.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (descritor_ < 0) throw ErroDXF(MensagemDeAbertura(errno, nome));
}

ArquivoAberto::~ArquivoAberto() {
    ::close(descritor_);
}

std::optional<std::uint64_t> ArquivoAberto::Tamanho() const {
    struct stat estado;
    if (::fstat(descritor_, &estado) != 0 || !S_ISREG(estado.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(estado.st_size);
}

std::optional<std::uint64_t> ArquivoAberto::LinhaDaPosicao(std::uint64_t posicao) const {
    const auto tamanho = Tamanho();
    if (!tamanho) return std::nullopt;
    if (posicao >= *tamanho) posicao = *tamanho > 0 ? *tamanho - 1 : 0;
    // A CR LF pair ends its line at the LF; a lone CR or LF at itself. The lines ended before
    // `posicao` are counted, the byte after it read only to pair a CR that comes just before.
    std::uint64_t fins = 0;
    bool cr = false;
    std::array<char, 1 << 16> bloco;
    for (std::uint64_t lido = 0; lido <= posicao;) {
        const std::uint64_t pedir = std::min<std::uint64_t>(bloco.size(), posicao + 1 - lido);
        const ssize_t n = ::pread(descritor_, bloco.data(), pedir, static_cast<off_t>(lido));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        for (ssize_t i = 0; i < n; ++i, ++lido) {
            const char c = bloco[static_cast<std::size_t>(i)];
            if (lido == posicao) return fins + (cr && c != '\n' ? 1 : 0) + 1;
            if (c == '\n') {
                ++fins;
                cr = false;
            } else {
                if (cr) ++fins;
                cr = c == '\r';
            }
        }
    }
    return std::nullopt;
}
