#include "shell/WindowExtras.h"

#include "palette/SafePalette.h"
#include "platform/DesktopServices.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QToolTip>
#include <QUrl>
#include <functional>

using modColors::RGB;

namespace {
constexpr modColors::ColourValue AddressBlue = RGB(0, 0, 255);
constexpr modColors::ColourValue HintCyan = RGB(0, 255, 255);

// Hands the pointer moves of one control to a handler; the control keeps its own handling.
class MouseMoveHook : public QObject {
  public:
    MouseMoveHook(QObject* watched, std::function<void()> handler)
        : QObject(watched), handler_(std::move(handler)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            handler_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};
} // namespace

void WindowExtras::wire() {
    QObject::connect(f.chkOnTop, &QCheckBox::toggled, &f, [this] { chkOnTop_Click(); });
    QObject::connect(f.lblURL, &FormLabel::mouseUp, &f, [this](int button, int) { lblURL_MouseUp(button); });
    QObject::connect(f.lblURL, &FormLabel::mouseMoved, &f, [this] { lblURL_MouseMove(); });
    QObject::connect(f.lblCMix, &FormLabel::mouseUp, &f,
                     [this](int button, int shift) { lblCMix_MouseUp(button, shift); });

    // Moves without a button reach only controls that track the pointer. The label keeps its
    // moves to itself, or the window behind it would end the hint at once.
    f.lblURL->setMouseTracking(true);
    f.lblURL->setAttribute(Qt::WA_NoMousePropagation);
    f.chkOnTop->setMouseTracking(true);
    f.fraVSB->setMouseTracking(true);
    new MouseMoveHook(f.chkOnTop, [this] { chkOnTop_MouseMove(); });
    new MouseMoveHook(f.fraVSB, [this] { fraVSB_MouseMove(); });

    f.lblURL->setText(helpPageAddress(QCoreApplication::applicationDirPath()));
    if (!f.desktop.canKeepOnTop()) {
        f.chkOnTop->setToolTip(OnTopElsewhere);
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
    if (f.desktop.canKeepOnTop()) {
        f.desktop.setTopmost(&f, f.chkOnTop->isChecked());
        return;
    }
    // The tick would claim a state the window cannot have: take it back and say why, at the box.
    if (f.chkOnTop->isChecked()) {
        const QSignalBlocker quiet(f.chkOnTop);
        f.chkOnTop->setChecked(false);
        QToolTip::showText(f.chkOnTop->mapToGlobal(QPoint(0, f.chkOnTop->height())), OnTopElsewhere,
                           f.chkOnTop, QRect(), 10000);
    }
}

void WindowExtras::restoreOnTop(bool stored) {
    if (f.desktop.canKeepOnTop()) {
        f.chkOnTop->setChecked(stored); // a change raises chkOnTop_Click
    }
}

bool WindowExtras::onTopToBeStored() const {
    return f.desktop.canKeepOnTop();
}

void WindowExtras::lblURL_MouseUp(int button) {
    if (button == 2) {
        f.desktop.putClipboardText(f.lblURL->text());
        return;
    }
    f.desktop.openAddress(f.lblURL->text());
}

void WindowExtras::showHint(bool on) {
    f.lblURL->setForeColour(on ? HintCyan : AddressBlue);
    f.setWindowTitle(on ? HintCaption : frmTintwell::Title);
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
    const bool safeOpen = f.cmdSafe->text() == SafePalette::OpenCaption;
    const bool tagOpen = f.cmdTagEditor->text() == StoredSchemes::OpenCaption;
    const bool safeClosed = f.cmdSafe->text() == SafePalette::ClosedCaption;
    const bool tagClosed = f.cmdTagEditor->text() == StoredSchemes::ClosedCaption;
    if ((tagClosed && safeClosed) || (tagOpen && safeOpen)) {
        f.palette.cmdSafe_Click();
        f.schemes.cmdTagEditor_Click();
    } else if (safeOpen) {
        f.schemes.cmdTagEditor_Click();
    } else {
        f.palette.cmdSafe_Click();
    }
}
