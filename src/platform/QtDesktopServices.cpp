#include "platform/QtDesktopServices.h"

#include "colour/ColourQt.h"
#include "platform/SeeThroughShape.h"
#include "platform/SystemPalette.h"

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

void QtDesktopServices::putClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

std::int32_t QtDesktopServices::sysColor(int index) {
    return systemPalette::colour(index);
}

bool QtDesktopServices::chooseColour(QWidget* owner, std::int32_t& colour, CustomColourTable& custom,
                                     unsigned flags) {
    for (int i = 0; i < 16; ++i) {
        QColorDialog::setCustomColor(i, systemPalette::qColour(custom[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Color"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (flags & CcRgbInit) {
        dialog.setCurrentColor(systemPalette::qColour(colour));
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
    seeThrough::setShape(window, region, seeThrough::clearsByAlpha());
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

bool QtDesktopServices::canKeepOnTop() const {
    // X11 windows, on an X server or on a Wayland desktop's X server, can; xdg-shell has no request.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void QtDesktopServices::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

int QtDesktopServices::messageBox(const QString& text, int style, const QString& title, QWidget* owner) {
    // Texts are shown as written: a scheme named "<b>A</b>" is not bold, double blanks stay.
    QMessageBox box(owner != nullptr ? owner : QApplication::activeWindow());
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
