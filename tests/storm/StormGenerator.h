#pragma once

#include "storm/StormEvent.h"
#include "storm/StormRandom.h"

class QWidget;

// Makes random user actions against a window as it is now: points are drawn from the
// window's present size (so its view decides what can be hit) or from one of its visible
// controls, keys and texts from tables of what a user might press or type.
class StormGenerator {
  public:
    explicit StormGenerator(StormRandom& random) : random_(random) {}

    StormEvent next(QWidget* window);

    // A random text of a few characters, mostly hex digits, some that need escaping in the
    // settings file, some outside ASCII.
    QString text();

  private:
    StormRandom& random_;

    QPoint point(QWidget* window, QWidget* popup, bool& inPopup, QString& target);
    Qt::MouseButton button();
    Qt::KeyboardModifiers modifiers();
    void key(StormEvent& event);
};
