#include "shell/FormLabel.h"

#include "colour/ColourQt.h"

#include <QMouseEvent>

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    // Captions are shown as written; Qt would read "<...>" in one as markup.
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::NoFrame);
    applyColours();
}

int FormLabel::borderStyle() const {
    return frameShape() == QFrame::Box ? 1 : 0;
}

void FormLabel::setBorderStyle(int style) {
    // Qt repaints on every assignment; a refresh assigns unchanged borders often.
    if (style == borderStyle() && lineWidth() == 1) {
        return;
    }
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
    // A label sized to its text grows round a new border instead of clipping the text.
    if (fittedToText_) {
        adjustSize();
    }
}

void FormLabel::setBackColour(modColors::ColourValue colour) {
    if (back_ == colour) {
        return;
    }
    back_ = colour;
    applyColours();
}

void FormLabel::setForeColour(modColors::ColourValue colour) {
    if (fore_ == colour) {
        return;
    }
    fore_ = colour;
    applyColours();
}

void FormLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    applyColours();
}

void FormLabel::applyColours() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(back_));
    pal.setColor(QPalette::WindowText, toQColor(fore_));
    setPalette(pal);
    setAutoFillBackground(!transparent_);
    update();
}

int FormLabel::buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int FormLabel::shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

void FormLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    // The release that ends a double-click raises no second click.
    const bool click = wasPressed && !afterDoubleClick_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    afterDoubleClick_ = false;
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()));
    if (click) {
        emit clicked();
    }
    event->accept();
}

void FormLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = true;
    if (event->button() == Qt::LeftButton) {
        afterDoubleClick_ = true;
        emit doubleClicked();
    }
    event->accept();
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}
