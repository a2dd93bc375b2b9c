#include "storm/BoxAnswerer.h"

#include "storm/StormGenerator.h"
#include "storm/StormInput.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// At most this many random actions before a box or menu is answered outright.
constexpr int MaxActions = 5;

QList<QAbstractButton*> buttonsOf(QDialog* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        return message->buttons();
    }
    QList<QAbstractButton*> buttons;
    if (auto* row = box->findChild<QDialogButtonBox*>()) {
        buttons = row->buttons();
    }
    return buttons;
}

} // namespace

BoxAnswerer::BoxAnswerer(StormRandom& random) : random_(random) {
    qApp->installEventFilter(this);
}

BoxAnswerer::~BoxAnswerer() {
    qApp->removeEventFilter(this);
}

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        auto* box = qobject_cast<QDialog*>(widget);
        if ((box && box->isModal()) || qobject_cast<QMenu*>(widget)) {
            open_.append({widget, 0});
            schedule();
        }
    }
    return QObject::eventFilter(watched, event);
}

void BoxAnswerer::schedule() {
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, [this] { act(); });
    }
}

// One step on the topmost open box or menu; schedules the next while any stays open.
void BoxAnswerer::act() {
    scheduled_ = false;
    while (!open_.isEmpty() && (!open_.last().widget || !open_.last().widget->isVisible())) {
        open_.removeLast();
        ++answered_;
    }
    if (open_.isEmpty()) {
        return;
    }
    Open& top = open_.last();
    const bool fidgeting = top.actions++ < MaxActions && random_.percent(60);
    QWidget* widget = top.widget;
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        fidgeting ? fidget(menu) : answer(menu);
    } else if (auto* box = qobject_cast<QDialog*>(widget)) {
        fidgeting ? fidget(box) : answer(box);
    }
    schedule();
}

// Something short of an answer, though a key may answer the box all the same.
void BoxAnswerer::fidget(QDialog* box) {
    StormGenerator words(random_);
    QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
    switch (random_.below(5)) {
    case 0:
        if (auto* input = qobject_cast<QInputDialog*>(box)) {
            if (auto* edit = input->findChild<QLineEdit*>()) {
                if (random_.percent(50)) {
                    edit->selectAll();
                }
                stormInput::type(edit, words.text());
            }
        } else if (auto* colours = qobject_cast<QColorDialog*>(box)) {
            colours->setCurrentColor(QColor(random_.below(256), random_.below(256), random_.below(256)));
        } else {
            stormInput::type(focus, words.text());
        }
        break;
    case 1:
        QTest::keyClick(focus, Qt::Key_Tab, random_.percent(30) ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case 2:
        QTest::keyClick(focus, random_.percent(50) ? Qt::Key_Return : Qt::Key_Escape);
        break;
    case 3:
        QTest::keyClick(focus, random_.percent(50) ? Qt::Key_Backspace : Qt::Key_Left);
        break;
    default:
        stormInput::type(focus, words.text());
        break;
    }
}

// Ends the box: one of its buttons, Enter, Escape, or accept/reject as a last resort.
void BoxAnswerer::answer(QDialog* box) {
    const QList<QAbstractButton*> buttons = buttonsOf(box);
    const int way = random_.below(3);
    if (way == 0 && !buttons.isEmpty()) {
        QAbstractButton* chosen = random_.pick(buttons);
        QTest::mouseClick(chosen, Qt::LeftButton, Qt::NoModifier, chosen->rect().center());
    } else if (way == 1) {
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box,
                        random_.percent(60) ? Qt::Key_Return : Qt::Key_Escape);
    }
    if (box->isVisible()) {
        random_.percent(50) ? box->accept() : box->reject();
    }
}

void BoxAnswerer::fidget(QMenu* menu) {
    static const QList<Qt::Key> keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home};
    QTest::keyClick(menu, random_.pick(keys));
}

// Ends the menu: a click on one of its entries, Enter on the highlighted one, Escape, or
// closing it as a last resort.
void BoxAnswerer::answer(QMenu* menu) {
    const QList<QAction*> actions = menu->actions();
    const int way = random_.below(3);
    if (way == 0 && !actions.isEmpty()) {
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(random_.pick(actions)).center());
    } else {
        QTest::keyClick(menu, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
    }
    if (menu->isVisible()) {
        menu->close();
    }
}
