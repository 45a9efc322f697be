#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Reads the lines of an open file through a large buffer. A line ends at a CR, a CR LF pair
// or a lone LF; a Ctrl-Z byte ends the input as the physical end does. Lines of any length
// are read whole or skipped without being kept.
class Entrada {
  public:
    // Longest number token accepted; a longer one is "Invalid numeric input".
    static constexpr std::size_t MaxToken = 4096;

    // Bytes asked of the system at each read.
    static constexpr std::size_t TamanhoLeitura = std::size_t{1} << 20;

    // Does not take ownership of the descriptor. Tests read in smaller pieces to put the
    // piece boundaries everywhere.
    explicit Entrada(int descritor, std::size_t tamanhoLeitura = TamanhoLeitura);

    // Skips every byte of value 32 or less, across line ends, and returns the run of bytes
    // above 32 that follows, or nothing at the end of the input. The view lasts until the
    // next call. The rest of the token's line is left unread.
    std::optional<std::string_view> Token();

    // The same token with the rest of its line skipped. The view lasts until the next call.
    std::optional<std::string_view> TokenDaLinha();

    // Puts the rest of the current line, without its line end, into `destino` and skips the
    // line end. Empty at the end of the input. At most `maximo` bytes are kept: the rest of a
    // longer line is skipped without being held in memory.
    void Linha(std::string& destino, std::size_t maximo = std::string::npos);

    // The same line as a view that lasts until the next call: without a copy when the
    // line lies within the buffer, as nearly every line does.
    std::string_view Linha();

    // Skips the rest of the current line and its line end.
    void PulaLinha();

    // True at the physical end of the input (or at a Ctrl-Z).
    bool NoFim();

    // Where the token or line read last starts, in bytes from the start of the input; at the
    // end of the input, the end.
    std::uint64_t InicioDoUltimo() const { return inicioDoUltimo_; }

    // Called after every piece read with the number of bytes read so far.
    void AoLer(std::function<void(std::uint64_t lidos)> aviso) { aoLer_ = std::move(aviso); }

  private:
    bool Preenche(std::size_t manterDesde);
    void ConsomeFimDeLinha();
    std::size_t ProcuraFimDeLinha(std::size_t desde) const;

    int descritor_;
    std::size_t tamanhoLeitura_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0, fim_ = 0;
    bool acabou_ = false;
    std::string copia_;             // a token or line that runs on past the buffer
    std::uint64_t descartados_ = 0; // bytes of the input dropped from the buffer's front
    std::uint64_t inicioDoUltimo_ = 0;
    std::function<void(std::uint64_t)> aoLer_;
};
