#include "shell/WindowExtras.h"

#include "handles/Views.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramTitle.h"
#include "widgets/FormLabel.h"
#include "widgets/MouseMoveHook.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

using modColors::RGB;

namespace {
constexpr modColors::ColourValue AddressBlue = RGB(0, 0, 255);
constexpr modColors::ColourValue HintCyan = RGB(0, 255, 255);

} // namespace

void WindowExtras::wire(QObject* context) {
    QObject::connect(c.chkOnTop, &QCheckBox::toggled, context, [this] { chkOnTop_Click(); });
    QObject::connect(c.lblURL, &FormLabel::mouseUp, context,
                     [this](int button, int) { lblURL_MouseUp(button); });
    QObject::connect(c.lblURL, &FormLabel::mouseMoved, context, [this] { lblURL_MouseMove(); });

    // Moves without a button reach only controls that track the pointer. The label keeps its
    // moves to itself, or the window behind it would end the hint at once.
    c.lblURL->setMouseTracking(true);
    c.lblURL->setAttribute(Qt::WA_NoMousePropagation);
    c.chkOnTop->setMouseTracking(true);
    new MouseMoveHook(c.chkOnTop, [this] { chkOnTop_MouseMove(); });

    c.lblURL->setText(helpPageAddress(QCoreApplication::applicationDirPath()));
    if (!desktop_.canKeepOnTop()) {
        c.chkOnTop->setToolTip(OnTopElsewhere);
    }
}

QString WindowExtras::helpPageAddress(const QString& programFolder) {
    // Found from the program's own folder, so an installed copy works under any prefix and
    // nothing of the build machine is compiled in.
    const QFileInfo page(programFolder + QStringLiteral("/../share/tintwell/help.html"));
    if (!page.isFile()) {
        return QString();
    }
    // The short "file:/path" spelling: the label is narrow, and the caption is the only place
    // the address is held.
    QString address = QUrl::fromLocalFile(page.canonicalFilePath()).toString();
    return address.replace(QStringLiteral("file:///"), QStringLiteral("file:/"));
}

void WindowExtras::chkOnTop_Click() {
    if (desktop_.canKeepOnTop()) {
        desktop_.setTopmost(window_, c.chkOnTop->isChecked());
        return;
    }
    // The tick would claim a state the window cannot have: take it back and say why, at the box.
    if (c.chkOnTop->isChecked()) {
        const QSignalBlocker quiet(c.chkOnTop);
        c.chkOnTop->setChecked(false);
        QToolTip::showText(c.chkOnTop->mapToGlobal(QPoint(0, c.chkOnTop->height())), OnTopElsewhere,
                           c.chkOnTop, QRect(), 10000);
    }
}

void WindowExtras::restoreOnTop(bool stored) {
    if (desktop_.canKeepOnTop()) {
        c.chkOnTop->setChecked(stored); // a change raises chkOnTop_Click
    }
}

bool WindowExtras::onTopToBeStored() const {
    return desktop_.canKeepOnTop();
}

void WindowExtras::lblURL_MouseUp(int button) {
    if (button == 2) {
        desktop_.putClipboardText(c.lblURL->text());
        return;
    }
    desktop_.openAddress(c.lblURL->text());
}

void WindowExtras::showHint(bool on) {
    c.lblURL->setForeColour(on ? HintCyan : AddressBlue);
    window_->setWindowTitle(on ? HintCaption : ProgramTitle);
}

void WindowExtras::lblURL_MouseMove() {
    showHint(true);
}
void WindowExtras::Form_MouseMove() {
    showHint(false);
}
void WindowExtras::chkOnTop_MouseMove() {
    showHint(false);
}
void WindowExtras::fraVSB_MouseMove() {
    showHint(false);
}

void WindowExtras::lblCMix_MouseUp(int /*button*/, int shift) {
    if (shift != 1) {
        return;
    }
    const bool safeOpen = views_.safePaletteOpen();
    const bool tagOpen = views_.schemeEditorOpen();
    if (safeOpen == tagOpen) {
        buttons_.safePalette();
        buttons_.schemeEditor();
    } else if (safeOpen) {
        buttons_.schemeEditor();
    } else {
        buttons_.safePalette();
    }
}

void WindowExtras::followViews() {
    c.lblURL->setVisible(!views_.schemeEditorOpen());
}
