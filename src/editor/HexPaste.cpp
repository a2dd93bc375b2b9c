#include "editor/HexPaste.h"

#include "colour/CssColourText.h"
#include "colour/modColors.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace hexPaste {

namespace {

QString clipboardText(QClipboard::Mode mode) {
    return QGuiApplication::clipboard()->text(mode);
}

// Qt's own Paste entry of the box's menu, found by its text (with the shortcut after a tab).
QAction* pasteAction(QMenu& menu) {
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption) {
            return action;
        }
    }
    return nullptr;
}

class PasteRouter : public QObject {
  public:
    explicit PasteRouter(QLineEdit& box) : QObject(&box), box_(box) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || box_.isReadOnly()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
                pasteInto(box_, clipboardText(QClipboard::Clipboard));
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            // The middle button pastes only where the desktop has a selection, as Qt's own.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection()) {
                box_.deselect();
                pasteInto(box_, clipboardText(QClipboard::Selection));
                return true;
            }
            return false;
        case QEvent::ContextMenu:
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
        }
    }

  private:
    QLineEdit& box_;

    // Qt's menu for the box, with its Paste entry pasting the way the keys do.
    void showMenu(const QPoint& at) {
        QMenu* menu = box_.createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction* paste = pasteAction(*menu)) {
            QObject::disconnect(paste, &QAction::triggered, &box_, nullptr);
            QLineEdit* box = &box_;
            QObject::connect(paste, &QAction::triggered, box,
                             [box] { pasteInto(*box, clipboardText(QClipboard::Clipboard)); });
        }
        menu->popup(at);
    }
};

} // namespace

void pasteInto(QLineEdit& box, const QString& text) {
    if (const auto colour = cssColour::parseCssColour(text)) {
        const auto [red, green, blue] = *colour;
        const QString digits = modColors::ChannelsToHtml(static_cast<modColors::Channel>(red),
                                                         static_cast<modColors::Channel>(green),
                                                         static_cast<modColors::Channel>(blue))
                                   .mid(1);
        // Typing the digits the box already holds applies them again; an unchanged text would not.
        if (box.text() == digits) {
            box.clear();
        }
        box.selectAll();
        box.insert(digits);
        return;
    }
    // The program's own codes ("#FF8000"), with blanks round them, must not lose their last
    // digit to the six-character limit.
    QString code = text.trimmed();
    if (code.startsWith(QLatin1Char('#'))) {
        code.remove(0, 1);
    }
    box.insert(code.trimmed());
}

void routePastes(QLineEdit& box) {
    box.installEventFilter(new PasteRouter(box));
}

} // namespace hexPaste
