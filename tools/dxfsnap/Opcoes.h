#pragma once

// The command line of dxfsnap.

#include <array>
#include <optional>
#include <string>
#include <vector>

struct TOpcoesSnap {
    std::string entrada, saida;
    int largura = 521, altura = 297; // the view's size in the window
    int zoom = 100;                  // field of view, in degrees
    std::array<int, 3> rotacao{0, 0, 0};
    std::array<int, 3> camera{500, 500, 500};
    bool janela = false;     // the whole window instead of the view alone
    bool doisLados = false;  // the option "Faces dos dois lados" on
    bool polilinhas = false; // the option "Polilinhas" on
    bool completo = false;   // the option "Desenho completo" on
    bool espessuras = false; // the option "Espessuras de linha" on
    bool orto = false;       // the option "Projeção ortográfica" on
};

inline constexpr const char* UsoSnap =
    "usage: dxfsnap FILE.dxf OUT.png [--size WxH] [--zoom N] [--rot X,Y,Z] [--cam X,Y,Z] "
    "[--window] [--two-sided] [--polylines] [--completo] [--espessuras] [--orto]\n"
    "  --size  the view's size in pixels (default 521x297, at most 4096x4096)\n"
    "  --zoom  field of view in degrees, 10 to 175 (default 100)\n"
    "  --rot   turn of the drawing about X, Y, Z in degrees, 0 to 360 (default 0,0,0)\n"
    "  --cam   camera place within the drawing's extents, 0 to 1000 (default 500,500,500)\n"
    "  --window  the picture of the whole window, with the view at its normal size\n"
    "  --two-sided  faces drawn and lit from both sides (menu Exibir, Faces dos dois lados)\n"
    "  --polylines  plain polylines and polygon meshes drawn as lines (menu Exibir, "
    "Polilinhas)\n"
    "  --completo  every element of the model space, framed (menu Exibir, Desenho completo)\n"
    "  --espessuras  lines as wide as their line weights, in the full drawing (menu Exibir,\n"
    "                Espessuras de linha)\n"
    "  --orto  a parallel projection, in the full drawing (menu Exibir, Projeção ortográfica)\n"
    "Without a display (or with QT_QPA_PLATFORM=offscreen) the view's picture is drawn off\n"
    "screen through Mesa's EGL; the window's picture (--window) needs a display.\n";

// The options, or the reason they are wrong.
struct TLeituraOpcoes {
    std::optional<TOpcoesSnap> opcoes;
    std::string erro;
};

TLeituraOpcoes LeOpcoesSnap(const std::vector<std::string>& argumentos);
