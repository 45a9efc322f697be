#include "Nome.h"

#include <memory>
#include <unordered_map>

struct TNome::No {
    std::string texto;
    std::size_t usos = 0;
};

namespace {

// Every text in use, keyed by a view of the node's own copy.
using Tabela = std::unordered_map<std::string_view, std::unique_ptr<TNome::No>>;

// Names held by the model's global lists are let go when the program ends: the table must
// outlive them, so it is never destroyed.
Tabela& TabelaDeNomes() {
    union Permanente {
        Tabela tabela;
        Permanente() : tabela() {}
        ~Permanente() {}
    };
    static Permanente permanente;
    return permanente.tabela;
}

const std::string Vazio;

} // namespace

std::size_t TNome::EmUso() {
    return TabelaDeNomes().size();
}

const std::string& TNome::Texto() const {
    return no_ ? no_->texto : Vazio;
}

void TNome::Prende() {
    if (no_) ++no_->usos;
}

void TNome::Solta() {
    if (!no_ || --no_->usos > 0) return;
    Tabela& tabela = TabelaDeNomes();
    tabela.erase(tabela.find(no_->texto));
    no_ = nullptr;
}

void TNome::Define(std::string_view texto) {
    if (texto.empty()) {
        no_ = nullptr;
        return;
    }
    Tabela& tabela = TabelaDeNomes();
    auto achado = tabela.find(texto);
    if (achado == tabela.end()) {
        auto no = std::make_unique<No>(No{std::string(texto)});
        const std::string_view chave = no->texto;
        achado = tabela.emplace(chave, std::move(no)).first;
    }
    no_ = achado->second.get();
    Prende();
}

TNome& TNome::operator=(std::string_view texto) {
    if (no_ && no_->texto == texto) return *this;
    Solta();
    Define(texto);
    return *this;
}

TNome& TNome::operator=(const TNome& outro) {
    if (no_ == outro.no_) return *this;
    Solta();
    no_ = outro.no_;
    Prende();
    return *this;
}

TNome& TNome::operator=(TNome&& outro) noexcept {
    if (this != &outro) {
        Solta();
        no_ = std::exchange(outro.no_, nullptr);
    }
    return *this;
}
