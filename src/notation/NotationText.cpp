#include "notation/NotationText.h"

#include "colour/CssColourText.h"
#include "colour/modColors.h"
#include "notation/NotationIndex.h"
#include "notation/StandardColourTable.h"

#include <QLocale>

namespace {

QString povRayText(int red, int green, int blue) {
    // Plain digits as in the mask "0.000"; only the decimal separator is the user's own.
    const QString separator = QLocale().decimalPoint();
    auto part = [&separator](int channel) {
        return QString::number(channel / 255.0, 'f', 3).replace(QLatin1Char('.'), separator);
    };
    return part(red) + QStringLiteral("  ") + part(green) + QStringLiteral("  ") + part(blue);
}

const QString NotAvailable = QStringLiteral("Not available");

} // namespace

const QStringList& notationText::names() {
    static const QStringList list = [] {
        QStringList names;
        for (const char* name : notation::Names) {
            names << QString::fromLatin1(name);
        }
        return names;
    }();
    return list;
}

std::optional<int> notationText::notationNamed(const QString& word) {
    bool isNumber = false;
    const int index = word.toInt(&isNumber);
    if (isNumber && word == QString::number(index) && index >= 0 && index < names().size()) {
        return index;
    }
    const auto named = names().indexOf(word);
    return named >= 0 ? std::optional<int>(static_cast<int>(named)) : std::nullopt;
}

QString notationText::textOf(int notation, int red, int green, int blue) {
    using modColors::HexByte;
    const int standard = standardColours::indexOf(modColors::RGB(red, green, blue));
    auto hex = [](int channel) { return HexByte(static_cast<modColors::Channel>(channel)); };
    switch (notation) {
    case notation::Number:
        return QString::number(modColors::RGB(red, green, blue));
    case notation::Html:
        return QStringLiteral("#") + hex(red) + hex(green) + hex(blue);
    case notation::C:
        return QStringLiteral("0x00") + hex(blue) + hex(green) + hex(red);
    case notation::QBColor:
        return standard < 0 ? NotAvailable : QStringLiteral("QBColor( %1 )").arg(standard);
    case notation::VB:
        return QStringLiteral("RGB(%1 ,%2 ,%3)").arg(red).arg(green).arg(blue);
    case notation::Esc:
        return standard < 0
                   ? NotAvailable
                   : QString::fromLatin1(standardColours::Table[static_cast<std::size_t>(standard)].escape);
    case notation::PovRay:
        return povRayText(red, green, blue);
    case notation::CssRgb:
        return cssColour::cssRgbText({red, green, blue});
    case notation::CssHsl:
        return cssColour::cssHslText({red, green, blue});
    case notation::CssOklch:
        return cssColour::cssOklchText({red, green, blue});
    case notation::CssHex:
        return cssColour::cssHexText({red, green, blue});
    case notation::CssHwb:
        return cssColour::writtenText(cssColour::WrittenForm::Hwb, {red, green, blue});
    case notation::CssLab:
        return cssColour::writtenText(cssColour::WrittenForm::Lab, {red, green, blue});
    case notation::CssLch:
        return cssColour::writtenText(cssColour::WrittenForm::Lch, {red, green, blue});
    case notation::CssOklab:
        return cssColour::writtenText(cssColour::WrittenForm::Oklab, {red, green, blue});
    case notation::CssDisplayP3:
        return cssColour::writtenText(cssColour::WrittenForm::DisplayP3, {red, green, blue});
    default:
        return QString();
    }
}
