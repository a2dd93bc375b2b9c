#include "scheme/SchemeEditor.h"

#include "colour/Apca.h"
#include "colour/Contrast.h"
#include "handles/Views.h"
#include "platform/DesktopServices.h"
#include "widgets/FormLabel.h"
#include "widgets/PlainToolTip.h"

#include <QButtonGroup>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

using namespace modColors;

namespace {
// Where each slot's code starts in a stored tag (0-based), seven characters each.
constexpr std::array<int, SchemeEditor::SlotCount> CodeStart{14, 27, 40, 54, 68};
constexpr int CodeLength = 7;

// The WCAG ratio and level, then the APCA lightness contrast.
QString contrastText(ColourValue text, ColourValue page) {
    return contrast::describe(text, page) + QStringLiteral(", ") + apca::describe(text, page);
}
} // namespace

void SchemeEditor::wire(QObject* context) {
    // The tag is one line: only the horizontal bar is of use in the low field.
    c.txtTag->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < SlotCount; ++i) {
        QObject::connect(c.optTag[i], &QRadioButton::toggled, context, [this, i](bool checked) {
            if (checked) {
                optTag_Click(i);
            }
        });
        QObject::connect(c.lblTag[i], &FormLabel::clicked, context, [this, i] { lblTag_Click(i); });
        QObject::connect(c.lblTag[i], &FormLabel::doubleClicked, context, [this, i] { lblTag_DblClick(i); });
    }
    QObject::connect(c.cmdCopyTag, &QPushButton::clicked, context, [this] { cmdCopyTag_Click(); });
    QObject::connect(c.lblBold, &FormLabel::clicked, context, [this] { lblBold_Click(); });
    // The button's menu holds only the copies; the field's keeps its own copy and select-all.
    c.cmdCopyTag->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(c.cmdCopyTag, &QWidget::customContextMenuRequested, context, [this](const QPoint& pos) {
        popUpWithCssCopies(new QMenu(c.cmdCopyTag), c.cmdCopyTag->mapToGlobal(pos));
    });
    c.txtTag->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(c.txtTag, &QWidget::customContextMenuRequested, context, [this](const QPoint& pos) {
        QMenu* menu = c.txtTag->createStandardContextMenu();
        menu->addSeparator();
        // A scroll area reports the position on its viewport.
        popUpWithCssCopies(menu, c.txtTag->viewport()->mapToGlobal(pos));
    });
    pageVision.wire(context, [this] { showContrast(); });
    showContrast();
}

schemeCss::SlotCodes SchemeEditor::slotCodes() const {
    schemeCss::SlotCodes codes;
    for (int slot = 0; slot < SlotCount; ++slot) {
        codes[slot] = c.lblTag[slot]->tag();
    }
    return codes;
}

void SchemeEditor::popUpWithCssCopies(QMenu* menu, const QPoint& globalPos) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const schemeCss::SlotCodes codes = slotCodes();
    const std::pair<QString, QString> copies[] = {
        {QStringLiteral("Copy as CSS rules"), schemeCss::cssRules(codes)},
        {QStringLiteral("Copy as CSS custom properties"), schemeCss::customProperties(codes)},
    };
    for (const auto& [caption, text] : copies) {
        QAction* action = menu->addAction(caption);
        // With no colour in any slot there is nothing worth pasting.
        action->setEnabled(!text.isEmpty());
        QObject::connect(action, &QAction::triggered, menu,
                         [this, text] { desktop_.putClipboardText(text); });
    }
    menu->popup(globalPos);
}

void SchemeEditor::showContrast() {
    const FormLabel& page = *c.lblTag[0];
    const bool simulated = pageVision.vision() != PageVision::Vision::Normal;
    for (int slot = 1; slot < SlotCount; ++slot) {
        const FormLabel& word = *c.lblTag[slot];
        QString tip = contrastText(word.foreColour(), page.backColour());
        if (simulated) {
            tip += QStringLiteral("\nAs drawn for %1: %2")
                       .arg(colourVision::menuLabel(pageVision.vision()).toLower(),
                            contrastText(word.drawnForeColour(), page.drawnBackColour()));
        }
        setPlainToolTip(c.lblTag[slot], tip);
    }
}

