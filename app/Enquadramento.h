#pragma once

// The camera of the "Desenho completo" mode: the whole drawing framed from above, as CAD
// programs open a file, and moved from there by the camera bars.

#include "Cena.h"

#include <array>
#include <optional>

// The field of view the drawing is framed for, in degrees: the ZOOM bar's value after the
// window opens. Other values of the bar then widen or narrow the view of the framed drawing.
inline constexpr double AnguloDeEnquadramento = 100;

// The share of the view's height or width the framed drawing takes, whichever limits it.
inline constexpr double OcupacaoDoEnquadramento = 0.95;

// The camera bar Z moves the camera by a factor of 2 every this many steps.
inline constexpr double PassosPorDobro = 125;

// How far out the drawn vertices reach, seen from above the extents' centre: the distance
// from the centre along X (and along Y) cut into bands, and in each band the height above the
// centre of the highest vertex there. A 3D drawing is then framed by what it holds rather than
// by its box's top face, which its content may never reach. Made once per scene.
struct TPerfilDaCena {
    static constexpr int Faixas = 256;
    // The band's outer edge is (k + 1) / Faixas of Meia*; -inf for an empty band.
    std::array<double, Faixas> AlturaX, AlturaY;
    double MeiaLargura = 0, MeiaProfundidade = 0;
    bool Vazio = true;
};

// The profile of the scene's vertices (taken before they are let go), about its extents'
// centre.
TPerfilDaCena PerfilDaCena(const TCena& cena);

struct TEnquadramento {
    // The eye and the drawing's centre (about which the rotation bars turn it), relative to
    // the scene's origin.
    std::array<double, 3> Olho, Centro;
    // The fitted distance from the centre: where the camera stands with the bar Z at 500.
    double Distancia;
};

// The camera for a drawing whose extents (world coordinates) are `extremos`, drawn relative
// to `origem`, in a view of width / height `aspecto`, looking down -Z:
// - X and Y: from the drawing's centre, (bar - 500) / 1000 of the extents' width or depth
//   (an axis without extent takes the largest other one, or 1);
// - Z: Distancia * 2^((bar - 500) / PassosPorDobro) above the centre, Distancia being the
//   lowest height above the centre from which every vertex of `perfil` lies within
//   OcupacaoDoEnquadramento of the view at AnguloDeEnquadramento (with an empty profile, the
//   extents' top face does); for a flat drawing, the distance at which its extents fill it.
// Every coordinate is finite and within 1e30. None for empty extents.
std::optional<TEnquadramento> Enquadra(const TCaixaCena& extremos,
                                       const std::array<double, 3>& origem, int camX, int camY,
                                       int camZ, double aspecto, const TPerfilDaCena& perfil = {});

// The camera bars X and Y (not bounded to their range) that put the eye at olhoX, olhoY
// (relative to `origem`): Enquadra's rule for them turned round.
std::array<int, 2> BarrasDoOlho(const TCaixaCena& extremos, const std::array<double, 3>& origem,
                                double olhoX, double olhoY);

// The drawing's turn by the rotation bars (about X, then Y, then Z, in degrees, as the
// default picture turns it) about its centre: T(Centro) * R * T(-Centro), column by column
// as OpenGL reads it, to be multiplied on after the eye's translation T(-Olho).
std::array<double, 16> GiroEnquadrado(const TEnquadramento& e, double rotX, double rotY,
                                      double rotZ);
