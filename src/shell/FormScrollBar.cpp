#include "shell/FormScrollBar.h"

FormScrollBar::FormScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    // actionTriggered comes after the position has moved and before the value follows it.
    connect(this, &QAbstractSlider::actionTriggered, this, &FormScrollBar::turnAction);
}

void FormScrollBar::setLargerAtStart(bool largerAtStart) {
    largerAtStart_ = largerAtStart;
    setInvertedAppearance(largerAtStart);
}

void FormScrollBar::turnAction(int action) {
    if (!largerAtStart_) {
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
