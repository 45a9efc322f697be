#pragma once

#include "Leitores.h"
#include "UDXF.h"

#include <array>
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

// Loads the file, read in pieces of `tamanhoLeitura` bytes: the error message, or nothing.
std::optional<std::string> CarregaArquivo(const std::string& nome,
                                          std::size_t tamanhoLeitura = Entrada::TamanhoLeitura);
// Loads `conteudo` byte for byte.
std::optional<std::string> CarregaBytes(std::string_view conteudo);
// Loads `linhas` (lines ended by '\n') written with `fimDeLinha`.
std::optional<std::string> Carrega(std::string_view linhas, std::string_view fimDeLinha = "\r\n");

// A file with one ENTITIES section holding `corpo`, then 0/EOF.
std::string SoEntidades(std::string_view corpo);
// A LINE on layer L from (1, 2, 3) to (4, 5, 6).
inline const std::string LinhaDXF = "0\nLINE\n8\nL\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n";

using Tripla = std::array<long double, 3>;
inline Tripla Em(const std::optional<TPonto3D>& p) {
    return {p.value().X, p.value().Y, p.value().Z};
}
inline Tripla Em(const std::optional<TCor>& c) {
    return {c.value().R, c.value().G, c.value().B};
}
// XMin, YMin, ZMin, XMax, YMax, ZMax after the last load.
std::array<long double, 6> ExtremosLidos();
inline constexpr std::array<long double, 6> SemExtremos{50000,  50000,  50000,
                                                        -50000, -50000, -50000};
