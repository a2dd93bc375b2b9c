#include "colour/Contrast.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {
double linear(int channel) {
    return srgbTransfer::toLinear(channel / 255.0);
}
} // namespace

double relativeLuminance(modColors::ColourValue colour) {
    modColors::Channel red = 0, green = 0, blue = 0;
    modColors::SplitColour(colour, red, green, blue);
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

double ratio(modColors::ColourValue a, modColors::ColourValue b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString level(double ratio) {
    if (ratio >= 7) {
        return QStringLiteral("AAA");
    }
    if (ratio >= 4.5) {
        return QStringLiteral("AA");
    }
    if (ratio >= 3) {
        return QStringLiteral("AA Large");
    }
    return QStringLiteral("fails AA");
}

QString describe(modColors::ColourValue text, modColors::ColourValue background) {
    const double r = ratio(text, background);
    // A small allowance keeps 21 from showing as 20.9 through rounding in the sums.
    const double cut = std::floor(r * 10 + 1e-9) / 10;
    return QStringLiteral("Contrast %1:1 (%2)")
        .arg(QString::number(cut, 'f', cut == std::floor(cut) ? 0 : 1), level(r));
}

} // namespace contrast
