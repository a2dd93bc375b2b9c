#include "colour/Apca.h"

#include <cmath>

namespace apca {

namespace {
// The 0.0.98G-4g constants, named as APCA names them.
constexpr double MainTrc = 2.4;
constexpr double RedCoefficient = 0.2126729;
constexpr double GreenCoefficient = 0.7151522;
constexpr double BlueCoefficient = 0.0721750;

constexpr double NormBg = 0.56;
constexpr double NormTxt = 0.57;
constexpr double RevTxt = 0.62;
constexpr double RevBg = 0.65;

constexpr double BlkThrs = 0.022;
constexpr double BlkClmp = 1.414;
constexpr double ScaleBoW = 1.14;
constexpr double ScaleWoB = 1.14;
constexpr double LoBoWoffset = 0.027;
constexpr double LoWoBoffset = 0.027;
constexpr double DeltaYmin = 0.0005;
constexpr double LoClip = 0.1;

double channelLuminance(modColors::Channel channel) {
    return std::pow(channel / 255.0, MainTrc);
}

// Screens flare near black: lift very dark luminances softly toward the threshold.
double softClampBlack(double y) {
    return y > BlkThrs ? y : y + std::pow(BlkThrs - y, BlkClmp);
}
} // namespace

double screenLuminance(modColors::ColourValue colour) {
    modColors::Channel red = 0, green = 0, blue = 0;
    modColors::SplitColour(colour, red, green, blue);
    return RedCoefficient * channelLuminance(red) + GreenCoefficient * channelLuminance(green) +
           BlueCoefficient * channelLuminance(blue);
}

double lightnessContrast(modColors::ColourValue text, modColors::ColourValue background) {
    const double textY = softClampBlack(screenLuminance(text));
    const double backgroundY = softClampBlack(screenLuminance(background));
    if (std::abs(backgroundY - textY) < DeltaYmin) {
        return 0;
    }
    if (backgroundY > textY) {
        // Dark text on a light background.
        const double sapc = (std::pow(backgroundY, NormBg) - std::pow(textY, NormTxt)) * ScaleBoW;
        return sapc < LoClip ? 0 : (sapc - LoBoWoffset) * 100;
    }
    // Light text on a dark background: the sign stays negative.
    const double sapc = (std::pow(backgroundY, RevBg) - std::pow(textY, RevTxt)) * ScaleWoB;
    return sapc > -LoClip ? 0 : (sapc + LoWoBoffset) * 100;
}

QString describe(modColors::ColourValue text, modColors::ColourValue background) {
    const double lc = lightnessContrast(text, background);
    // The small allowance keeps a sum that lands a hair under a tenth from losing it.
    const double cut = std::trunc(lc * 10 + std::copysign(1e-9, lc)) / 10;
    return QStringLiteral("APCA Lc %1").arg(cut, 0, 'f', 1);
}

} // namespace apca
