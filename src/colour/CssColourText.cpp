#include "colour/CssColourText.h"

#include "colour/CssColour.h"
#include "colour/CssNamedColours.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace cssColour {

namespace {

// One argument of a colour function. Angles are held in degrees.
struct Component {
    enum class Kind { Number, Percent, Angle, None } kind;
    double value;
};

std::optional<Component> parseComponent(const QString& text) {
    if (text == QLatin1String("none")) {
        return Component{Component::Kind::None, 0};
    }
    static const QRegularExpression shape(
        QStringLiteral("^([+-]?(?:\\d*\\.\\d+|\\d+)(?:e[+-]?\\d+)?)(%|deg|grad|rad|turn)?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const double number = match.captured(1).toDouble();
    if (!std::isfinite(number)) {
        return std::nullopt;
    }
    const QString unit = match.captured(2);
    if (unit.isEmpty()) {
        return Component{Component::Kind::Number, number};
    }
    if (unit == QLatin1String("%")) {
        return Component{Component::Kind::Percent, number};
    }
    double degrees = number;
    if (unit == QLatin1String("grad")) {
        degrees = number * 0.9;
    } else if (unit == QLatin1String("rad")) {
        degrees = number * 180 / std::numbers::pi;
    } else if (unit == QLatin1String("turn")) {
        degrees = number * 360;
    }
    return Component{Component::Kind::Angle, degrees};
}

// The arguments between the parentheses: three colour components and an optional alpha,
// either comma-separated (the older syntax) or blank-separated with "/ alpha".
struct Arguments {
    std::array<Component, 3> parts;
    bool withCommas;
};

std::optional<Arguments> parseArguments(const QString& inside) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words;
    QString alpha;
    const bool withCommas = inside.contains(QLatin1Char(','));
    if (withCommas) {
        words = inside.split(QLatin1Char(','));
        for (QString& word : words) {
            word = word.trimmed();
        }
        if (words.size() == 4) {
            alpha = words.takeLast();
        }
    } else {
        QStringList halves = inside.split(QLatin1Char('/'));
        if (halves.size() > 2) {
            return std::nullopt;
        }
        if (halves.size() == 2) {
            alpha = halves[1].trimmed();
            if (alpha.isEmpty()) {
                return std::nullopt;
            }
        }
        words = halves[0].split(blanks, Qt::SkipEmptyParts);
    }
    if (words.size() != 3) {
        return std::nullopt;
    }
    if (!alpha.isNull()) {
        const auto a = parseComponent(alpha);
        const bool allowed =
            a && (a->kind == Component::Kind::Number || a->kind == Component::Kind::Percent ||
                  (a->kind == Component::Kind::None && !withCommas));
        if (!allowed) {
            return std::nullopt;
        }
    }
    Arguments args{{}, withCommas};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto part = parseComponent(words[static_cast<qsizetype>(i)]);
        // "none" belongs to the blank-separated syntax only.
        if (!part || (withCommas && part->kind == Component::Kind::None)) {
            return std::nullopt;
        }
        args.parts[i] = *part;
    }
    return args;
}

using Kind = Component::Kind;

bool isOneOf(const Component& c, std::initializer_list<Kind> kinds) {
    return std::find(kinds.begin(), kinds.end(), c.kind) != kinds.end();
}

Channels toChannels(const Srgb& rgb) {
    return {toChannel(rgb[0]), toChannel(rgb[1]), toChannel(rgb[2])};
}

std::optional<Channels> fromRgb(const Arguments& args) {
    const Kind first = args.parts[0].kind;
    Srgb rgb{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Component& c = args.parts[i];
        // The comma syntax takes three numbers or three percentages, never a mix.
        if (!isOneOf(c, {Kind::Number, Kind::Percent, Kind::None}) || (args.withCommas && c.kind != first)) {
            return std::nullopt;
        }
        rgb[i] = c.kind == Kind::Percent ? c.value / 100 : c.value / 255;
    }
    return toChannels(rgb);
}

std::optional<Channels> fromHsl(const Arguments& args) {
    const auto& [hue, saturation, lightness] = args.parts;
    if (!isOneOf(hue, {Kind::Number, Kind::Angle, Kind::None})) {
        return std::nullopt;
    }
    // Saturation and lightness are percentages; the blank syntax also takes plain numbers.
    for (const Component* c : {&saturation, &lightness}) {
        const bool allowed = args.withCommas ? c->kind == Kind::Percent
                                             : isOneOf(*c, {Kind::Number, Kind::Percent, Kind::None});
        if (!allowed) {
            return std::nullopt;
        }
    }
    return toChannels(hslToSrgb(hue.value, std::clamp(saturation.value, 0.0, 100.0) / 100,
                                std::clamp(lightness.value, 0.0, 100.0) / 100));
}

std::optional<Channels> fromOklch(const Arguments& args) {
    const auto& [lightness, chroma, hue] = args.parts;
    if (args.withCommas || !isOneOf(lightness, {Kind::Number, Kind::Percent, Kind::None}) ||
        !isOneOf(chroma, {Kind::Number, Kind::Percent, Kind::None}) ||
        !isOneOf(hue, {Kind::Number, Kind::Angle, Kind::None})) {
        return std::nullopt;
    }
    // 100 % lightness is 1, 100 % chroma is 0.4. sRGB holds chroma up to about 0.32; far beyond
    // it clipping the channels stops meaning anything and huge values overflow, so chroma is
    // capped at 0.5.
    constexpr double MostChroma = 0.5;
    const double l = lightness.kind == Kind::Percent ? lightness.value / 100 : lightness.value;
    const double c = chroma.kind == Kind::Percent ? chroma.value * 0.4 / 100 : chroma.value;
    return toChannels(oklchToSrgb(std::clamp(l, 0.0, 1.0), std::clamp(c, 0.0, MostChroma), hue.value));
}

std::optional<Channels> fromHexDigits(const QString& digits) {
    static const QRegularExpression hexOnly(QStringLiteral("^[0-9a-f]+$"));
    const qsizetype n = digits.size();
    if ((n != 3 && n != 4 && n != 6 && n != 8) || !hexOnly.match(digits).hasMatch()) {
        return std::nullopt;
    }
    const bool shortForm = n < 6;
    Channels rgb{};
    for (qsizetype i = 0; i < 3; ++i) {
        const QString pair = shortForm ? QString(2, digits[i]) : digits.mid(2 * i, 2);
        rgb[static_cast<std::size_t>(i)] = pair.toInt(nullptr, 16);
    }
    return rgb;
}

// Lower case for ASCII letters only, as style sheets compare them.
QString asciiLower(const QString& text) {
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            c = QChar(c.unicode() + ('a' - 'A'));
        }
    }
    return lower;
}

} // namespace

std::optional<Channels> parseCssColour(const QString& text) {
    const QString t = asciiLower(text.trimmed());
    if (t.startsWith(QLatin1Char('#'))) {
        return fromHexDigits(t.mid(1));
    }
    if (const auto named = namedColour(t)) {
        return Channels{static_cast<int>(*named >> 16), static_cast<int>((*named >> 8) & 0xFF),
                        static_cast<int>(*named & 0xFF)};
    }
    static const QRegularExpression function(QStringLiteral("^(rgba?|hsla?|oklch)\\((.*)\\)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = function.match(t);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const auto args = parseArguments(match.captured(2).trimmed());
    if (!args) {
        return std::nullopt;
    }
    const QString name = match.captured(1);
    if (name.startsWith(QLatin1String("rgb"))) {
        return fromRgb(*args);
    }
    if (name.startsWith(QLatin1String("hsl"))) {
        return fromHsl(*args);
    }
    return fromOklch(*args);
}

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
