#include "Opcoes.h"

#include <charconv>

namespace {

// A whole decimal number from minimo to maximo, nothing else.
std::optional<int> Inteiro(std::string_view texto, int minimo, int maximo) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc() || fim != texto.data() + texto.size() || texto.empty())
        return std::nullopt;
    if (valor < minimo || valor > maximo) return std::nullopt;
    return valor;
}

// "A<sep>B<sep>C..." split into exactly n numbers within the range.
template <std::size_t N>
std::optional<std::array<int, N>> Inteiros(std::string_view texto, char separador, int minimo,
                                           int maximo) {
    std::array<int, N> valores{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t fim = i + 1 < N ? texto.find(separador) : texto.size();
        if (fim == std::string_view::npos) return std::nullopt;
        const auto valor = Inteiro(texto.substr(0, fim), minimo, maximo);
        if (!valor) return std::nullopt;
        valores[i] = *valor;
        texto.remove_prefix(i + 1 < N ? fim + 1 : fim);
    }
    return valores;
}

} // namespace

TLeituraOpcoes LeOpcoesSnap(const std::vector<std::string>& argumentos) {
    TOpcoesSnap opcoes;
    std::vector<std::string> arquivos;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& nome = argumentos[i];
        if (bool* chave = nome == "--window"       ? &opcoes.janela
                          : nome == "--two-sided"  ? &opcoes.doisLados
                          : nome == "--polylines"  ? &opcoes.polilinhas
                          : nome == "--completo"   ? &opcoes.completo
                          : nome == "--espessuras" ? &opcoes.espessuras
                          : nome == "--orto"       ? &opcoes.orto
                                                   : nullptr) {
            *chave = true;
            continue;
        }
        if (!nome.starts_with("--")) {
            arquivos.push_back(nome);
            continue;
        }
        if (i + 1 >= argumentos.size()) return {std::nullopt, nome + " needs a value"};
        const std::string& valor = argumentos[++i];
        bool certo = false;
        if (nome == "--size") {
            const auto tamanho = Inteiros<2>(valor, 'x', 1, 4096);
            if ((certo = tamanho.has_value())) {
                opcoes.largura = (*tamanho)[0];
                opcoes.altura = (*tamanho)[1];
            }
        } else if (nome == "--zoom") {
            const auto zoom = Inteiro(valor, 10, 175);
            if ((certo = zoom.has_value())) opcoes.zoom = *zoom;
        } else if (nome == "--rot") {
            const auto rotacao = Inteiros<3>(valor, ',', 0, 360);
            if ((certo = rotacao.has_value())) opcoes.rotacao = *rotacao;
        } else if (nome == "--cam") {
            const auto camera = Inteiros<3>(valor, ',', 0, 1000);
            if ((certo = camera.has_value())) opcoes.camera = *camera;
        } else {
            return {std::nullopt, "unknown option " + nome};
        }
        if (!certo) return {std::nullopt, "bad value for " + nome + ": " + valor};
    }
    if (arquivos.size() != 2) return {std::nullopt, "expected FILE.dxf and OUT.png"};
    opcoes.entrada = arquivos[0];
    opcoes.saida = arquivos[1];
    return {opcoes, {}};
}
