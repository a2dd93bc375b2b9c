#pragma once

#include "colour/modColors.h"

#include <QString>
#include <array>

// How a colour looks to eyes that see colours differently, for previewing a page.
//
// The three dichromacies use the matrices of Machado, Oliveira and Fernandes (2009) at full
// severity, applied in linear light: decode sRGB, multiply, clamp to 0..1, encode and round.
// Achromatopsia shows the colour's relative luminance (0.2126, 0.7152, 0.0722 in linear light)
// as a grey.
namespace colourVision {

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// Every vision, in menu order.
inline constexpr std::array<Vision, 5> AllVisions = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                                                     Vision::Tritanopia, Vision::Achromatopsia};

// "Normal vision", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia".
QString menuLabel(Vision vision);

// The colour as that vision sees it. Normal vision gives the colour back untouched, a system
// colour included; the others resolve a system colour first. NoColour stays NoColour.
modColors::ColourValue simulate(Vision vision, modColors::ColourValue colour);

} // namespace colourVision
