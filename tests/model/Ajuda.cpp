#include "Ajuda.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

ArquivoTemporario::ArquivoTemporario(std::string_view conteudo) {
    static std::atomic<int> contador{0};
    nome_ = (std::filesystem::temp_directory_path() / ("dxf-teste-" + std::to_string(::getpid()) +
                                                       "-" + std::to_string(contador++) + ".dxf"))
                .string();
    std::ofstream(nome_, std::ios::binary).write(conteudo.data(), std::streamsize(conteudo.size()));
}

ArquivoTemporario::~ArquivoTemporario() {
    std::error_code erro;
    std::filesystem::remove(nome_, erro);
}

std::string ComFimDeLinha(std::string_view linhas, std::string_view fimDeLinha) {
    std::string texto;
    for (char c : linhas)
        c == '\n' ? texto += fimDeLinha : texto += c;
    return texto;
}

std::optional<std::string> CarregaArquivo(const std::string& nome, std::size_t tamanhoLeitura) {
    try {
        CarregaDXF(nome, tamanhoLeitura);
    } catch (const ErroDXF& e) {
        return e.what();
    }
    return std::nullopt;
}

std::optional<std::string> CarregaBytes(std::string_view conteudo) {
    ArquivoTemporario arquivo(conteudo);
    return CarregaArquivo(arquivo.Nome());
}

std::optional<std::string> Carrega(std::string_view linhas, std::string_view fimDeLinha) {
    return CarregaBytes(ComFimDeLinha(linhas, fimDeLinha));
}

std::string SoEntidades(std::string_view corpo) {
    return "0\nSECTION\n2\nENTITIES\n" + std::string(corpo) + "0\nENDSEC\n0\nEOF\n";
}

std::array<long double, 6> ExtremosLidos() {
    Real e[6];
    Extremos(e[0], e[1], e[2], e[3], e[4], e[5]);
    return {e[0], e[1], e[2], e[3], e[4], e[5]};
}
