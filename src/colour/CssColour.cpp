#include "colour/CssColour.h"

#include "colour/CssSpaces.h"
#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cssColour {

namespace {
// Below this chroma a colour counts as grey and has no hue.
constexpr double AchromaticChroma = 0.000004;

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

Srgb hwbToSrgb(double hueDegrees, double whiteness, double blackness) {
    if (whiteness + blackness >= 1) {
        const double grey = whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    Srgb rgb = hslToSrgb(hueDegrees, 1, 0.5);
    for (double& channel : rgb) {
        channel = channel * (1 - whiteness - blackness) + whiteness;
    }
    return rgb;
}

Xyz srgbToXyz(const Srgb& rgb) {
    return cssSpace::predefinedToXyz(cssSpace::Predefined::Srgb, rgb);
}

Xyz channelsToXyz(int red, int green, int blue) {
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i] = srgbTransfer::toLinear(static_cast<double>(i) / 255.0);
        }
        return table;
    }();
    auto at = [](int channel) { return linear[static_cast<std::size_t>(std::clamp(channel, 0, 255))]; };
    return cssSpace::linearSrgbToXyz({at(red), at(green), at(blue)});
}

Srgb xyzToSrgb(const Xyz& xyz) {
    return cssSpace::xyzToPredefined(cssSpace::Predefined::Srgb, xyz);
}

Oklch srgbToOklch(const Srgb& rgb) {
    const auto [lightness, chroma, hue] = cssSpace::rectangularToPolar(cssSpace::xyzToOklab(srgbToXyz(rgb)));
    const bool achromatic = chroma <= AchromaticChroma;
    return {lightness, chroma, achromatic ? 0 : hue, achromatic};
}

Srgb oklchToSrgb(double lightness, double chroma, double hueDegrees) {
    return xyzToSrgb(cssSpace::oklabToXyz(cssSpace::polarToRectangular({lightness, chroma, hueDegrees})));
}

} // namespace cssColour