void SchemeEditor::SchemeStep(ColourValue colour) {
    if (!views_.schemeEditorOpen() || SelectedSlot == NoSlot) {
        return;
    }
    setSlot(SelectedSlot, ColourToHtml(colour), colour);
    BuildBodyTag();
}

void SchemeEditor::setSlot(int slot, const QString& code, ColourValue colour) {
    c.lblTag[slot]->setTag(code);
    // The backdrop shows its colour as the page; the sample words as their text.
    if (slot == 0) {
        c.lblTag[0]->setBackColour(colour);
        pageVision.followPage();
    } else {
        c.lblTag[slot]->setForeColour(colour);
    }
    showContrast();
}

void SchemeEditor::BuildBodyTag() {
    const QString tag = QStringLiteral("<BODY BGCOLOR=") + c.lblTag[0]->tag() + QStringLiteral(" TEXT=") +
                        c.lblTag[1]->tag() + QStringLiteral(" LINK=") + c.lblTag[2]->tag() +
                        QStringLiteral(" VLINK=") + c.lblTag[3]->tag() + QStringLiteral(" ALINK=") +
                        c.lblTag[4]->tag() + QStringLiteral(">");
    showText(tag);
}

void SchemeEditor::showText(const QString& text) {
    text_ = text;
    if (text.size() <= ShownLength) {
        c.txtTag->setPlainText(text);
        return;
    }
    QString start = text.left(ShownLength);
    if (start.back().isHighSurrogate()) {
        start.chop(1);
    }
    c.txtTag->setPlainText(start + QChar(0x2026));
}

void SchemeEditor::loadTag(const QString& text) {
    showText(text);
    // A text of another shape still loads piece by piece; a short piece is black and is
    // reported once, not once per slot.
    bool reportedShort = false;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString code = text.mid(CodeStart[slot], CodeLength);
        const bool isShort = code.size() < 6;
        const ColourValue colour = isShort && reportedShort ? 0 : colourOfCode(code);
        reportedShort = reportedShort || isShort;
        setSlot(slot, code, colour);
    }
    clearOptionButtons();
}

QString SchemeEditor::tagText() const {
    return text_.value_or(c.txtTag->toPlainText());
}

ColourValue SchemeEditor::colourOfCode(const QString& code) {
    Channel red = 0, green = 0, blue = 0;
    if (HtmlToChannels(code, red, green, blue) == HtmlParse::TooShort) {
        desktop_.tell(LengthMessage);
    }
    return RGB(red, green, blue);
}

void SchemeEditor::chooseSlot(int index) {
    SelectedSlot = index;
    // The slot's colour becomes current; the refresh writes it back unchanged.
    links_.show(colourOfCode(c.lblTag[index]->tag()));
}

void SchemeEditor::optTag_Click(int index) {
    chooseSlot(index);
}

void SchemeEditor::lblTag_Click(int index) {
    // Selecting an unselected option button chooses the slot through its own handler;
    // choosing again here would only repeat it.
    if (c.optTag[index]->isChecked()) {
        chooseSlot(index);
    } else {
        c.optTag[index]->setChecked(true);
    }
}

void SchemeEditor::lblTag_DblClick(int index) {
    // The click before the double-click has made the slot's colour current already.
    SelectedSlot = index;
    links_.openColourDialog();
}

void SchemeEditor::cmdCopyTag_Click() {
    desktop_.putClipboardText(tagText());
}

void SchemeEditor::lblBold_Click() {
    const bool bold = c.lblBold->borderStyle() != 1;
    for (FormLabel* sample : c.lblTag) {
        QFont font = sample->font();
        font.setBold(bold);
        sample->setFont(font);
    }
    c.lblBold->setBorderStyle(bold ? 1 : 0);
}

void SchemeEditor::clearOptionButtons() {
    // An exclusive group refuses to be left empty; lift that for the moment.
    QButtonGroup* group = c.optTag[0]->group();
    group->setExclusive(false);
    for (QRadioButton* option : c.optTag) {
        option->setChecked(false);
    }
    group->setExclusive(true);
}
