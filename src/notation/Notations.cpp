#include "notation/Notations.h"

#include "colour/CssColourText.h"
#include "notation/StandardColours.h"
#include "platform/DesktopServices.h"
#include "shell/Fonts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// The pixels a line edit has for its text: inside its frame and text margins, less the margin
// the edit keeps on either side and a caret's width.
int textRoom(const QLineEdit& edit) {
    constexpr int EditMargin = 2;
    constexpr int CaretWidth = 1;
    return edit.contentsRect().marginsRemoved(edit.textMargins()).width() - 2 * EditMargin - CaretWidth;
}

} // namespace

void Notations::wire(QObject* context) {
    QObject::connect(c.cboWhat, &QComboBox::currentIndexChanged, context, [this] { cboWhat_Click(); });
    QObject::connect(c.cmdSend, &QPushButton::clicked, context, [this] { cmdSend_Click(); });
}

int Notations::currentNotation() const {
    return c.cboWhat->currentIndex();
}

void Notations::standardShown(bool matched) {
    const int notation = currentNotation();
    if (notation != QBColor && notation != Esc) {
        if (!matched) {
            c.cmdSend->setEnabled(true);
        }
        return;
    }
    if (matched) {
        c.txtDec->setText(notation == QBColor ? standard_.QBColorText : standard_.EscText);
    }
    c.cmdSend->setEnabled(matched);
}

void Notations::ShowNotation() {
    if (!flags_.InStdSelect) {
        standard_.MatchColour(readings_.colour());
    }
    const auto [red, green, blue] = readings_.channels();
    const QString hex = readings_.hex();
    auto show = [this](double points, const QString& text) {
        c.txtDec->setFont(narrowedToFit(uiFont(points), text, textRoom(*c.txtDec)));
        c.txtDec->setText(text);
    };
    switch (currentNotation()) {
    case Number:
        show(10, QString::number(red + 256 * green + 65536 * blue));
        break;
    case Html:
        show(10, QStringLiteral("#") + hex);
        break;
    case C:
        show(10, QStringLiteral("0x00") + hex.right(2) + hex.mid(2, 2) + hex.left(2));
        break;
    case QBColor:
        show(10, standard_.QBColorText);
        break;
    case VB:
        show(8, QStringLiteral("RGB(%1 ,%2 ,%3)").arg(red).arg(green).arg(blue));
        break;
    case Esc:
        show(10, standard_.EscText);
        break;
    case PovRay: {
        // Plain digits as in the mask "0.000"; only the decimal separator is the user's own.
        const QString separator = QLocale().decimalPoint();
        auto part = [&separator](int channel) {
            return QString::number(channel / 255.0, 'f', 3).replace(QLatin1Char('.'), separator);
        };
        show(8, part(red) + QStringLiteral("  ") + part(green) + QStringLiteral("  ") + part(blue));
        break;
    }
    // Style-sheet texts are as long as the VB and POV-Ray ones.
    case CssRgb:
        show(8, cssColour::cssRgbText({red, green, blue}));
        break;
    case CssHsl:
        show(8, cssColour::cssHslText({red, green, blue}));
        break;
    case CssOklch:
        show(8, cssColour::cssOklchText({red, green, blue}));
        break;
    default:
        break;
    }
}

void Notations::cboWhat_Click() {
    ShowNotation();
}

void Notations::cmdSend_Click() {
    desktop_.putClipboardText(c.txtDec->text());
}
