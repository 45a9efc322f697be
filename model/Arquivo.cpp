#include "Arquivo.h"

#include "ErroDXF.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
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
