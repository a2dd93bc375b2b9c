#include "storm/StormInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace stormInput {

namespace {

QWidget* mouseArea(const StormEvent& event, QWidget* window) {
    QWidget* popup = QApplication::activePopupWidget();
    return event.inPopup && popup ? popup : window;
}

void wheel(const StormEvent& event, QWidget* area) {
    QWidget* child = area->childAt(event.at);
    QWidget* target = child ? child : area;
    const QPointF local = target->mapFrom(area, QPointF(event.at));
    const QPointF global = area->mapToGlobal(QPointF(event.at));
    QWheelEvent wheelEvent(local, global, QPoint(), event.wheelDelta, QGuiApplication::mouseButtons(),
                           event.modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheelEvent);
}

// The popup a drag starts on may close at the press (and delete itself); the rest of the
// drag then goes to the main window, at the same places on the screen.
void drag(const StormEvent& event, QWidget* start, QWidget* window) {
    const QPoint offset = start->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    QPointer<QWidget> area = start;
    QTest::mousePress(area->windowHandle(), event.button, event.modifiers, event.at);
    const auto handleAndPoint = [&](const QPoint& at) -> std::pair<QWindow*, QPoint> {
        if (area && area->isVisible()) {
            return {area->windowHandle(), at};
        }
        return {window->windowHandle(), at + offset};
    };
    for (int i = 1; i <= event.steps && !QApplication::activeModalWidget(); ++i) {
        const auto [handle, at] = handleAndPoint(event.at + (event.to - event.at) * i / event.steps);
        QTest::mouseMove(handle, at);
    }
    const auto [handle, at] = handleAndPoint(event.to);
    QTest::mouseRelease(handle, event.button, event.modifiers, at);
}

QList<QAbstractButton*> buttonsDown(QWidget* window) {
    QList<QAbstractButton*> down;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->isDown()) {
            down << b;
        }
    }
    return down;
}

// A button answers its access key with a short press it shows before it clicks.
void awaitAccessKeyClick(QWidget* window, const QList<QAbstractButton*>& downBefore) {
    QElapsedTimer waited;
    waited.start();
    const auto pressing = [&] {
        for (QAbstractButton* b : buttonsDown(window)) {
            if (!downBefore.contains(b)) {
                return true;
            }
        }
        return false;
    };
    while (pressing() && waited.elapsed() < 500) {
        QTest::qWait(5);
    }
}

} // namespace

QWidget* keyTarget(QWidget* window) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() ? popup->focusWidget() : popup;
    }
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

void type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void perform(const StormEvent& event, QWidget* window) {
    const QList<QAbstractButton*> downBefore = buttonsDown(window);
    QWidget* area = mouseArea(event, window);
    QWindow* handle = area->windowHandle();
    switch (event.kind) {
    case StormEvent::Click:
        QTest::mouseClick(handle, event.button, event.modifiers, event.at);
        break;
    case StormEvent::DoubleClick:
        QTest::mouseDClick(handle, event.button, event.modifiers, event.at);
        break;
    case StormEvent::Press:
        QTest::mousePress(handle, event.button, event.modifiers, event.at);
        break;
    case StormEvent::Release:
        QTest::mouseRelease(handle, event.button, event.modifiers, event.at);
        break;
    case StormEvent::Drag:
        drag(event, area, window);
        break;
    case StormEvent::Wheel:
        wheel(event, area);
        break;
    case StormEvent::Key:
        QTest::keyClick(keyTarget(window), static_cast<Qt::Key>(event.key), event.modifiers);
        if (event.modifiers & Qt::AltModifier) {
            awaitAccessKeyClick(window, downBefore);
        }
        break;
    case StormEvent::Text:
        type(keyTarget(window), event.text);
        break;
    case StormEvent::Restart:
        break; // the driver owns the window
    }
    settle();
}

void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

} // namespace stormInput
