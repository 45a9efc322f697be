#pragma once

#include "Entidades.h"
#include "Entrada.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The reading primitives and skipping steps over one open DXF file. Every number read
// converts its whole token and skips the rest of its line; every text read takes the rest
// of the line as written. Failures are thrown as ErroDXF with the user's message.
//
// A point's Y and Z groups are optional: when the group after a coordinate is not the next
// coordinate, its code is kept back and the next LeInteiro returns it (one-group look-ahead).
class LeitorDXF {
  public:
    explicit LeitorDXF(int descritor, std::size_t tamanhoLeitura = Entrada::TamanhoLeitura)
        : entrada_(descritor, tamanhoLeitura) {}

    // A group: its code line, then its value line read as a keyword (LeChave).
    void LePar(std::int32_t& codigo, std::string& valor);
    // A group code, or an integer value.
    void LeInteiro(std::int32_t& valor);
    void LeReal(Real& valor);
    void LeTexto(std::string& valor);
    void LeTexto(TNome& valor);
    // A value line that is only compared with the file's keywords (section, table and record
    // names): its first TamanhoChave bytes are kept, so a line longer than any keyword still
    // differs from every keyword, and a huge one takes no memory.
    void LeChave(std::string& valor);
    static constexpr std::size_t TamanhoChave = 256;
    // A value line that nobody keeps.
    void PulaTexto();
    // A value line of a group only the full drawing reads, read as LeChave does and converted
    // by InteiroLeniente or RealLeniente: a value that is not a number (or does not fit)
    // leaves `valor` as it was and is no error. True when `valor` was set.
    bool LeInteiroLeniente(std::int64_t& valor);
    // The same conversions of a value already read as LeChave reads it (a key cut off at
    // TamanhoChave is no number).
    static std::optional<std::int64_t> InteiroDaChave(const std::string& chave);
    static std::optional<std::int32_t> Inteiro32DaChave(const std::string& chave);
    static std::optional<Real> RealDaChave(const std::string& chave);
    bool LeInteiroLeniente(std::int32_t& valor);
    bool LeRealLeniente(Real& valor);
    // The point whose X group code `codigoX` has just been read: X, then Y from the group
    // codigoX + 10 and Z from the group codigoX + 20 when they follow, otherwise 0. Every
    // coordinate widens the drawing's extents.
    TPonto3D LePonto(std::int32_t codigoX);

    // Skips the groups of a record up to and including the next group code 0; that group's
    // value line is left unread.
    void PulaRegistro();
    // Skip groups up to and including the group 0/"ENDTAB", or 0/"ENDSEC".
    void PulaTabela();
    void PulaSecao();
    // The same, showing each group skipped to `cada`: its code and its value read as LeChave
    // does (the last group shown is the one that ends the table or section).
    using Grupo = std::function<void(std::int32_t codigo, const std::string& valor)>;
    void PulaTabela(const Grupo& cada);
    void PulaSecao(const Grupo& cada);

    // True at the physical end of the file.
    bool NoFim() { return !pendente_ && entrada_.NoFim(); }

    // Where the token or line read last starts, in bytes from the start of the file.
    std::uint64_t InicioDoUltimo() const { return entrada_.InicioDoUltimo(); }
    // Called after every piece of the file read, with the number of bytes read so far.
    void AoLer(std::function<void(std::uint64_t lidos)> aviso) { entrada_.AoLer(std::move(aviso)); }

  private:
    std::string_view Numero();
    void PulaAte(std::string_view chave, const Grupo& cada = {});
    Real Coordenada(Real& minimo, Real& maximo);
    Real CoordenadaSeguinte(std::int32_t codigo, Real& minimo, Real& maximo);

    Entrada entrada_;
    std::optional<std::int32_t> pendente_;
    std::string descarte_;
};
