#include "storm/StormGenerator.h"

#include <QApplication>
#include <QMap>
#include <QWidget>
#include <array>

namespace {

struct KindRow {
    StormEvent::Kind kind;
    int weight; // per thousand events
};
constexpr std::array<KindRow, 9> Kinds{{
    {StormEvent::Click, 230},
    {StormEvent::DoubleClick, 60},
    {StormEvent::Press, 40},
    {StormEvent::Release, 40},
    {StormEvent::Drag, 80},
    {StormEvent::Wheel, 70},
    {StormEvent::Key, 330},
    {StormEvent::Text, 147},
    {StormEvent::Restart, 3},
}};

struct KeyRow {
    int key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};
// What a keyboard user presses: moving round the window, answering, editing and the
// clipboard keys. Access keys (Alt+letter) are drawn apart, see key().
const std::array<KeyRow, 26> Keys{{
    {Qt::Key_Tab, {}, 14},
    {Qt::Key_Backtab, Qt::ShiftModifier, 6},
    {Qt::Key_Return, {}, 5},
    {Qt::Key_Enter, Qt::KeypadModifier, 2},
    {Qt::Key_Escape, {}, 5},
    {Qt::Key_Space, {}, 6},
    {Qt::Key_Up, {}, 4},
    {Qt::Key_Down, {}, 4},
    {Qt::Key_Left, {}, 4},
    {Qt::Key_Right, {}, 4},
    {Qt::Key_PageUp, {}, 2},
    {Qt::Key_PageDown, {}, 2},
    {Qt::Key_Home, {}, 2},
    {Qt::Key_End, {}, 2},
    {Qt::Key_Backspace, {}, 5},
    {Qt::Key_Delete, {}, 3},
    {Qt::Key_Insert, Qt::ShiftModifier, 1},
    {Qt::Key_F4, {}, 1},
    {Qt::Key_Down, Qt::AltModifier, 1},
    {Qt::Key_V, Qt::ControlModifier, 3},
    {Qt::Key_C, Qt::ControlModifier, 1},
    {Qt::Key_X, Qt::ControlModifier, 1},
    {Qt::Key_A, Qt::ControlModifier, 2},
    {Qt::Key_Z, Qt::ControlModifier, 1},
    {Qt::Key_Y, Qt::ControlModifier, 1},
    {Qt::Key_Menu, {}, 1},
}};

// The letters the window's captions give as access keys, and a few that it does not.
const QString AccessLetters = QStringLiteral("WFPTEOSCDR");
const QString OtherLetters = QStringLiteral("ABGHKLMNQUVXYZ");

struct TextRow {
    QString characters;
    int weight;
};
const std::array<TextRow, 5> TextAlphabet{{
    {QStringLiteral("0123456789ABCDEF"), 50},
    {QStringLiteral("abcdef"), 15},
    {QStringLiteral("#  GHXZgqxz"), 15},
    {QStringLiteral("=[]\\;%<>&\"'"), 10},
    {QStringLiteral("\u00e9\u00df\u0416\u20ac"), 10},
}};

QWidget* widgetAt(QWidget* window, const QPoint& at) {
    QWidget* child = window->childAt(at);
    return child ? child : window;
}

QString nameOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty()) {
            return w->objectName();
        }
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

} // namespace

