#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

// One random user action, as data: the generator makes it, the driver performs it, and its
// description is what a failure prints so the run can be replayed.
struct StormEvent {
    enum Kind { Click, DoubleClick, Press, Release, Drag, Wheel, Key, Text, Restart };

    Kind kind = Click;
    // Mouse kinds: where, in the coordinates of the window that gets it (the open popup list
    // when `inPopup`, else the main window).
    QPoint at;
    QPoint to; // end of a drag
    int steps = 0;
    bool inPopup = false;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    QPoint wheelDelta; // angle delta, eighths of a degree
    int key = 0;       // Key
    QString text;      // Text
    QString target;    // the control under the point when it was made, for the description

    QString describe() const;
};
