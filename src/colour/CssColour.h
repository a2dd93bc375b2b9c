#pragma once

#include <array>

// Conversions between 8-bit sRGB channels and the colour spaces that style sheets name:
// HSL, HWB and OKLCH here, the others through XYZ (colour/CssSpaces.h), with the matrices and transfer
// functions of the CSS colour module.
namespace cssColour {

// Gamma-encoded sRGB channels, 0..1 each; values outside that range are out of gamut.
using Srgb = std::array<double, 3>;

struct Hsl {
    double hue;        // degrees, 0 up to 360; 0 for a grey
    double saturation; // 0..1
    double lightness;  // 0..1
};

struct Oklch {
    double lightness; // 0..1
    double chroma;    // 0 and up; about 0.37 at most inside sRGB
    double hue;       // degrees, 0 up to 360; meaningless when achromatic
    bool achromatic;  // chroma too small for a hue to mean anything: a grey
};

Srgb fromChannels(int red, int green, int blue);

Hsl srgbToHsl(const Srgb& rgb);
Srgb hslToSrgb(double hueDegrees, double saturation, double lightness);

// Hue in degrees, whiteness and blackness 0..1; together at 1 or more they make a grey.
Srgb hwbToSrgb(double hueDegrees, double whiteness, double blackness);

// Every other space meets sRGB in CIE XYZ (D65).
using Xyz = std::array<double, 3>;
Xyz srgbToXyz(const Srgb& rgb);
// The same for 8-bit channels, from a table of their linear light.
Xyz channelsToXyz(int red, int green, int blue);
Srgb xyzToSrgb(const Xyz& xyz);

Oklch srgbToOklch(const Srgb& rgb);
Srgb oklchToSrgb(double lightness, double chroma, double hueDegrees);

// A channel 0..1 as 0..255, clipped into range and rounded to the nearest.
int toChannel(double value);

} // namespace cssColour
