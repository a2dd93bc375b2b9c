#include "widgets/FormLabel.h"

#include "colour/ColourQt.h"
#include "colour/Contrast.h"
#include "platform/SystemPalette.h"
#include "widgets/PressableLabelAccessible.h"

#include <QAccessible>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

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
    if (fittedToText_) {
        keepRoomForBorder();
    }
    if (pressable_ && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    emit borderStyleChanged();
}

// Qt decides on the document by the focus policy alone; here the policy only says whether Tab
// stops at the label.
template <typename Step> auto FormLabel::withoutTextDocument(Step step) {
    const Qt::FocusPolicy policy = focusPolicy();
    if (policy == Qt::NoFocus) {
        return step();
    }
    setFocusPolicy(Qt::NoFocus);
    const auto result = step();
    setFocusPolicy(policy);
    return result;
}

void FormLabel::setText(const QString& text) {
    withoutTextDocument([&] {
        QLabel::setText(text);
        return true;
    });
}

bool FormLabel::event(QEvent* event) {
    if (event->type() == QEvent::Polish) {
        return withoutTextDocument([&] { return QLabel::event(event); });
    }
    return QLabel::event(event);
}

// Past QLabel's handler, which would build the document to place a text cursor that a caption
// without selection never shows.
void FormLabel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
}

void FormLabel::setPressable(bool pressable) {
    if (pressable) {
        pressableLabelAccessible::install();
    }
    pressable_ = pressable;
}

void FormLabel::pressAs(int button) {
    emit mouseUp(button, 0);
    if (button == 1) {
        emit clicked();
    }
}

void FormLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool left = mods == Qt::NoModifier && (key == Qt::Key_Space || key == Qt::Key_Return ||
                                                 key == Qt::Key_Enter || key == Qt::Key_Select);
    const bool right =
        (mods == Qt::NoModifier && key == Qt::Key_Menu) || (mods == Qt::ShiftModifier && key == Qt::Key_F10);
    if (!pressable_ || !(left || right)) {
        QLabel::keyPressEvent(event);
        return;
    }
    // A held key would repeat the click many times over.
    if (!event->isAutoRepeat()) {
        pressAs(left ? 1 : 2);
    }
    event->accept();
}

// Dots in black on white: they show on any cell colour and on light and dark desktops alike.
void FormLabel::drawFocusRing() {
    QPainter painter(this);
    // At the edge, clear of the text; inside the border where one is shown, so both are seen.
    const int inset = borderStyle() == 1 ? 2 : 0;
    const QRect ring = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(ring);
}

// The border is one pixel wide and drawn at the label's edge; without it the same pixel is left
// empty round the text. (QFrame keeps its frame inside the contents margins, so the frame
// rectangle is what moves.)
void FormLabel::keepRoomForBorder() {
    setFrameRect(borderStyle() == 1 ? rect() : rect().adjusted(1, 1, -1, -1));
}

void FormLabel::fitToText(QSize room) {
    fittedToText_ = true;
    // Qt indents the text of a framed label by half an "x", which would move it with the border.
    setIndent(0);
    keepRoomForBorder();
    adjustSize();
    // The layout's rooms are measured for 96 dpi; a desktop with larger fonts still gets a
    // whole frame that does not reach under the neighbours.
    while (room.isValid() && (width() > room.width() || height() > room.height())) {
        QFont smaller = font();
        const int pixels = QFontInfo(smaller).pixelSize();
        if (pixels <= 1) {
            break;
        }
        smaller.setPixelSize(pixels - 1);
        setFont(smaller);
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

void FormLabel::setSystemColours(modColors::SystemColourLookup lookup) {
    systemColours_ = std::move(lookup);
    applyColours();
}

void FormLabel::setDisplayFilter(DisplayFilter filter) {
    displayFilter_ = std::move(filter);
    applyColours();
}

modColors::ColourValue FormLabel::drawn(modColors::ColourValue colour) const {
    // Both sides of the choice are objects of the lookup type: every refresh sets colours, and
    // a function pointer on one side would build a new lookup at each.
    static const modColors::SystemColourLookup applicationPalette = systemPalette::colour;
    const modColors::SystemColourLookup& lookup = systemColours_ ? systemColours_ : applicationPalette;
    const modColors::ColourValue plain = fromQColor(toQColor(colour, lookup));
    return displayFilter_ ? displayFilter_(plain) : plain;
}

modColors::ColourValue FormLabel::drawnBackColour() const {
    return drawn(back_);
}

modColors::ColourValue FormLabel::drawnForeColour() const {
    return drawn(fore_);
}

void FormLabel::applyColours() {
    const bool outer = applyingColours_;
    applyingColours_ = true;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(drawnBackColour()));
    pal.setColor(QPalette::WindowText, toQColor(drawnForeColour()));
    setPalette(pal);
    setAutoFillBackground(!transparent_);
    update();
    applyingColours_ = outer;
}

// System colours (the desktop's button text, ...) follow a change of the desktop's palette.
// The desktop's new palette reaches a child as a change of the palette it inherits.
void FormLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !applyingColours_ && (back_ < 0 || fore_ < 0)) {
        applyColours();
    }
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

void FormLabel::setOutlinedWhenFaint(bool outlined) {
    outlined_ = outlined;
    update();
}

std::optional<QColor> FormLabel::haloColour() const {
    const QWidget* behind = parentWidget();
    const QColor back = transparent_ && behind != nullptr ? behind->palette().color(behind->backgroundRole())
                                                          : palette().color(QPalette::Window);
    const modColors::ColourValue letters = fromQColor(palette().color(QPalette::WindowText));
    if (contrast::ratio(letters, fromQColor(back)) >= FaintBelow) {
        return std::nullopt;
    }
    // Letters too close to the background are far from one of black and white.
    const bool dark = contrast::ratio(letters, modColors::RGB(0, 0, 0)) >=
                      contrast::ratio(letters, modColors::RGB(255, 255, 255));
    return dark ? QColor(Qt::black) : QColor(Qt::white);
}

// The text drawn eight times, a pixel off in each direction, under the letters themselves.
void FormLabel::drawHalo(const QColor& colour) {
    QPainter painter(this);
    QPalette halo = palette();
    halo.setColor(foregroundRole(), colour);
    const QRect area = contentsRect();
    const int align = QStyle::visualAlignment(layoutDirection(), alignment());
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) {
                style()->drawItemText(&painter, area.translated(dx, dy), align, halo, isEnabled(), text(),
                                      foregroundRole());
            }
        }
    }
}

void FormLabel::paintEvent(QPaintEvent* event) {
    if (outlined_ && !text().isEmpty()) {
        if (const std::optional<QColor> colour = haloColour()) {
            drawHalo(*colour);
        }
    }
    QLabel::paintEvent(event);
    if (pressable_ && hasFocus()) {
        drawFocusRing();
    }
}
