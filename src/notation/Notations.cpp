#include "notation/Notations.h"

#include "notation/NotationText.h"
#include "notation/StandardColours.h"
#include "platform/DesktopServices.h"
#include "widgets/Fonts.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// The pixels a line edit has for its text: inside its frame and text margins, less the margin
// the edit keeps on either side and a caret's width.
int textRoom(const QLineEdit& edit) {
    constexpr int EditMargin = 2;
    constexpr int CaretWidth = 1;
    return edit.contentsRect().marginsRemoved(edit.textMargins()).width() - 2 * EditMargin - CaretWidth;
}

// The pixels the closed list has for its entry's text, between its frame and its arrow.
int entryRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.frame = true;
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
        .width();
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
    const int notation = currentNotation();
    if (notation < 0 || notation >= notationText::names().size()) {
        return; // nothing chosen yet
    }
    QString text;
    switch (notation) {
    // The hex box's digits as they stand, and the standard colours' own texts.
    case Html:
        text = QStringLiteral("#") + hex;
        break;
    case C:
        text = QStringLiteral("0x00") + hex.right(2) + hex.mid(2, 2) + hex.left(2);
        break;
    case QBColor:
        text = standard_.QBColorText;
        break;
    case Esc:
        text = standard_.EscText;
        break;
    default:
        text = notationText::textOf(notation, red, green, blue);
        break;
    }
    // The long texts (VB, POV-Ray and the style-sheet ones) in the smaller size.
    const bool small = notation == VB || notation == PovRay || notation >= CssRgb;
    // Stretched glyphs are drawn a little wider than measured: the long newer texts keep two
    // pixels in hand so that their first letter stays inside the field.
    const int room = textRoom(*c.txtDec) - (notation >= CssHwb ? 2 : 0);
    QFont font = narrowedToFit(uiFont(small ? 8 : 10), text, room);
    // The longest lab and color() texts need a point less where half the width is not enough.
    if (small && QFontMetrics(font).horizontalAdvance(text) > room) {
        font = narrowedToFit(uiFont(7), text, room);
    }
    c.txtDec->setFont(font);
    c.txtDec->setText(text);
}

void Notations::cboWhat_Click() {
    // The longest name ("CSS display-p3") is narrowed to fit the closed list; the others keep the
    // list's own font.
    if (!listFont_) {
        listFont_ = c.cboWhat->font();
    }
    c.cboWhat->setFont(narrowedToFit(*listFont_, c.cboWhat->currentText(), entryRoom(*c.cboWhat)));
    ShowNotation();
}

void Notations::cmdSend_Click() {
    desktop_.putClipboardText(c.txtDec->text());
}
