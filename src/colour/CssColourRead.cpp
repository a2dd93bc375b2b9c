// Reading a whole style-sheet colour: the grammar of its functions and what each argument means.
#include "colour/CssColour.h"
#include "colour/CssColourText.h"
#include "colour/CssNamedColours.h"
#include "colour/CssSpaces.h"
#include "colour/SrgbTransfer.h"

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
using Kind = Component::Kind;

double degreesOf(double number, const QString& unit) {
    if (unit == QLatin1String("grad")) {
        return number * 0.9;
    }
    if (unit == QLatin1String("rad")) {
        return number * 180 / std::numbers::pi;
    }
    if (unit == QLatin1String("turn")) {
        return number * 360;
    }
    return number;
}

std::optional<Component> parseComponent(const QString& text) {
    if (text == QLatin1String("none")) {
        return Component{Kind::None, 0};
    }
    static const QRegularExpression shape(
        QStringLiteral("^([+-]?(?:\\d*\\.\\d+|\\d+)(?:e[+-]?\\d+)?)(%|deg|grad|rad|turn)?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    const Kind kind = unit.isEmpty()               ? Kind::Number
                      : unit == QLatin1String("%") ? Kind::Percent
                                                   : Kind::Angle;
    const double value = kind == Kind::Angle ? degreesOf(number, unit) : number;
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return Component{kind, value};
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
        const bool allowed = a && (a->kind == Kind::Number || a->kind == Kind::Percent ||
                                   (a->kind == Kind::None && !withCommas));
        if (!allowed) {
            return std::nullopt;
        }
    }
    Arguments args{{}, withCommas};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto part = parseComponent(words[static_cast<qsizetype>(i)]);
        // "none" belongs to the blank-separated syntax only.
        if (!part || (withCommas && part->kind == Kind::None)) {
            return std::nullopt;
        }
        args.parts[i] = *part;
    }
    return args;
}

// What one argument may be: a hue (a number of degrees or an angle), or a number where a
// percentage counts `percentOf` for 100 %.
struct Slot {
    bool hue;
    double percentOf;
};
constexpr Slot Hue{true, 0};

using Values = std::array<double, 3>;

// The arguments as plain numbers in each slot's own scale; nothing when one has the wrong kind.
std::optional<Values> valuesOf(const Arguments& args, const std::array<Slot, 3>& expected) {
    Values values{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Component& c = args.parts[i];
        const bool allowed = expected[i].hue ? c.kind != Kind::Percent : c.kind != Kind::Angle;
        if (!allowed) {
            return std::nullopt;
        }
        // 100 % of 100 is the number itself, to the last bit.
        const double percentOf = expected[i].percentOf;
        values[i] = c.kind != Kind::Percent ? c.value
                    : percentOf == 100      ? c.value
                                            : c.value * percentOf / 100;
        if (!std::isfinite(values[i])) {
            return std::nullopt;
        }
    }
    return values;
}

// Far outside every screen the clipped colour no longer changes as a length grows; shortening
// such lengths (keeping their direction) keeps the arithmetic away from overflow.
constexpr double FarOutside = 1e6;
void shorten(double* first, std::size_t count) {
    double longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        longest = std::max(longest, std::abs(first[i]));
    }
    if (longest > FarOutside) {
        for (std::size_t i = 0; i < count; ++i) {
            first[i] *= FarOutside / longest;
        }
    }
}

Srgb fromRgb(Values v) {
    return {v[0] / 255, v[1] / 255, v[2] / 255};
}

Srgb fromHsl(Values v) {
    // Saturation below 0 counts as 0; lightness stays within 0..100 % as well.
    return hslToSrgb(v[0], std::clamp(v[1], 0.0, 100.0) / 100, std::clamp(v[2], 0.0, 100.0) / 100);
}

Srgb fromHwb(Values v) {
    return hwbToSrgb(v[0], v[1] / 100, v[2] / 100);
}

Srgb fromLab(Values v) {
    v[0] = std::clamp(v[0], 0.0, 100.0);
    shorten(&v[1], 2);
    return xyzToSrgb(cssSpace::labToXyz(v));
}

Srgb fromLch(Values v) {
    v[1] = std::min(std::max(v[1], 0.0), FarOutside);
    return fromLab(cssSpace::polarToRectangular(v));
}

Srgb fromOklab(Values v) {
    v[0] = std::clamp(v[0], 0.0, 1.0);
    shorten(&v[1], 2);
    return xyzToSrgb(cssSpace::oklabToXyz(v));
}

Srgb fromOklch(Values v) {
    v[0] = std::clamp(v[0], 0.0, 1.0);
    v[1] = std::min(std::max(v[1], 0.0), FarOutside);
    return xyzToSrgb(cssSpace::oklabToXyz(cssSpace::polarToRectangular(v)));
}

struct Function {
    const char* name;
    std::array<Slot, 3> expected;
    Srgb (*toSrgb)(Values);
    bool takesCommas; // the older comma syntax of rgb() and hsl()
};

constexpr Slot Percent100{false, 100};
const Function Functions[] = {
    {"rgb", {{{false, 255}, {false, 255}, {false, 255}}}, fromRgb, true},
    {"rgba", {{{false, 255}, {false, 255}, {false, 255}}}, fromRgb, true},
    {"hsl", {{Hue, Percent100, Percent100}}, fromHsl, true},
    {"hsla", {{Hue, Percent100, Percent100}}, fromHsl, true},
    {"hwb", {{Hue, Percent100, Percent100}}, fromHwb, false},
    {"lab", {{Percent100, {false, 125}, {false, 125}}}, fromLab, false},
    {"lch", {{Percent100, {false, 150}, Hue}}, fromLch, false},
    {"oklab", {{{false, 1}, {false, 0.4}, {false, 0.4}}}, fromOklab, false},
    {"oklch", {{{false, 1}, {false, 0.4}, Hue}}, fromOklch, false},
};

