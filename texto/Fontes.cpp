#include "Fontes.h"

#include "Contornos.h"

#include <fontconfig/fontconfig.h>
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

struct TApagaBiblioteca {
    void operator()(FT_Library b) const { FT_Done_FreeType(b); }
};
struct TApagaFace {
    void operator()(FT_Face f) const { FT_Done_Face(f); }
};
struct TApagaConfig {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct TApagaPadrao {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct TApagaConjunto {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using TPadrao = std::unique_ptr<FcPattern, TApagaPadrao>;

// Curves are flattened to 1/200 of the capital height: smooth on a plan zoomed to fill
// the screen.
constexpr double ToleranciaEmAlturas = 1.0 / 200;
// The width of a glyph of the empty face, as a typical sans letter.
constexpr float AvancoVazio = 0.6f;

std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (auto& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// The Windows font files DXF styles name most, as the family and style they hold.
struct TArquivoConhecido {
    std::string_view Raiz, Familia;
    bool Negrito, Italico;
};
constexpr TArquivoConhecido ArquivosConhecidos[] = {
    {"arial", "Arial", false, false},
    {"arialbd", "Arial", true, false},
    {"ariali", "Arial", false, true},
    {"arialbi", "Arial", true, true},
    {"arialn", "Arial Narrow", false, false},
    {"times", "Times New Roman", false, false},
    {"timesbd", "Times New Roman", true, false},
    {"timesi", "Times New Roman", false, true},
    {"timesbi", "Times New Roman", true, true},
    {"cour", "Courier New", false, false},
    {"courbd", "Courier New", true, false},
    {"couri", "Courier New", false, true},
    {"verdana", "Verdana", false, false},
    {"verdanab", "Verdana", true, false},
    {"tahoma", "Tahoma", false, false},
    {"calibri", "Calibri", false, false},
    {"calibrib", "Calibri", true, false},
    {"cambria", "Cambria", false, false},
    {"consola", "Consolas", false, false},
    {"segoeui", "Segoe UI", false, false},
    {"georgia", "Georgia", false, false},
    {"trebuc", "Trebuchet MS", false, false},
    {"isocpeur", "DejaVu Sans", false, false},
    {"isocteur", "DejaVu Sans", false, false},
};

bool EhArquivoDeContornos(std::string_view extensao) {
    return extensao == "ttf" || extensao == "otf" || extensao == "ttc" || extensao == "otc" ||
           extensao == "pfb" || extensao == "pfa";
}

struct TFace {
    std::unique_ptr<FT_FaceRec_, TApagaFace> Ft; // null: the empty face
    double Escala = 1;                           // font units to capital heights
    double Descendente = 0.3;
    std::string Arquivo, Familia;
    std::unordered_map<char32_t, TGlifo> Glifos;
    TGlifo Ausente; // what a character no font has gives: a space's width
};

// The capital height in font units: the OS/2 table's, else the top of 'H', else 0.7 em.
double AlturaDasCapitais(FT_Face f) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    if (os2 && os2->version >= 2 && os2->sCapHeight > 0) return os2->sCapHeight;
    const FT_UInt h = FT_Get_Char_Index(f, 'H');
    if (h && FT_Load_Glyph(f, h, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
        f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_BBox caixa;
        FT_Outline_Get_CBox(&f->glyph->outline, &caixa);
        if (caixa.yMax > 0) return static_cast<double>(caixa.yMax);
    }
    return 0.7 * (f->units_per_EM > 0 ? f->units_per_EM : 1000);
}

} // namespace

struct TFontes::TDados {
    std::unique_ptr<FT_LibraryRec_, TApagaBiblioteca> Biblioteca;
    std::unique_ptr<FcConfig, TApagaConfig> Config;
    std::vector<std::unique_ptr<TFace>> Faces;
    std::unordered_map<std::string, int> PorPedido;
    std::map<std::pair<std::string, int>, int> PorArquivo;
    int FaceVazia = -1;
    // Installed font files by their lower-case name, listed on first need.
    std::unordered_map<std::string, std::pair<std::string, int>> PorNomeDeArquivo;
    bool Listados = false;
    // Fonts to take a missing character from, sans-serif's order, listed on first need.
    std::unique_ptr<FcFontSet, TApagaConjunto> Substitutas;
    bool SubstitutasListadas = false;
    std::unordered_map<char32_t, int> FacePorCaractere;
    std::unordered_set<char32_t> SemFace; // bounded: cleared when it grows large

    int Vazia() {
        if (FaceVazia < 0) {
            auto f = std::make_unique<TFace>();
            f->Ausente.Avanco = AvancoVazio;
            FaceVazia = static_cast<int>(Faces.size());
            Faces.push_back(std::move(f));
        }
        return FaceVazia;
    }

