#include "colour/ColourVision.h"

#include "colour/Contrast.h"
#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>

namespace colourVision {

namespace {
using Matrix = std::array<std::array<double, 3>, 3>;

// Severity 1.0 rows of the paper's table, acting on linear-light RGB.
constexpr Matrix Protan = {{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix Deutan = {{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix Tritan = {{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

double decode(modColors::Channel channel) {
    return srgbTransfer::toLinear(channel / 255.0);
}

int encode(double linear) {
    return static_cast<int>(std::lround(srgbTransfer::toEncoded(std::clamp(linear, 0.0, 1.0)) * 255));
}

modColors::ColourValue transform(const Matrix& m, modColors::ColourValue colour) {
    modColors::Channel red = 0, green = 0, blue = 0;
    modColors::SplitColour(colour, red, green, blue);
    const std::array<double, 3> in = {decode(red), decode(green), decode(blue)};
    std::array<int, 3> out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = encode(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    }
    return modColors::RGB(out[0], out[1], out[2]);
}
} // namespace

QString menuLabel(Vision vision) {
    switch (vision) {
    case Vision::Normal:
        return QStringLiteral("Normal vision");
    case Vision::Protanopia:
        return QStringLiteral("Protanopia");
    case Vision::Deuteranopia:
        return QStringLiteral("Deuteranopia");
    case Vision::Tritanopia:
        return QStringLiteral("Tritanopia");
    case Vision::Achromatopsia:
        return QStringLiteral("Achromatopsia");
    }
    return {};
}

modColors::ColourValue simulate(Vision vision, modColors::ColourValue colour) {
    if (colour == modColors::NoColour) {
        return colour;
    }
    switch (vision) {
    case Vision::Normal:
        return colour;
    case Vision::Protanopia:
        return transform(Protan, colour);
    case Vision::Deuteranopia:
        return transform(Deutan, colour);
    case Vision::Tritanopia:
        return transform(Tritan, colour);
    case Vision::Achromatopsia: {
        const int grey = encode(contrast::relativeLuminance(colour));
        return modColors::RGB(grey, grey, grey);
    }
    }
    return colour;
}

} // namespace colourVision
