#include "colour/CssColourText.h"

#include "colour/CssColour.h"
#include "colour/CssSpaces.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace cssColour {

namespace {
Srgb toSrgb(const Channels& rgb) {
    return fromChannels(rgb[0], rgb[1], rgb[2]);
}

// Fixed decimals without the zeros at the end ("52.98", "0.2", "100").
QString trimmed(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}
} // namespace

QString cssRgbText(const Channels& rgb) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
}

QString cssHslText(const Channels& rgb) {
    const Hsl hsl = srgbToHsl(toSrgb(rgb));
    const long hue = std::lround(hsl.hue) % 360;
    return QStringLiteral("hsl(%1, %2%, %3%)")
        .arg(hue)
        .arg(std::lround(hsl.saturation * 100))
        .arg(std::lround(hsl.lightness * 100));
}

QString cssOklchText(const Channels& rgb) {
    const Oklch lch = srgbToOklch(toSrgb(rgb));
    const QString lightness = trimmed(lch.lightness * 100, 2) + QLatin1Char('%');
    if (lch.achromatic) {
        return QStringLiteral("oklch(%1 0 none)").arg(lightness);
    }
    // A hue that rounds up to 360 is 0.
    const double hue = std::round(lch.hue * 100) / 100;
    return QStringLiteral("oklch(%1 %2 %3)")
        .arg(lightness, trimmed(lch.chroma, 4), trimmed(hue >= 360 ? 0 : hue, 2));
}

namespace {
struct Written {
    const char* name;
    std::array<int, 3> decimals;
    std::array<bool, 3> percent;
    int hueAt; // the argument that is a hue, or -1
};

// The fewest decimals with which every one of the 16,777,216 codes comes back unchanged.
Written formOf(WrittenForm form) {
    switch (form) {
    case WrittenForm::Hwb:
        return {"hwb", {1, 1, 1}, {false, true, true}, 0};
    case WrittenForm::Lab:
        return {"lab", {2, 2, 2}, {false, false, false}, -1};
    case WrittenForm::Lch:
        return {"lch", {2, 2, 2}, {false, false, false}, 2};
    case WrittenForm::Oklab:
        return {"oklab", {2, 5, 5}, {true, false, false}, -1};
    case WrittenForm::DisplayP3:
        break;
    }
    return {"display-p3", {4, 4, 4}, {false, false, false}, -1};
}

// The exact numbers each form writes, before rounding.
cssSpace::Vector unroundedArguments(WrittenForm form, const Channels& channels) {
    const Srgb rgb = toSrgb(channels);
    const Xyz xyz = channelsToXyz(channels[0], channels[1], channels[2]);
    switch (form) {
    case WrittenForm::Hwb: {
        const double white = std::min({rgb[0], rgb[1], rgb[2]});
        const double black = 1 - std::max({rgb[0], rgb[1], rgb[2]});
        return {srgbToHsl(rgb).hue, white * 100, black * 100};
    }
    case WrittenForm::Lab:
        return cssSpace::xyzToLab(xyz);
    case WrittenForm::Lch:
        return cssSpace::rectangularToPolar(cssSpace::xyzToLab(xyz));
    case WrittenForm::Oklab: {
        cssSpace::Vector lab = cssSpace::xyzToOklab(xyz);
        lab[0] *= 100;
        return lab;
    }
    case WrittenForm::DisplayP3:
        break;
    }
    return cssSpace::xyzToPredefined(cssSpace::Predefined::DisplayP3, xyz);
}

// Rounded so that the number printed with those decimals reads back as exactly this double.
double roundedTo(double value, int decimals) {
    constexpr double Powers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double scale = Powers[decimals];
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0 ? 0 : rounded; // never "-0"
}
} // namespace

WrittenArguments writtenArguments(WrittenForm form, const Channels& rgb) {
    const Written w = formOf(form);
    const cssSpace::Vector exact = unroundedArguments(form, rgb);
    const bool grey = rgb[0] == rgb[1] && rgb[1] == rgb[2];
    WrittenArguments args{};
    for (std::size_t i = 0; i < 3; ++i) {
        double value = roundedTo(exact[i], w.decimals[i]);
        const bool isHue = static_cast<int>(i) == w.hueAt;
        if (isHue && value >= 360) {
            value = 0;
        }
        args[i] = {isHue && grey ? 0 : value, w.percent[i], isHue && grey};
    }
    // A grey's chroma is 0, however the arithmetic ends.
    if (grey && form == WrittenForm::Lch) {
        args[1].value = 0;
    }
    return args;
}

QString writtenName(WrittenForm form) {
    return QString::fromLatin1(formOf(form).name);
}

QString writtenText(WrittenForm form, const Channels& rgb) {
    const Written w = formOf(form);
    const WrittenArguments args = writtenArguments(form, rgb);
    QStringList parts;
    for (std::size_t i = 0; i < 3; ++i) {
        const WrittenArgument& a = args[i];
        parts << (a.none ? QStringLiteral("none")
                         : trimmed(a.value, w.decimals[i]) + (a.percent ? QStringLiteral("%") : QString()));
    }
    const QString arguments = parts.join(QLatin1Char(' '));
    if (form == WrittenForm::DisplayP3) {
        return QStringLiteral("color(display-p3 %1)").arg(arguments);
    }
    return QStringLiteral("%1(%2)").arg(writtenName(form), arguments);
}

QString cssHexText(const Channels& rgb) {
    Channels clipped{};
    bool shortens = true;
    for (std::size_t i = 0; i < 3; ++i) {
        clipped[i] = std::clamp(rgb[i], 0, 255);
        shortens = shortens && clipped[i] % 17 == 0; // 0x11 times one digit
    }
    QString hex = QStringLiteral("#");
    for (const int channel : clipped) {
        hex += shortens ? QString::number(channel / 17, 16)
                        : QString::number(channel, 16).rightJustified(2, u'0');
    }
    return hex;
}

} // namespace cssColour
