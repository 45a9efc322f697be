#include "LeitorDXF.h"

#include "ErroDXF.h"
#include "Modelo.h"
#include "Numeros.h"

namespace {

void AlargaExtremos(Real v, Real& minimo, Real& maximo) {
    if (v < minimo) minimo = v;
    if (v > maximo) maximo = v;
}

} // namespace

// The next number token, its line read. The input ending where a number is due means the file was
// cut short: every reading loop stops here.
std::string_view LeitorDXF::Numero() {
    auto token = entrada_.TokenDaLinha();
    if (!token) throw ErroDXF("Unexpected end of file: the file is incomplete");
    return *token;
}

void LeitorDXF::LeInteiro(std::int32_t& valor) {
    if (pendente_) {
        valor = *pendente_;
        pendente_.reset();
        return;
    }
    valor = ConverteInteiro(Numero());
}

void LeitorDXF::LeReal(Real& valor) {
    valor = ConverteReal(Numero());
}

void LeitorDXF::LeTexto(std::string& valor) {
    entrada_.Linha(valor);
}

void LeitorDXF::LeTexto(TNome& valor) {
    valor = entrada_.Linha();
}

void LeitorDXF::LeChave(std::string& valor) {
    entrada_.Linha(valor, TamanhoChave);
}

void LeitorDXF::PulaTexto() {
    entrada_.PulaLinha();
}

// A kept key as long as TamanhoChave was cut from a longer line: no number is that long.
std::optional<std::int64_t> LeitorDXF::InteiroDaChave(const std::string& chave) {
    if (chave.size() >= TamanhoChave) return std::nullopt;
    return InteiroLeniente(chave);
}

std::optional<std::int32_t> LeitorDXF::Inteiro32DaChave(const std::string& chave) {
    const auto v = InteiroDaChave(chave);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<Real> LeitorDXF::RealDaChave(const std::string& chave) {
    if (chave.size() >= TamanhoChave) return std::nullopt;
    return RealLeniente(chave);
}

bool LeitorDXF::LeInteiroLeniente(std::int64_t& valor) {
    LeChave(descarte_);
    const auto lido = InteiroDaChave(descarte_);
    if (lido) valor = *lido;
    return lido.has_value();
}

bool LeitorDXF::LeInteiroLeniente(std::int32_t& valor) {
    LeChave(descarte_);
    const auto lido = Inteiro32DaChave(descarte_);
    if (lido) valor = *lido;
    return lido.has_value();
}

bool LeitorDXF::LeRealLeniente(Real& valor) {
    LeChave(descarte_);
    const auto lido = RealDaChave(descarte_);
    if (lido) valor = *lido;
    return lido.has_value();
}

void LeitorDXF::LePar(std::int32_t& codigo, std::string& valor) {
    LeInteiro(codigo);
    LeChave(valor);
}

Real LeitorDXF::Coordenada(Real& minimo, Real& maximo) {
    Real v;
    LeReal(v);
    AlargaExtremos(v, minimo, maximo);
    return v;
}

Real LeitorDXF::CoordenadaSeguinte(std::int32_t codigo, Real& minimo, Real& maximo) {
    std::int32_t lido;
    LeInteiro(lido);
    if (lido == codigo) return Coordenada(minimo, maximo);
    pendente_ = lido; // not this coordinate's group: it belongs to the record's loop
    AlargaExtremos(Real{}, minimo, maximo);
    return Real{};
}

TPonto3D LeitorDXF::LePonto(std::int32_t codigoX) {
    TPonto3D p;
    p.X = Coordenada(XMin, XMax);
    p.Y = CoordenadaSeguinte(codigoX + 10, YMin, YMax);
    p.Z = CoordenadaSeguinte(codigoX + 20, ZMin, ZMax);
    return p;
}

void LeitorDXF::PulaRegistro() {
    std::int32_t codigo;
    LeInteiro(codigo);
    while (codigo != 0) {
        PulaTexto();
        LeInteiro(codigo);
    }
}

void LeitorDXF::PulaAte(std::string_view chave, const Grupo& cada) {
    std::int32_t codigo;
    do {
        LeInteiro(codigo);
        LeChave(descarte_);
        if (cada) cada(codigo, descarte_);
    } while (codigo != 0 || descarte_ != chave);
}

void LeitorDXF::PulaTabela() {
    PulaAte("ENDTAB");
}

void LeitorDXF::PulaSecao() {
    PulaAte("ENDSEC");
}

void LeitorDXF::PulaTabela(const Grupo& cada) {
    PulaAte("ENDTAB", cada);
}

void LeitorDXF::PulaSecao(const Grupo& cada) {
    PulaAte("ENDSEC", cada);
}
