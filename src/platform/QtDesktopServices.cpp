#include "platform/QtDesktopServices.h"

#include "colour/ColourQt.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace {
// The classic display-element indices and the palette role nearest to each.
QPalette::ColorRole roleFor(int index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 0: // scroll bar
        return QPalette::Button;
    case 1: // desktop
        return QPalette::Dark;
    case 2:  // active caption
    case 27: // active caption gradient
        return QPalette::Highlight;
    case 3:  // inactive caption
    case 28: // inactive caption gradient
        group = QPalette::Inactive;
        return QPalette::Mid;
    case 4: // menu
        return QPalette::Window;
    case 5: // window
        return QPalette::Base;
    case 6: // window frame
        return QPalette::Shadow;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9: // caption text
        return QPalette::HighlightedText;
    case 10: // active border
    case 11: // inactive border
        return QPalette::Button;
    case 12: // application workspace
        return QPalette::Mid;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
        group = QPalette::Disabled;
        return QPalette::WindowText;
    case 18: // button text
        return QPalette::ButtonText;
    case 19: // inactive caption text
        group = QPalette::Inactive;
        return QPalette::WindowText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3-D dark shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23: // tool tip text
        return QPalette::ToolTipText;
    case 24: // tool tip background
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    case 29: // menu highlight
        return QPalette::Highlight;
    case 30: // menu bar
        return QPalette::Window;
    default:
        return QPalette::Window;
    }
}
} // namespace

void QtDesktopServices::putClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

std::int32_t QtDesktopServices::sysColor(int index) {
    QPalette::ColorGroup group = QPalette::Active;
    const QPalette::ColorRole role = roleFor(index, group);
    return fromQColor(QApplication::palette().color(group, role));
}

bool QtDesktopServices::chooseColour(QWidget* owner, std::int32_t& colour, CustomColourTable& custom,
                                     unsigned flags) {
    for (int i = 0; i < 16; ++i) {
        QColorDialog::setCustomColor(i, toQColor(custom[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Color"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (flags & CcRgbInit) {
        dialog.setCurrentColor(toQColor(colour));
    }
    const bool ok = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < 16; ++i) {
        custom[static_cast<std::size_t>(i)] = fromQColor(QColorDialog::customColor(i));
    }
    if (ok) {
        colour = fromQColor(dialog.selectedColor());
    }
    return ok;
}

void QtDesktopServices::setWindowRegion(QWidget* window, const QRegion& region) {
    // Painting was clipped to the old shape, so what the new shape uncovers (where the hole
    // was) still holds what was painted before the hole came: the controls there repaint.
    const QRegion changed = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask().xored(region);
    window->setMask(region);
    window->update(changed);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (changed.intersects(QRect(child->mapTo(window, QPoint(0, 0)), child->size()))) {
            child->update();
        }
    }
}

void QtDesktopServices::setTopmost(QWidget* window, bool topmost) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) {
        // Not created yet: the flag is applied when the window is first shown.
        window->setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags would recreate the window, hiding and re-placing it; on a live
    // window the platform only asks the window manager to change the stacking state.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

void QtDesktopServices::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

int QtDesktopServices::messageBox(const QString& text, int style, const QString& title) {
    // Texts are shown as written: a scheme named "<b>A</b>" is not bold, double blanks stay.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (style == StyleYesNoQuestion) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}

QString QtDesktopServices::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
