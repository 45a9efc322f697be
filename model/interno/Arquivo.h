#pragma once

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

  private:
    int descritor_;
};

// The message for an error `erro` (errno) met while opening the file `nome`.
std::string MensagemDeAbertura(int erro, const std::string& nome);
