#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A file in the temporary folder, removed when the object goes.
class ArquivoTemporario {
  public:
    explicit ArquivoTemporario(std::string_view conteudo);
    ~ArquivoTemporario();
    ArquivoTemporario(const ArquivoTemporario&) = delete;
    ArquivoTemporario& operator=(const ArquivoTemporario&) = delete;
    const std::string& Nome() const { return nome_; }

  private:
    std::string nome_;
};

// `linhas` with every '\n' replaced by `fimDeLinha`.
std::string ComFimDeLinha(std::string_view linhas, std::string_view fimDeLinha = "\r\n");

// Writes `linhas` (lines ended by '\n', written with `fimDeLinha`) to a temporary file and
// loads it. The load's error message, or nothing when it succeeded.
std::optional<std::string> Carrega(std::string_view linhas, std::string_view fimDeLinha = "\r\n");
// Loads `conteudo` byte for byte.
std::optional<std::string> CarregaBytes(std::string_view conteudo);
std::optional<std::string> CarregaArquivo(const std::string& nome);
// The same, reading the file in pieces of `tamanhoLeitura` bytes.
std::optional<std::string> CarregaArquivo(const std::string& nome, std::size_t tamanhoLeitura);

// A file with one ENTITIES section holding `corpo`, then 0/EOF.
std::string SoEntidades(std::string_view corpo);
