#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Just enough JSON to read the corpus reference and the dump tool's output in tests.
struct Json {
    enum class Tipo { Nulo, Logico, Numero, Texto, Lista, Objeto } tipo = Tipo::Nulo;
    bool logico = false;
    double numero = 0;
    std::string texto;
    std::vector<Json> itens;
    std::vector<std::pair<std::string, Json>> membros;

    // The member `chave`; a null value when there is none.
    const Json& operator[](std::string_view chave) const;
    const Json& operator[](std::size_t i) const { return itens.at(i); }
    bool Nulo() const { return tipo == Tipo::Nulo; }
    int Inteiro() const { return static_cast<int>(numero); }

    // Throws std::runtime_error on malformed text.
    static Json Le(std::string_view texto);
};

Json LeArquivoJson(const std::string& nome);
