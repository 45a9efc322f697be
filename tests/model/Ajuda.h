#pragma once

#include "Leitores.h"
#include "UDXF.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

using Json = nlohmann::ordered_json; // members kept in the order they were written

// A file in the temporary folder, removed when the object goes.
class ArquivoTemporario {
  public:
    explicit ArquivoTemporario(std::string_view conteudo);
    ~ArquivoTemporario();
    ArquivoTemporario(const ArquivoTemporario&) = delete;
    const std::string& Nome() const { return nome_; }

  private:
    std::string nome_;
};

// `linhas` with every '\n' replaced by `fimDeLinha`.
std::string ComFimDeLinha(std::string_view linhas, std::string_view fimDeLinha = "\r\n");

// Loads the file, read in pieces of `tamanhoLeitura` bytes: the load's error, or nothing.
std::optional<ErroDXF> ErroAoCarregar(const std::string& nome,
                                      std::size_t tamanhoLeitura = Entrada::TamanhoLeitura);
// The same, the error's message only.
std::optional<std::string> CarregaArquivo(const std::string& nome,
                                          std::size_t tamanhoLeitura = Entrada::TamanhoLeitura);
// Loads `linhas` (lines ended by '\n') written with CR LF.
std::optional<std::string> Carrega(std::string_view linhas);

// Runs a shell command (its standard error dropped): its exit status and standard output.
std::pair<int, std::string> ExecutaComando(const std::string& comando);

// A file with one ENTITIES section holding `corpo`, then 0/EOF.
std::string SoEntidades(std::string_view corpo);
// A LINE on layer L from (1, 2, 3) to (4, 5, 6).
inline const std::string LinhaDXF = "0\nLINE\n8\nL\n10\n1\n20\n2\n30\n3\n11\n4\n21\n5\n31\n6\n";

// The model after the last load as dxfdump writes it, with `erro` under "Erro".
Json ModeloLido(const std::optional<std::string>& erro = std::nullopt);

// Loads `linhas` and checks each member of the JSON object `esperado`: a place in ModeloLido
// (a JSON pointer; "/Erro" holds the load's error) and its value, where a number stands for
// the length of a list.
void Confere(std::string_view linhas, std::string_view esperado);
