#include "shell/Fonts.h"

#include <QStringList>

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
