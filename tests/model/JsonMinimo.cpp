#include "JsonMinimo.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

class Analisador {
  public:
    explicit Analisador(std::string_view t) : t_(t) {}

    Json Valor() {
        Json j;
        if (Proximo('{')) {
            j.tipo = Json::Tipo::Objeto;
            if (Proximo('}')) return j;
            do {
                std::string chave = Texto();
                Espera(':');
                j.membros.emplace_back(std::move(chave), Valor());
            } while (Proximo(','));
            Espera('}');
        } else if (Proximo('[')) {
            j.tipo = Json::Tipo::Lista;
            if (Proximo(']')) return j;
            do
                j.itens.push_back(Valor());
            while (Proximo(','));
            Espera(']');
        } else if (i_ < t_.size() && t_[i_] == '"') {
            j.tipo = Json::Tipo::Texto;
            j.texto = Texto();
        } else if (Palavra("null")) {
        } else if (Palavra("true") || Palavra("false")) {
            j.tipo = Json::Tipo::Logico;
            j.logico = t_[i_ - 2] == 'u';
        } else {
            j.tipo = Json::Tipo::Numero;
            auto [fim, erro] = std::from_chars(t_.data() + i_, t_.data() + t_.size(), j.numero);
            if (erro != std::errc{}) Falha();
            i_ = static_cast<std::size_t>(fim - t_.data());
        }
        return j;
    }

    void Fim() {
        if (Proximo(0) || i_ != t_.size()) Falha(); // only blanks may follow
    }

  private:
    [[noreturn]] void Falha() { throw std::runtime_error("bad JSON at " + std::to_string(i_)); }
    // Skips blanks, then takes `c` if it comes next.
    bool Proximo(char c) {
        while (i_ < t_.size() && std::string_view(" \n\r\t").find(t_[i_]) != std::string_view::npos)
            ++i_;
        return i_ < t_.size() && t_[i_] == c && ++i_;
    }
    void Espera(char c) {
        if (!Proximo(c)) Falha();
    }
    bool Palavra(std::string_view p) {
        if (t_.substr(i_, p.size()) != p) return false;
        i_ += p.size();
        return true;
    }
    std::string Texto() {
        Espera('"');
        std::string s;
        while (i_ < t_.size() && t_[i_] != '"') {
            char c = t_[i_++];
            if (c != '\\') {
                s += c;
            } else if (i_ >= t_.size()) {
                Falha();
            } else if (char e = t_[i_++]; e == 'u') { // only \u00XX is needed here
                if (i_ + 4 > t_.size()) Falha();
                s += static_cast<char>(std::stoi(std::string(t_.substr(i_, 4)), nullptr, 16));
                i_ += 4;
            } else {
                s += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
            }
        }
        Espera('"');
        return s;
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

} // namespace

const Json& Json::operator[](std::string_view chave) const {
    static const Json nulo;
    for (const auto& [nome, valor] : membros)
        if (nome == chave) return valor;
    return nulo;
}

Json Json::Le(std::string_view texto) {
    Analisador a(texto);
    Json j = a.Valor();
    a.Fim();
    return j;
}

Json LeArquivoJson(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return Json::Le(s.str());
}
