#include "widgets/Fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

QFont uiFont(double points, bool bold, bool underline, bool mono) {
    QFont font;
    if (mono) {
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Monospace")});
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setFamilies(
            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont narrowedToFit(QFont font, const QString& text, int width) {
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= width || width <= 0) {
        return font;
    }
    // Scaled glyphs do not shrink exactly in proportion: step down until it fits. Below half
    // the width letters stop being readable, so a text that needs more is left cut off there.
    constexpr int Narrowest = 50;
    for (int stretch = std::max(Narrowest, width * 100 / natural); stretch >= Narrowest; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}