StormEvent StormGenerator::next(QWidget* window) {
    StormEvent event;
    event.kind =
        Kinds[static_cast<std::size_t>(random_.weighted(Kinds, [](const KindRow& r) { return r.weight; }))]
            .kind;
    QWidget* popup = QApplication::activePopupWidget();
    switch (event.kind) {
    case StormEvent::Click:
    case StormEvent::DoubleClick:
    case StormEvent::Press:
    case StormEvent::Release:
        event.at = point(window, popup, event.inPopup, event.target);
        event.button = button();
        event.modifiers = modifiers();
        break;
    case StormEvent::Drag: {
        event.at = point(window, popup, event.inPopup, event.target);
        event.button = random_.percent(80) ? Qt::LeftButton : button();
        event.modifiers = random_.percent(70) ? Qt::KeyboardModifiers() : modifiers();
        const QWidget* area = event.inPopup ? popup : window;
        event.to = event.at + QPoint(random_.between(-area->width() / 2, area->width() / 2),
                                     random_.between(-area->height() / 2, area->height() / 2));
        event.steps = random_.between(1, 8);
        break;
    }
    case StormEvent::Wheel: {
        event.at = point(window, popup, event.inPopup, event.target);
        event.modifiers = random_.percent(70) ? Qt::KeyboardModifiers() : modifiers();
        static const QList<int> deltas{120, -120, 240, -240, 15, -15, 360};
        const int delta = random_.pick(deltas);
        event.wheelDelta = random_.percent(85) ? QPoint(0, delta) : QPoint(delta, 0);
        break;
    }
    case StormEvent::Key:
        key(event);
        break;
    case StormEvent::Text:
        event.text = text();
        break;
    case StormEvent::Restart:
        break;
    }
    return event;
}

QString StormGenerator::text() {
    QString typed;
    const int length = random_.between(1, 7);
    for (int i = 0; i < length; ++i) {
        const QString& set =
            TextAlphabet[static_cast<std::size_t>(random_.weighted(TextAlphabet, [](const TextRow& r) {
                return r.weight;
            }))].characters;
        typed += set[random_.below(static_cast<int>(set.size()))];
    }
    return typed;
}

// Half the points anywhere in the window (a little beyond its edges too), half inside one of
// its visible controls, so small controls are hit as well as large ones.
QPoint StormGenerator::point(QWidget* window, QWidget* popup, bool& inPopup, QString& target) {
    inPopup = popup && random_.percent(70);
    QWidget* area = inPopup ? popup : window;
    QPoint at(random_.between(-4, area->width() + 3), random_.between(-4, area->height() + 3));
    if (!inPopup && random_.percent(50)) {
        QMap<QString, QList<QWidget*>> byName;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && w->isVisibleTo(window) && w->width() > 0 && w->height() > 0) {
                byName[w->objectName()].append(w);
            }
        }
        if (!byName.isEmpty()) {
            const QList<QWidget*>& like = byName[random_.pick(byName.keys())];
            QWidget* control = random_.pick(like);
            at = control->mapTo(window,
                                QPoint(random_.below(control->width()), random_.below(control->height())));
        }
    }
    target = nameOf(widgetAt(area, at));
    return at;
}

Qt::MouseButton StormGenerator::button() {
    static const QList<Qt::MouseButton> buttons{Qt::LeftButton,   Qt::LeftButton,  Qt::LeftButton,
                                                Qt::LeftButton,   Qt::RightButton, Qt::RightButton,
                                                Qt::MiddleButton, Qt::BackButton,  Qt::ForwardButton};
    return random_.pick(buttons);
}

// None half the time, else any non-empty mix of Shift, Ctrl, Alt and Meta.
Qt::KeyboardModifiers StormGenerator::modifiers() {
    if (random_.percent(50)) {
        return {};
    }
    static const std::array<Qt::KeyboardModifier, 4> all{Qt::ShiftModifier, Qt::ControlModifier,
                                                         Qt::AltModifier, Qt::MetaModifier};
    const int mask = random_.between(1, 15);
    Qt::KeyboardModifiers chosen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (mask & (1 << i)) {
            chosen |= all[i];
        }
    }
    return chosen;
}

void StormGenerator::key(StormEvent& event) {
    if (random_.percent(12)) {
        const QString& letters = random_.percent(85) ? AccessLetters : OtherLetters;
        event.key = Qt::Key_A + (letters[random_.below(static_cast<int>(letters.size()))].unicode() - 'A');
        event.modifiers = Qt::AltModifier;
        return;
    }
    const KeyRow& row =
        Keys[static_cast<std::size_t>(random_.weighted(Keys, [](const KeyRow& r) { return r.weight; }))];
    event.key = row.key;
    event.modifiers = row.modifiers;
}
