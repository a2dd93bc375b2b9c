#include "colour/SchemeCss.h"

#include <QRegularExpression>
#include <QStringList>

namespace schemeCss {

namespace {
// Indices into SlotCodes.
enum Slot { Background, Text, Link };

// Custom property names in slot order.
const std::array<QLatin1String, 5> PropertyNames = {
    QLatin1String("--bgcolor"), QLatin1String("--text"),  QLatin1String("--link"),
    QLatin1String("--vlink"),   QLatin1String("--alink"),
};

// The link rules' selectors, for the link slots in order.
const std::array<QLatin1String, 3> LinkSelectors = {
    QLatin1String("a:link"),
    QLatin1String("a:visited"),
    QLatin1String("a:active"),
};
} // namespace

bool isColourCode(const QString& code) {
    static const QRegularExpression colour(
        QRegularExpression::anchoredPattern(QStringLiteral("#[0-9A-Fa-f]{6}")));
    return colour.match(code).hasMatch();
}

QString cssRules(const SlotCodes& codes) {
    QStringList bodyDeclarations;
    if (isColourCode(codes[Background])) {
        bodyDeclarations << QStringLiteral("background-color: %1;").arg(codes[Background]);
    }
    if (isColourCode(codes[Text])) {
        bodyDeclarations << QStringLiteral("color: %1;").arg(codes[Text]);
    }
    QString css;
    if (!bodyDeclarations.isEmpty()) {
        css += QStringLiteral("body { %1 }\n").arg(bodyDeclarations.join(QLatin1Char(' ')));
    }
    for (std::size_t i = 0; i < LinkSelectors.size(); ++i) {
        const QString& code = codes[Link + i];
        if (isColourCode(code)) {
            css += QStringLiteral("%1 { color: %2; }\n").arg(LinkSelectors[i], code);
        }
    }
    return css;
}

QString customProperties(const SlotCodes& codes) {
    QString declarations;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (isColourCode(codes[i])) {
            declarations += QStringLiteral("  %1: %2;\n").arg(PropertyNames[i], codes[i]);
        }
    }
    if (declarations.isEmpty()) {
        return {};
    }
    return QStringLiteral(":root {\n") + declarations + QStringLiteral("}\n");
}

} // namespace schemeCss
