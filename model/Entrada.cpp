#include "Entrada.h"

#include "ErroDXF.h"
#include "Varredura.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Room for a full read behind a number token kept from the previous one.
constexpr std::size_t Capacidade = Entrada::TamanhoLeitura + Entrada::MaxToken + 1;
constexpr char CtrlZ = 26;

bool Branco(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool FimDeLinha(char c) {
    return c == '\r' || c == '\n';
}

constexpr std::size_t Janela = 16; // bytes classified at once

} // namespace

Entrada::Entrada(int descritor, std::size_t tamanhoLeitura)
    : descritor_(descritor),
      tamanhoLeitura_(std::clamp<std::size_t>(tamanhoLeitura, 1, TamanhoLeitura)),
      buffer_(std::make_unique_for_overwrite<char[]>(Capacidade)) {}

// Drops the bytes before `manterDesde`, moves the rest to the front and reads more behind
// them. False when nothing more could be read.
bool Entrada::Preenche(std::size_t manterDesde) {
    std::size_t manter = fim_ - manterDesde;
    if (manter > 0) std::memmove(buffer_.get(), buffer_.get() + manterDesde, manter);
    fim_ = manter;
    pos_ -= manterDesde;
    descartados_ += manterDesde;
    if (acabou_) return false;

    ssize_t lidos;
    do {
        lidos =
            ::read(descritor_, buffer_.get() + fim_, std::min(Capacidade - fim_, tamanhoLeitura_));
    } while (lidos < 0 && errno == EINTR);
    if (lidos < 0) throw ErroDXF("I/O error " + std::to_string(errno));
    if (lidos == 0) {
        acabou_ = true;
        return false;
    }
    char* novos = buffer_.get() + fim_;
    if (auto* z = static_cast<char*>(std::memchr(novos, CtrlZ, static_cast<std::size_t>(lidos)))) {
        lidos = z - novos; // the text ends at the Ctrl-Z; what follows it is not read
        acabou_ = true;
    }
    fim_ += static_cast<std::size_t>(lidos);
    if (aoLer_) aoLer_(descartados_ + fim_);
    return lidos > 0;
}

std::size_t Entrada::ProcuraFimDeLinha(std::size_t desde) const {
    const char* b = buffer_.get();
    for (; desde + Janela <= fim_; desde += Janela)
        if (unsigned m = MascaraFimDeLinha(b + desde)) return desde + std::countr_zero(m);
    while (desde < fim_ && !FimDeLinha(b[desde]))
        ++desde;
    return desde;
}

void Entrada::ConsomeFimDeLinha() {
    if (buffer_[pos_++] != '\r') return;
    if (pos_ == fim_ && !Preenche(fim_)) return;
    if (buffer_[pos_] == '\n') ++pos_;
}

std::optional<std::string_view> Entrada::Token() {
    const char* b = buffer_.get();
    for (;;) {
        while (pos_ < fim_ && Branco(b[pos_]))
            ++pos_;
        if (pos_ < fim_) break;
        if (!Preenche(fim_)) {
            inicioDoUltimo_ = descartados_ + fim_;
            return std::nullopt;
        }
    }
    std::size_t inicio = pos_;
    inicioDoUltimo_ = descartados_ + inicio;
    for (;;) {
        while (pos_ < fim_ && !Branco(b[pos_]))
            ++pos_;
        if (pos_ - inicio > MaxToken) throw ErroDXF("Invalid numeric input");
        if (pos_ < fim_) break;
        bool mais = Preenche(inicio);
        inicio = 0; // the token's start moved to the front of the buffer
        if (!mais) break;
    }
    return std::string_view(b + inicio, pos_ - inicio);
}

std::optional<std::string_view> Entrada::TokenDaLinha() {
    const char* b = buffer_.get();
    // Usually blanks, the token and its line end all lie in the next 16 bytes.
    if (pos_ + Janela <= fim_) {
        unsigned brancos = MascaraBrancos(b + pos_);
        unsigned inicio = std::countr_one(brancos);
        unsigned fim = std::countr_zero(brancos & (~0u << inicio));
        if (fim + 1 < Janela) { // the token and the byte after its end are in the window
            std::string_view token(b + pos_ + inicio, fim - inicio);
            inicioDoUltimo_ = descartados_ + pos_ + inicio;
            std::size_t depois = pos_ + fim;
            if (b[depois] == '\n') {
                pos_ = depois + 1;
                return token;
            }
            if (b[depois] == '\r') {
                pos_ = depois + (b[depois + 1] == '\n' ? 2 : 1);
                return token;
            }
        }
    }

    auto token = Token();
    if (!token) return token;
    if (pos_ + 1 < fim_ && b[pos_] == '\r') {
        pos_ += b[pos_ + 1] == '\n' ? 2 : 1;
        return token;
    }
    if (pos_ < fim_ && b[pos_] == '\n') {
        ++pos_;
        return token;
    }
    // Skipping the rest may read on and move the buffer: keep the token apart.
    copia_.assign(*token);
    PulaLinha(); // starts on the token's line, which stays the one to name
    return copia_;
}

void Entrada::Linha(std::string& destino, std::size_t maximo) {
    std::size_t inicio = pos_;
    inicioDoUltimo_ = descartados_ + pos_;
    pos_ = ProcuraFimDeLinha(pos_);
    destino.assign(buffer_.get() + inicio, std::min(pos_ - inicio, maximo));
    while (pos_ == fim_) { // the line runs past the buffer: gather it piece by piece
        if (!Preenche(fim_)) return;
        pos_ = ProcuraFimDeLinha(0);
        destino.append(buffer_.get(), std::min(pos_, maximo - destino.size()));
    }
    ConsomeFimDeLinha();
}

std::string_view Entrada::Linha() {
    const std::size_t inicio = pos_;
    inicioDoUltimo_ = descartados_ + pos_;
    const std::size_t fim = ProcuraFimDeLinha(pos_);
    // The byte after a CR is looked at to skip an LF: it must be in the buffer too.
    if (fim + 1 < fim_) {
        pos_ = fim;
        ConsomeFimDeLinha();
        return std::string_view(buffer_.get() + inicio, fim - inicio);
    }
    Linha(copia_);
    return copia_;
}

void Entrada::PulaLinha() {
    inicioDoUltimo_ = descartados_ + pos_;
    for (;;) {
        pos_ = ProcuraFimDeLinha(pos_);
        if (pos_ < fim_) break;
        if (!Preenche(fim_)) return;
    }
    ConsomeFimDeLinha();
}

bool Entrada::NoFim() {
    return pos_ == fim_ && !Preenche(fim_);
}
