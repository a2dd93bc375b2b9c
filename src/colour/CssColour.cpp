#include "colour/CssColour.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cssColour {

namespace {
using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector multiply(const Matrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    }
    return out;
}

// Linear-light sRGB to CIE XYZ (D65) and back, as exact rationals.
const Matrix LinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
const Matrix XyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};

// XYZ to the cone-like LMS space of OKLab, and the cube roots of LMS to OKLab.
const Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
const Matrix LmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
const Matrix LmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
const Matrix OklabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};

// Below this chroma a colour counts as grey and has no hue.
constexpr double AchromaticChroma = 0.000004;

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

using srgbTransfer::toEncoded;
using srgbTransfer::toLinear;

double normalisedHue(double degrees) {
    const double hue = std::fmod(degrees, 360.0);
    return hue < 0 ? hue + 360.0 : hue;
}
} // namespace

Srgb fromChannels(int red, int green, int blue) {
    return {red / 255.0, green / 255.0, blue / 255.0};
}

int toChannel(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

Hsl srgbToHsl(const Srgb& rgb) {
    const auto [red, green, blue] = rgb;
    const double max = std::max({red, green, blue});
    const double min = std::min({red, green, blue});
    const double lightness = (max + min) / 2;
    const double spread = max - min;
    if (spread == 0) {
        return {0, 0, lightness};
    }
    const double saturation =
        (lightness == 0 || lightness == 1) ? 0 : (max - lightness) / std::min(lightness, 1 - lightness);
    double sextant = 0;
    if (max == red) {
        sextant = (green - blue) / spread + (green < blue ? 6 : 0);
    } else if (max == green) {
        sextant = (blue - red) / spread + 2;
    } else {
        sextant = (red - green) / spread + 4;
    }
    return {normalisedHue(sextant * 60), saturation, lightness};
}

Srgb hslToSrgb(double hueDegrees, double saturation, double lightness) {
    const double hue = normalisedHue(hueDegrees);
    const double amount = saturation * std::min(lightness, 1 - lightness);
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return lightness - amount * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Oklch srgbToOklch(const Srgb& rgb) {
    const Vector linear = {toLinear(rgb[0]), toLinear(rgb[1]), toLinear(rgb[2])};
    Vector lms = multiply(XyzToLms, multiply(LinearSrgbToXyz, linear));
    for (double& cone : lms) {
        cone = std::cbrt(cone);
    }
    const Vector lab = multiply(LmsToOklab, lms);
    const double chroma = std::hypot(lab[1], lab[2]);
    const bool achromatic = chroma <= AchromaticChroma;
    const double hue = achromatic ? 0 : normalisedHue(std::atan2(lab[2], lab[1]) * DegreesPerRadian);
    return {lab[0], chroma, hue, achromatic};
}

Srgb oklchToSrgb(double lightness, double chroma, double hueDegrees) {
    const double radians = hueDegrees / DegreesPerRadian;
    Vector lms = multiply(OklabToLms, {lightness, chroma * std::cos(radians), chroma * std::sin(radians)});
    for (double& cone : lms) {
        cone = cone * cone * cone;
    }
    const Vector linear = multiply(XyzToLinearSrgb, multiply(LmsToXyz, lms));
    return {toEncoded(linear[0]), toEncoded(linear[1]), toEncoded(linear[2])};
}

} // namespace cssColour
