#include "notation/Notations.h"

#include "colour/CssColourText.h"
#include "notation/StandardColours.h"
#include "platform/DesktopServices.h"
#include "shell/Fonts.h"
#include "shell/frmTintwell.h"

#include <QLineEdit>
#include <QLocale>

namespace {

// The pixels a line edit has for its text: inside its frame and text margins, less the margin
// the edit keeps on either side and a caret's width.
int textRoom(const QLineEdit& edit) {
    constexpr int EditMargin = 2;
    constexpr int CaretWidth = 1;
    return edit.contentsRect().marginsRemoved(edit.textMargins()).width() - 2 * EditMargin - CaretWidth;
}

} // namespace

void Notations::wire() {
    QObject::connect(f.cboWhat, &QComboBox::currentIndexChanged, &f, [this] { cboWhat_Click(); });
    QObject::connect(f.cmdSend, &QPushButton::clicked, &f, [this] { cmdSend_Click(); });
}

void Notations::ShowNotation() {
    if (!f.flags.InStdSelect) {
        f.standard.MatchColour(f.lblCMix->backColour());
    }
    const int red = f.vsbColor[0]->value();
    const int green = f.vsbColor[1]->value();
    const int blue = f.vsbColor[2]->value();
    const QString hex = f.txtHex->text();
    auto show = [this](double points, const QString& text) {
        f.txtDec->setFont(narrowedToFit(uiFont(points), text, textRoom(*f.txtDec)));
        f.txtDec->setText(text);
    };
    switch (f.cboWhat->currentIndex()) {
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
        show(10, f.standard.QBColorText);
        break;
    case VB:
        show(8, QStringLiteral("RGB(%1 ,%2 ,%3)")
                    .arg(f.lblNColor[0]->text(), f.lblNColor[1]->text(), f.lblNColor[2]->text()));
        break;
    case Esc:
        show(10, f.standard.EscText);
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
    f.desktop.putClipboardText(f.txtDec->text());
}
