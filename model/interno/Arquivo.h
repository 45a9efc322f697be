#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A file open for reading, closed when the object goes. Opening failures throw ErroDXF
// with the user's message for the system's error.
class ArquivoAberto {
  public:
    explicit ArquivoAberto(const std::string& nome);
    ~ArquivoAberto();
    ArquivoAberto(const ArquivoAberto&) = delete;
    ArquivoAberto& operator=(const ArquivoAberto&) = delete;

    int Descritor() const { return descritor_; }

    // The file's size in bytes; none when the system cannot tell (not a regular file).
    std::optional<std::uint64_t> Tamanho() const;

    // The line (counted from 1) that holds the byte at `posicao`, read again from the file;
    // a position at the end counts as the last byte's. A line ends at a CR, a CR LF pair or
    // a lone LF, as the reader takes them. None when the file cannot be read again.
    std::optional<std::uint64_t> LinhaDaPosicao(std::uint64_t posicao) const;

  private:
    int descritor_;
};

// The message for an error `erro` (errno) met while opening the file `nome`.
std::string MensagemDeAbertura(int erro, const std::string& nome);
