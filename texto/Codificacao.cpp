#include "Codificacao.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <optional>

namespace {

struct TNomeDePagina {
    std::string_view Dxf;
    TCodificacao Codificacao;
};

// $DWGCODEPAGE names, with the aliases older programs wrote.
constexpr std::array<TNomeDePagina, 24> NomesDePagina{{
    {"ANSI_1252", TCodificacao::ANSI_1252}, {"ANSI_1250", TCodificacao::ANSI_1250},
    {"ANSI_1251", TCodificacao::ANSI_1251}, {"ANSI_1253", TCodificacao::ANSI_1253},
    {"ANSI_1254", TCodificacao::ANSI_1254}, {"ANSI_1255", TCodificacao::ANSI_1255},
    {"ANSI_1256", TCodificacao::ANSI_1256}, {"ANSI_1257", TCodificacao::ANSI_1257},
    {"ANSI_1258", TCodificacao::ANSI_1258}, {"ANSI_874", TCodificacao::ANSI_874},
    {"DOS437", TCodificacao::DOS437},       {"DOS850", TCodificacao::DOS850},
    {"ANSI_932", TCodificacao::ANSI_932},   {"DOS932", TCodificacao::ANSI_932},
    {"ANSI_936", TCodificacao::ANSI_936},   {"GB2312", TCodificacao::ANSI_936},
    {"ANSI_949", TCodificacao::ANSI_949},   {"KSC5601", TCodificacao::ANSI_949},
    {"ANSI_950", TCodificacao::ANSI_950},   {"BIG5", TCodificacao::ANSI_950},
    {"ANSI_1361", TCodificacao::ANSI_1361}, {"JOHAB", TCodificacao::ANSI_1361},
    {"UTF-8", TCodificacao::UTF8},          {"UTF8", TCodificacao::UTF8},
}};

// iconv's name for each encoding, in the enum's order. glibc knows the CJK pages too, so
// they are read properly; where its module is missing, the bytes fall back to Latin-1.
constexpr std::array<const char*, 18> NomesIconv{
    "UTF-8",  "CP1252", "CP1250", "CP1251", "CP1253", "CP1254", "CP1255", "CP1256", "CP1257",
    "CP1258", "CP874",  "CP437",  "CP850",  "CP932",  "CP936",  "CP949",  "CP950",  "JOHAB"};

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

struct TFechaIconv {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using TIconv = std::unique_ptr<void, TFechaIconv>;

// One converter per encoding and thread, opened on first use: opening one per text would
// cost more than most texts take to convert.
iconv_t Conversor(TCodificacao codificacao) {
    thread_local std::array<TIconv, NomesIconv.size()> abertos;
    thread_local std::array<bool, NomesIconv.size()> tentados{};
    const auto i = static_cast<std::size_t>(codificacao);
    if (!tentados[i]) {
        tentados[i] = true;
        iconv_t cd = iconv_open("UTF-32LE", NomesIconv[i]);
        if (cd != reinterpret_cast<iconv_t>(-1)) abertos[i].reset(cd);
    }
    return abertos[i] ? static_cast<iconv_t>(abertos[i].get()) : nullptr;
}

void AcrescentaUtf32(std::u32string& saida, const char* inicio, const char* fim) {
    for (const char* p = inicio; p + 4 <= fim; p += 4) {
        const auto b = [&](int k) { return char32_t{static_cast<unsigned char>(p[k])}; };
        saida.push_back(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24);
    }
}

// Through iconv; each byte it refuses is taken as Latin-1 and the conversion goes on.
std::u32string PorIconv(std::string_view bytes, iconv_t cd) {
    std::u32string saida;
    saida.reserve(bytes.size());
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* entrada = const_cast<char*>(bytes.data());
    std::size_t resta = bytes.size();
    std::array<char, 4096> buffer;
    while (resta > 0) {
        char* out = buffer.data();
        std::size_t livre = buffer.size();
        const std::size_t r = iconv(cd, &entrada, &resta, &out, &livre);
        const int erro = errno;
        AcrescentaUtf32(saida, buffer.data(), out);
        if (r == static_cast<std::size_t>(-1) && erro != E2BIG && resta > 0) {
            saida.push_back(static_cast<unsigned char>(*entrada));
            ++entrada;
            --resta;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return saida;
}

// Strict UTF-8 (no overlongs, surrogates or values past U+10FFFF); a byte that starts no
// valid sequence is read as Latin-1.
std::u32string PorUtf8(std::string_view bytes) {
    std::u32string saida;
    saida.reserve(bytes.size());
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = b(i);
        std::size_t n = c < 0x80                ? 1
                        : c >= 0xC2 && c < 0xE0 ? 2
                        : c >= 0xE0 && c < 0xF0 ? 3
                        : c >= 0xF0 && c < 0xF5 ? 4
                                                : 0;
        char32_t cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
        bool valido = n > 0 && i + n <= bytes.size();
        for (std::size_t k = 1; valido && k < n; ++k) {
            valido = (b(i + k) & 0xC0) == 0x80;
            cp = cp << 6 | (b(i + k) & 0x3F);
        }
        if (valido && n == 3) valido = cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF);
        if (valido && n == 4) valido = cp >= 0x10000 && cp <= 0x10FFFF;
        if (!valido) {
            saida.push_back(c);
            ++i;
        } else {
            saida.push_back(cp);
            i += n;
        }
    }
    return saida;
}

int ValorHex(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    return -1;
}

// The four hex digits at s[i], or nothing.
std::optional<unsigned> QuatroHex(std::u32string_view s, std::size_t i) {
    if (i + 4 > s.size()) return std::nullopt;
    unsigned v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const int h = ValorHex(s[i + k]);
        if (h < 0) return std::nullopt;
        v = v << 4 | static_cast<unsigned>(h);
    }
    return v;
}

// \M+N's N: the Asian code page a double-byte character comes from.
std::optional<TCodificacao> PaginaAsiatica(char32_t n) {
    switch (n) {
    case '1':
        return TCodificacao::ANSI_932;
    case '2':
        return TCodificacao::ANSI_950;
    case '3':
        return TCodificacao::ANSI_949;
    case '4':
        return TCodificacao::ANSI_1361;
    case '5':
        return TCodificacao::ANSI_936;
    default:
        return std::nullopt;
    }
}

// One character of page `pagina` from its byte pair (one byte when the first is 0); nothing
// when iconv reads it as no single character.
std::optional<char32_t> CaractereAsiatico(TCodificacao pagina, unsigned bytesHex) {
    iconv_t cd = Conversor(pagina);
    if (!cd) return std::nullopt;
    std::string bytes;
    if (bytesHex >> 8) bytes.push_back(static_cast<char>(bytesHex >> 8));
    bytes.push_back(static_cast<char>(bytesHex & 0xFF));
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* entrada = bytes.data();
    std::size_t resta = bytes.size();
    std::array<char, 16> buffer;
    char* out = buffer.data();
    std::size_t livre = buffer.size();
    if (iconv(cd, &entrada, &resta, &out, &livre) == static_cast<std::size_t>(-1) || resta)
        return std::nullopt;
    std::u32string r;
    AcrescentaUtf32(r, buffer.data(), out);
    if (r.size() != 1) return std::nullopt;
    return r[0];
}

bool Emitivel(char32_t c) {
    return c >= 0x20 && c != 0x7F && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// The %% code at s[i] (s[i] and s[i+1] are '%'): appends what it stands for and says how
// many code points it took; 0 when it is not a code.
std::size_t CodigoPorcento(std::u32string_view s, std::size_t i, std::u32string& saida) {
    if (i + 2 >= s.size()) return 0;
    const char32_t c = s[i + 2];
    // Letters in either case ('%' and digits are left as they are by the OR).
    switch (c >= 0x40 ? c | 0x20 : c) {
    // The diameter sign U+2300 rather than ezdxf's U+00D8 (Ø, a letter): it is the sign CAD
    // programs draw, and DejaVu Sans has it (fonts that lack it borrow DejaVu's).
    case 'c':
        saida.push_back(0x2300);
        return 3;
    case 'd':
        saida.push_back(0xB0);
        return 3;
    case 'p':
        saida.push_back(0xB1);
        return 3;
    case '%':
        saida.push_back('%');
        return 3;
    // Underline, overline and strike-through toggles: not drawn in TEXT.
    case 'u':
    case 'o':
    case 'k':
        return 3;
    default:
        break;
    }
    if (i + 4 < s.size() && c >= '0' && c <= '9' && s[i + 3] >= '0' && s[i + 3] <= '9' &&
        s[i + 4] >= '0' && s[i + 4] <= '9') {
        const char32_t v = (c - '0') * 100 + (s[i + 3] - '0') * 10 + (s[i + 4] - '0');
        if (Emitivel(v)) saida.push_back(v);
        return 5;
    }
    return 0;
}

// The codes every text kind shares, on code points already decoded.
std::u32string ResolveCodigos(std::u32string_view s) {
    std::u32string saida;
    saida.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = s[i];
        const char32_t p = i + 1 < s.size() ? s[i + 1] : 0;
        if (c == '\\' && p == '\\') { // an escaped backslash stays for the MTEXT codes
            saida.append(U"\\\\");
            i += 2;
            continue;
        }
        if (c == '\\' && (p == 'U' || p == 'u') && i + 2 < s.size() && s[i + 2] == '+') {
            if (const auto v = QuatroHex(s, i + 3)) {
                if (Emitivel(*v)) saida.push_back(*v);
                i += 7;
                continue;
            }
        }
        if (c == '\\' && (p == 'M' || p == 'm') && i + 3 < s.size() && s[i + 2] == '+') {
            const auto pagina = PaginaAsiatica(s[i + 3]);
            const auto v = QuatroHex(s, i + 4);
            if (pagina && v) {
                if (const auto r = CaractereAsiatico(*pagina, *v); r && Emitivel(*r))
                    saida.push_back(*r);
                i += 8;
                continue;
            }
        }
        if (c == '%' && p == '%') {
            if (const std::size_t n = CodigoPorcento(s, i, saida)) {
                i += n;
                continue;
            }
            saida.append(U"%%");
            i += 2;
            continue;
        }
        if (c == '^' && p) {
            if (p == ' ') {
                saida.push_back('^');
                i += 2;
                continue;
            }
            if (p >= 0x40 && p <= 0x5F) {
                const char32_t controle = p - 0x40;
                if (controle == '\t' || controle == '\n') saida.push_back(controle);
                i += 2;
                continue;
            }
        }
        if (Emitivel(c) || c == '\t' || c == '\n') saida.push_back(c);
        ++i;
    }
    return saida;
}

} // namespace

TCodificacao CodificacaoDoArquivo(std::string_view dwgCodePage, std::string_view versao) {
    if (versao.size() == 6 && IguaisSemCaixa(versao.substr(0, 2), "AC")) {
        int numero = 0;
        bool digitos = true;
        for (const char c : versao.substr(2)) {
            digitos = digitos && c >= '0' && c <= '9';
            numero = numero * 10 + (c - '0');
        }
        if (digitos && numero >= 1021) return TCodificacao::UTF8;
    }
    for (const auto& n : NomesDePagina)
        if (IguaisSemCaixa(n.Dxf, dwgCodePage)) return n.Codificacao;
    return TCodificacao::ANSI_1252;
}

std::u32string DecodificaTexto(std::string_view bytes, TCodificacao codificacao) {
    std::u32string pontos;
    if (codificacao == TCodificacao::UTF8) {
        pontos = PorUtf8(bytes);
    } else if (iconv_t cd = Conversor(codificacao)) {
        pontos = PorIconv(bytes, cd);
    } else {
        pontos.assign(bytes.begin(), bytes.end());
        for (auto& c : pontos)
            c &= 0xFF;
    }
    return ResolveCodigos(pontos);
}

bool EhEspaco(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 ||
           c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}
