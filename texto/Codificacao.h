// A DXF text's bytes as code points: the file's code page, then the codes every text kind
// shares (\U+, \M+, %%, carets). MTEXT's own backslash codes are left for AnalisaTextoM.
#pragma once

#include <string>
#include <string_view>

enum class TCodificacao {
    UTF8,
    ANSI_1252, // Western, and the reading of files that name none
    ANSI_1250, // Central European
    ANSI_1251, // Cyrillic
    ANSI_1253, // Greek
    ANSI_1254, // Turkish
    ANSI_1255, // Hebrew
    ANSI_1256, // Arabic
    ANSI_1257, // Baltic
    ANSI_1258, // Vietnamese
    ANSI_874,  // Thai
    DOS437,
    DOS850,
    ANSI_932,  // Japanese (Shift-JIS)
    ANSI_936,  // Simplified Chinese (GBK)
    ANSI_949,  // Korean
    ANSI_950,  // Traditional Chinese (Big5)
    ANSI_1361, // Korean (Johab)
};

// The encoding of a file's texts from its header: UTF-8 from AC1021 (2007) on, else the
// $DWGCODEPAGE named (any case), else ANSI_1252.
TCodificacao CodificacaoDoArquivo(std::string_view dwgCodePage, std::string_view versao);

// The text's bytes as code points. Bytes that the encoding cannot read are read as Latin-1,
// one each, so no text is lost. Then \U+XXXX, \M+NXXXX, %%c %%d %%p %%% %%nnn are resolved,
// %%u %%o %%k dropped, carets ^I ^J made a tab and a line break and ^M dropped, "^ " made '^'.
// Other backslash codes and "\\" stay as written.
std::u32string DecodificaTexto(std::string_view bytes, TCodificacao codificacao);

// Whether Python's str.isspace() holds for `c`: what the character counts leave out.
bool EhEspaco(char32_t c);