    // The face of a font file, opened once; -1 when FreeType cannot read it as outlines.
    int AbreArquivo(const std::string& arquivo, int indice, std::string familia) {
        const auto chave = std::make_pair(arquivo, indice);
        if (auto i = PorArquivo.find(chave); i != PorArquivo.end()) return i->second;
        int id = -1;
        FT_Face ft = nullptr;
        if (Biblioteca && FT_New_Face(Biblioteca.get(), arquivo.c_str(), indice, &ft) == 0) {
            auto f = std::make_unique<TFace>();
            f->Ft.reset(ft);
            if (FT_IS_SCALABLE(ft)) {
                f->Escala = 1 / AlturaDasCapitais(ft);
                if (ft->descender < 0) f->Descendente = -ft->descender * f->Escala;
                f->Arquivo = arquivo;
                f->Familia = familia.empty() && ft->family_name ? ft->family_name : familia;
                const FT_UInt espaco = FT_Get_Char_Index(ft, ' ');
                f->Ausente.Avanco = 0.3f;
                if (espaco && FT_Load_Glyph(ft, espaco, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0)
                    f->Ausente.Avanco =
                        static_cast<float>(ft->glyph->metrics.horiAdvance * f->Escala);
                id = static_cast<int>(Faces.size());
                Faces.push_back(std::move(f));
            }
        }
        PorArquivo.emplace(chave, id);
        return id;
    }

    // fontconfig's best match for a family and style, opened.
    int Casa(const std::string& familia, bool negrito, bool italico) {
        if (!Config) return -1;
        TPadrao p(FcPatternCreate());
        if (!p) return -1;
        FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familia.c_str()));
        FcPatternAddInteger(p.get(), FC_WEIGHT, negrito ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(p.get(), FC_SLANT, italico ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
        FcConfigSubstitute(Config.get(), p.get(), FcMatchPattern);
        FcDefaultSubstitute(p.get());
        FcResult r;
        TPadrao m(FcFontMatch(Config.get(), p.get(), &r));
        if (!m) return -1;
        FcChar8* arquivo = nullptr;
        FcChar8* nome = nullptr;
        int indice = 0;
        if (FcPatternGetString(m.get(), FC_FILE, 0, &arquivo) != FcResultMatch) return -1;
        FcPatternGetInteger(m.get(), FC_INDEX, 0, &indice);
        FcPatternGetString(m.get(), FC_FAMILY, 0, &nome);
        return AbreArquivo(reinterpret_cast<const char*>(arquivo), indice,
                           nome ? reinterpret_cast<const char*>(nome) : "");
    }

    void ListaArquivos() {
        Listados = true;
        if (!Config) return;
        TPadrao p(FcPatternCreate());
        FcObjectSet* os = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
        std::unique_ptr<FcFontSet, TApagaConjunto> lista(FcFontList(Config.get(), p.get(), os));
        FcObjectSetDestroy(os);
        if (!lista) return;
        for (int i = 0; i < lista->nfont; ++i) {
            FcChar8* arquivo = nullptr;
            int indice = 0;
            if (FcPatternGetString(lista->fonts[i], FC_FILE, 0, &arquivo) != FcResultMatch)
                continue;
            FcPatternGetInteger(lista->fonts[i], FC_INDEX, 0, &indice);
            const std::string caminho = reinterpret_cast<const char*>(arquivo);
            const std::string nome = Minusculas(caminho.substr(caminho.find_last_of('/') + 1));
            auto [it, novo] = PorNomeDeArquivo.emplace(nome, std::make_pair(caminho, indice));
            if (!novo && indice < it->second.second) it->second = {caminho, indice};
        }
    }

    int Resolve(const TPedidoDeFonte& pedido) {
        if (!pedido.Familia.empty()) return Casa(pedido.Familia, pedido.Negrito, pedido.Italico);
        std::string nome = Minusculas(pedido.Arquivo);
        nome = nome.substr(nome.find_last_of("/\\") + 1);
        const auto ponto = nome.find_last_of('.');
        const std::string raiz = nome.substr(0, ponto);
        const std::string extensao = ponto == std::string::npos ? "" : nome.substr(ponto + 1);
        if (EhArquivoDeContornos(extensao)) {
            // The very file, when this system has it (msttcorefonts, a copied font).
            if (!Listados) ListaArquivos();
            if (auto i = PorNomeDeArquivo.find(nome); i != PorNomeDeArquivo.end())
                if (const int f = AbreArquivo(i->second.first, i->second.second, ""); f >= 0)
                    return f;
            for (const auto& a : ArquivosConhecidos)
                if (a.Raiz == raiz)
                    return Casa(std::string(a.Familia), a.Negrito || pedido.Negrito,
                                a.Italico || pedido.Italico);
            return Casa(raiz, pedido.Negrito, pedido.Italico);
        }
        // SHX fonts (and styles naming none, whose default is txt.shx) are stroke fonts this
        // system cannot read: a plain sans stands in, a monospace for the monospaced one.
        const bool mono = raiz.starts_with("mono");
        return Casa(mono ? "monospace" : "DejaVu Sans", pedido.Negrito, pedido.Italico);
    }

    void ListaSubstitutas() {
        SubstitutasListadas = true;
        if (!Config) return;
        TPadrao p(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif")));
        if (!p) return;
        FcConfigSubstitute(Config.get(), p.get(), FcMatchPattern);
        FcDefaultSubstitute(p.get());
        FcResult r;
        Substitutas.reset(FcFontSort(Config.get(), p.get(), FcTrue, nullptr, &r));
    }

    // A face other than `face` that has `c`, or -1.
    int Substituta(int face, char32_t c) {
        if (auto i = FacePorCaractere.find(c); i != FacePorCaractere.end()) return i->second;
        if (SemFace.contains(c)) return -1;
        if (!SubstitutasListadas) ListaSubstitutas();
        int achada = -1;
        for (int i = 0; Substitutas && i < Substitutas->nfont && achada < 0; ++i) {
            FcPattern* f = Substitutas->fonts[i];
            FcCharSet* cs = nullptr;
            FcChar8* arquivo = nullptr;
            int indice = 0;
            if (FcPatternGetCharSet(f, FC_CHARSET, 0, &cs) != FcResultMatch ||
                !FcCharSetHasChar(cs, c) ||
                FcPatternGetString(f, FC_FILE, 0, &arquivo) != FcResultMatch)
                continue;
            FcPatternGetInteger(f, FC_INDEX, 0, &indice);
            const int id = AbreArquivo(reinterpret_cast<const char*>(arquivo), indice, "");
            if (id >= 0 && id != face && FT_Get_Char_Index(Faces[id]->Ft.get(), c)) achada = id;
        }
        if (achada >= 0) {
            FacePorCaractere.emplace(c, achada);
        } else {
            if (SemFace.size() > 65536) SemFace.clear();
            SemFace.insert(c);
        }
        return achada;
    }

    // The glyph of the face's own character `indice`.
    TGlifo Carrega(TFace& f, FT_UInt indice) {
        TGlifo g;
        FT_Face ft = f.Ft.get();
        if (FT_Load_Glyph(ft, indice, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
            return f.Ausente;
        g.Avanco = static_cast<float>(ft->glyph->metrics.horiAdvance * f.Escala);
        if (ft->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return g;
        FT_Outline& contorno = ft->glyph->outline;
        const auto contornos = ContornosDoContorno(contorno, ToleranciaEmAlturas / f.Escala);
        g.Triangulos =
            Triangula(contornos, (contorno.flags & FT_OUTLINE_EVEN_ODD_FILL) != 0, f.Escala);
        return g;
    }
};

TFontes::TFontes() : Dados(std::make_unique<TDados>()) {
    FT_Library b = nullptr;
    if (FT_Init_FreeType(&b) == 0) Dados->Biblioteca.reset(b);
    Dados->Config.reset(FcInitLoadConfigAndFonts());
}

TFontes::~TFontes() = default;

int TFontes::Face(const TPedidoDeFonte& pedido) {
    auto& d = *Dados;
    const std::string chave = Minusculas(pedido.Arquivo) + '\n' + Minusculas(pedido.Familia) +
                              (pedido.Negrito ? "\nb" : "\n") + (pedido.Italico ? "i" : "");
    if (auto i = d.PorPedido.find(chave); i != d.PorPedido.end()) return i->second;
    int f = d.Resolve(pedido);
    if (f < 0) f = d.Casa("sans-serif", pedido.Negrito, pedido.Italico);
    if (f < 0) f = d.Vazia();
    d.PorPedido.emplace(chave, f);
    return f;
}

const TGlifo& TFontes::Glifo(int face, char32_t c) {
    auto& d = *Dados;
    if (face < 0 || face >= static_cast<int>(d.Faces.size())) face = d.Vazia();
    TFace& f = *d.Faces[face];
    if (auto i = f.Glifos.find(c); i != f.Glifos.end()) return i->second;
    if (!f.Ft) {
        static const TGlifo nada{}, vazio{{}, AvancoVazio}, tab{{}, 4 * AvancoVazio};
        return c == '\t' ? tab : c < 0x20 ? nada : vazio;
    }
    TGlifo g;
    if (c == '\t') {
        g.Avanco = 4 * Glifo(face, ' ').Avanco;
    } else if (c < 0x20 || c == 0x7F) {
        // control characters take no room
    } else if (const FT_UInt indice = FT_Get_Char_Index(f.Ft.get(), c)) {
        g = d.Carrega(f, indice);
    } else if (const int outra = d.Substituta(face, c); outra >= 0) {
        g = Glifo(outra, c);
    } else {
        return f.Ausente; // not kept per character: any number of them costs nothing
    }
    return f.Glifos.emplace(c, std::move(g)).first->second;
}

double TFontes::Descendente(int face) const {
    if (face < 0 || face >= static_cast<int>(Dados->Faces.size())) return 0.3;
    return Dados->Faces[face]->Descendente;
}

std::string TFontes::Arquivo(int face) const {
    if (face < 0 || face >= static_cast<int>(Dados->Faces.size())) return {};
    return Dados->Faces[face]->Arquivo;
}

std::string TFontes::Familia(int face) const {
    if (face < 0 || face >= static_cast<int>(Dados->Faces.size())) return {};
    return Dados->Faces[face]->Familia;
}
