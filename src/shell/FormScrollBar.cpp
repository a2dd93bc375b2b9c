#include "shell/FormScrollBar.h"

FormScrollBar::FormScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    // actionTriggered comes after the position has moved and before the value follows it.
    connect(this, &QAbstractSlider::actionTriggered, this, &FormScrollBar::turnAction);
}

void FormScrollBar::setLargerAtStart(bool largerAtStart) {
    largerAtStart_ = largerAtStart;
    setInvertedAppearance(largerAtStart);
}

template <class Handler> void FormScrollBar::asUser(Handler handler) {
    const bool outer = userInput_;
    userInput_ = true;
    handler();
    userInput_ = outer;
}

void FormScrollBar::mousePressEvent(QMouseEvent* event) {
    asUser([&] { QScrollBar::mousePressEvent(event); });
}

void FormScrollBar::keyPressEvent(QKeyEvent* event) {
    asUser([&] { QScrollBar::keyPressEvent(event); });
}

// The wheel moves the value directly rather than through a step action: turning the wheel
// away from the user should raise the thumb, so the wheel's direction is flipped instead.
void FormScrollBar::wheelEvent(QWheelEvent* event) {
    if (!largerAtStart_) {
        QScrollBar::wheelEvent(event);
        return;
    }
    const bool inverted = invertedControls();
    setInvertedControls(!inverted);
    QScrollBar::wheelEvent(event);
    setInvertedControls(inverted);
}

// Holding an arrow or the track repeats the action from a timer.
void FormScrollBar::timerEvent(QTimerEvent* event) {
    asUser([&] { QScrollBar::timerEvent(event); });
}

void FormScrollBar::turnAction(int action) {
    if (!largerAtStart_ || !userInput_) {
        return;
    }
    const int v = value();
    switch (action) {
    case SliderSingleStepAdd:
        setSliderPosition(v - singleStep());
        break;
    case SliderSingleStepSub:
        setSliderPosition(v + singleStep());
        break;
    case SliderPageStepAdd:
        setSliderPosition(v - pageStep());
        break;
    case SliderPageStepSub:
        setSliderPosition(v + pageStep());
        break;
    case SliderToMinimum:
        setSliderPosition(maximum());
        break;
    case SliderToMaximum:
        setSliderPosition(minimum());
        break;
    default:
        break;
    }
}
