#include "widgets/FormScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {

// The desktop's scroll bar with the proportions of the window's design: the bars are 9 px
// thick and the corner ones only 49 and 41 px long, where the desktop's own arrows and
// smallest thumb would leave the thumb no room to travel.
class FormScrollBarStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const auto* bar = qobject_cast<const QScrollBar*>(widget);
        if (bar && (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin)) {
            return bar->orientation() == Qt::Vertical ? bar->width() : bar->height();
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The desktop draws no focus on a scroll bar; a keyboard user has to see which bar the
    // arrow keys move, so a focused bar's thumb takes the selection colour.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ScrollBar || !(option->state & State_HasFocus) || !(option->state & State_Active)) {
            return;
        }
        const QRect thumb =
            subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(1, 1, -1, -1);
        if (thumb.isValid()) {
            painter->fillRect(thumb, option->palette.brush(QPalette::Active, QPalette::Highlight));
        }
    }
};

// One style for all the bars, made on first use and going with the application.
QStyle* formScrollBarStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new FormScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

// The step a key asks for, as a direction on the screen: Sub towards the top or left end,
// Add towards the bottom or right end, whatever the bar's orientation.
QAbstractSlider::SliderAction keyAction(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_Down:
    case Qt::Key_Right:
        return QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_PageUp:
        return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_PageDown:
        return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_Home:
        return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End:
        return QAbstractSlider::SliderToMaximum;
    default:
        return QAbstractSlider::SliderNoAction;
    }
}

} // namespace

FormScrollBar::FormScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    setStyle(formScrollBarStyle());
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
    const SliderAction action = keyAction(event->key());
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    asUser([&] { triggerAction(action); });
    event->accept();
}

// The menu's "Top", "Page up", "Scroll up" (or "Left edge", ...) are Sub actions, like the
// arrow they stand for.
void FormScrollBar::contextMenuEvent(QContextMenuEvent* event) {
    asUser([&] { QScrollBar::contextMenuEvent(event); });
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