// The comma syntax: rgb() takes three numbers or three percentages, never a mix; hsl() a hue
// and two percentages.
bool legacyKindsAllowed(const Function& f, const Arguments& args) {
    if (f.expected[0].hue) {
        return args.parts[1].kind == Kind::Percent && args.parts[2].kind == Kind::Percent;
    }
    const Kind first = args.parts[0].kind;
    return args.parts[1].kind == first && args.parts[2].kind == first;
}

const Function* functionNamed(const QString& name) {
    for (const Function& f : Functions) {
        if (name == QLatin1String(f.name)) {
            return &f;
        }
    }
    return nullptr;
}

std::optional<Srgb> fromFunction(const Function& f, const Arguments& args) {
    if (args.withCommas && !(f.takesCommas && legacyKindsAllowed(f, args))) {
        return std::nullopt;
    }
    const auto values = valuesOf(args, f.expected);
    return values ? std::optional<Srgb>(f.toSrgb(*values)) : std::nullopt;
}

std::optional<cssSpace::Predefined> predefinedSpaceNamed(const QString& name) {
    using cssSpace::Predefined;
    static const std::pair<const char*, Predefined> spaces[] = {
        {"srgb", Predefined::Srgb},
        {"srgb-linear", Predefined::SrgbLinear},
        {"display-p3", Predefined::DisplayP3},
        {"a98-rgb", Predefined::A98Rgb},
        {"prophoto-rgb", Predefined::ProPhotoRgb},
        {"rec2020", Predefined::Rec2020},
        {"xyz", Predefined::XyzD65},
        {"xyz-d50", Predefined::XyzD50},
        {"xyz-d65", Predefined::XyzD65},
    };
    for (const auto& [spaceName, space] : spaces) {
        if (name == QLatin1String(spaceName)) {
            return space;
        }
    }
    return std::nullopt;
}

std::optional<Srgb> fromPredefined(cssSpace::Predefined space, const Arguments& args);

// color(space r g b): the space's name, then three numbers or percentages (100 % is 1).
std::optional<Srgb> fromColorFunction(const QString& inside) {
    static const QRegularExpression spaceThenRest(QStringLiteral("^([a-z0-9-]+)(?:\\s+(.*))?$"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = spaceThenRest.match(inside);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const auto space = predefinedSpaceNamed(match.captured(1));
    const auto args = parseArguments(match.captured(2).trimmed());
    if (!space || !args || args->withCommas) {
        return std::nullopt;
    }
    return fromPredefined(*space, *args);
}

std::optional<Srgb> fromPredefined(cssSpace::Predefined space, const Arguments& args) {
    auto values = valuesOf(args, {{{false, 1}, {false, 1}, {false, 1}}});
    if (!values) {
        return std::nullopt;
    }
    using cssSpace::Predefined;
    // sRGB and its linear light need no trip through XYZ, which would lose a small channel
    // beside a huge one.
    if (space == Predefined::Srgb) {
        return *values;
    }
    if (space == Predefined::SrgbLinear) {
        Values& v = *values;
        return Srgb{srgbTransfer::toEncoded(v[0]), srgbTransfer::toEncoded(v[1]),
                    srgbTransfer::toEncoded(v[2])};
    }
    shorten(values->data(), 3);
    return xyzToSrgb(cssSpace::predefinedToXyz(space, *values));
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

namespace {
Channels toChannels(const Srgb& rgb) {
    return {toChannel(rgb[0]), toChannel(rgb[1]), toChannel(rgb[2])};
}
} // namespace

Channels readWritten(WrittenForm form, const WrittenArguments& written) {
    Arguments args{{}, false};
    for (std::size_t i = 0; i < 3; ++i) {
        const WrittenArgument& w = written[i];
        args.parts[i] = {w.none ? Kind::None : w.percent ? Kind::Percent : Kind::Number, w.value};
    }
    // Looked up once: the whole-cube check calls this 84 million times.
    static const std::array<const Function*, 4> functions = {
        functionNamed(writtenName(WrittenForm::Hwb)), functionNamed(writtenName(WrittenForm::Lab)),
        functionNamed(writtenName(WrittenForm::Lch)), functionNamed(writtenName(WrittenForm::Oklab))};
    const auto rgb = form == WrittenForm::DisplayP3
                         ? fromPredefined(cssSpace::Predefined::DisplayP3, args)
                         : fromFunction(*functions[static_cast<std::size_t>(form)], args);
    return rgb ? toChannels(*rgb) : Channels{-1, -1, -1};
}

std::optional<Channels> parseCssColour(const QString& text) {
    const QString t = asciiLower(text.trimmed());
    if (t.startsWith(QLatin1Char('#'))) {
        return fromHexDigits(t.mid(1));
    }
    if (const auto named = namedColour(t)) {
        return Channels{static_cast<int>(*named >> 16), static_cast<int>((*named >> 8) & 0xFF),
                        static_cast<int>(*named & 0xFF)};
    }
    static const QRegularExpression function(QStringLiteral("^([a-z0-9-]+)\\((.*)\\)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = function.match(t);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QString name = match.captured(1);
    const QString inside = match.captured(2).trimmed();
    std::optional<Srgb> rgb;
    if (name == QLatin1String("color")) {
        rgb = fromColorFunction(inside);
    } else if (const Function* f = functionNamed(name)) {
        if (const auto args = parseArguments(inside)) {
            rgb = fromFunction(*f, *args);
        }
    }
    if (!rgb) {
        return std::nullopt;
    }
    return toChannels(*rgb);
}

} // namespace cssColour
