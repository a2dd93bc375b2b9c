#include "shell/WindowHole.h"

#include "handles/Views.h"
#include "platform/AppSettings.h"
#include "platform/DesktopServices.h"
#include "platform/StoredNumbers.h"
#include "widgets/Twips.h"

#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
enum Element { Left, Top, Right, Bottom, RoundX, RoundY };

const char* const Keys[6] = {"left", "top", "right", "bottom", "radiusX", "radiusY"};
const QString Section = QStringLiteral("Hole");

// The hole is measured from the outer window corner, but Qt shapes the client area. The
// layout was designed for a 3-pixel border and a 27-pixel title bar with border (90 by 450
// twips in all), so the client area began at (3, 27) of the outer window. Shifting by these
// designed offsets, not by whatever frame the window manager draws, keeps the hole at the
// same place on the preview for every frame, and the slider ranges keep it inside.
QPoint designedClientOrigin() {
    return {twipsToPixels(FrameWidthTwips / 2), twipsToPixels(FrameHeightTwips - FrameWidthTwips / 2)};
}

// The full view's outer size, which the shape covers in every view.
// The region is taken at start-up, while the window is short: this much more is the tall view.
constexpr int ExtraHeightTwips = TallHeightTwips - ShortHeightTwips;

// A rectangle with corners rounded by an ellipse of the given size, right and bottom edges
// excluded; an ellipse larger than the rectangle is cut down to it.
QRegion roundedRectangle(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    const double rx = std::clamp(ellipseWidth, 0, right - left) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, bottom - top) / 2.0;
    QRegion region;
    for (int y = top; y < bottom; ++y) {
        const double middle = y + 0.5;
        double dy = 0;
        if (middle < top + ry) {
            dy = top + ry - middle;
        } else if (middle > bottom - ry) {
            dy = middle - (bottom - ry);
        }
        const double inset =
            dy > 0 ? rx * (1.0 - std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)))) : 0.0;
        const int from = left + static_cast<int>(std::lround(inset));
        const int to = right - static_cast<int>(std::lround(inset));
        if (to > from) {
            region += QRect(from, y, to - from, 1);
        }
    }
    return region;
}
} // namespace

QScrollBar* WindowHole::slider(int element) const {
    QScrollBar* const sliders[6] = {c.vsHoleLeft,   c.vsHoleTop,    c.vsHoleRight,
                                    c.vsHoleBottom, c.vsHoleRoundX, c.vsHoleRoundY};
    return sliders[element];
}

void WindowHole::wire(QObject* context) {
    for (int element = Left; element <= RoundY; ++element) {
        QScrollBar* bar = slider(element);
        QObject::connect(bar, &QScrollBar::valueChanged, context, [this, element] { change(element); });
        QObject::connect(bar, &QScrollBar::sliderMoved, context,
                         [this, element](int position) { scroll(element, position); });
    }
    QObject::connect(c.cmdResetHole, &QPushButton::clicked, context, [this] { cmdResetHole_Click(); });
}

void WindowHole::change(int element) {
    switch (element) {
    case Left:
        vsHoleLeft_Change();
        break;
    case Top:
        vsHoleTop_Change();
        break;
    case Right:
        vsHoleRight_Change();
        break;
    case Bottom:
        vsHoleBottom_Change();
        break;
    case RoundX:
        vsHoleRoundX_Change();
        break;
    default:
        vsHoleRoundY_Change();
        break;
    }
}

// Qt reports the thumb's new position before the value follows it: the value is set from
// the position here, so the hole follows the thumb during the drag.
void WindowHole::scroll(int element, int position) {
    QScrollBar* bar = slider(element);
    if (bar->value() != position) {
        bar->setValue(position);
    } else {
        change(element);
    }
}

QRegion WindowHole::windowRegion(const Geometry& g) const {
    const QRect outer(0, 0, static_cast<int>(std::lround(RegionWidth)),
                      static_cast<int>(std::lround(RegionHeight)));
    // The sliders give the hole in the design's pixels; larger fonts grew the preview round it.
    const QRegion hole =
        roundedRectangle(designedPixels(g[Left]), designedPixels(g[Top]), designedPixels(g[Right]),
                         designedPixels(g[Bottom]), designedPixels(g[RoundX]), designedPixels(g[RoundY]));
    return QRegion(outer).subtracted(hole).translated(-designedClientOrigin());
}

void WindowHole::CutWindowHole(const Geometry& geometry) {
    desktop_.setWindowRegion(window_, windowRegion(geometry));
}

// Left under right, top under bottom: the edge may not pass the partner's maximum less 2 and
// pushes the partner on to keep the hole at least 2 pixels wide.
void WindowHole::keepBelowPartner(int element, int partner) {
    QScrollBar* own = slider(element);
    const int limit = slider(partner)->maximum() - 2;
    if (own->value() > limit) {
        own->setValue(limit);
    }
    HoleGeometry[element] = own->value();
    if (HoleGeometry[element] >= HoleGeometry[partner] - 1) {
        HoleGeometry[partner] = HoleGeometry[element] + 2;
        slider(partner)->setValue(HoleGeometry[partner]);
    }
    CutWindowHole(HoleGeometry);
    own->setValue(HoleGeometry[element]);
}

// Right over left, bottom over top: the mirror of keepBelowPartner.
void WindowHole::keepAbovePartner(int element, int partner) {
    QScrollBar* own = slider(element);
    const int limit = slider(partner)->minimum() + 2;
    if (own->value() < limit) {
        own->setValue(limit);
    }
    HoleGeometry[element] = own->value();
    if (HoleGeometry[element] <= HoleGeometry[partner] + 1) {
        HoleGeometry[partner] = HoleGeometry[element] - 2;
        slider(partner)->setValue(HoleGeometry[partner]);
    }
    CutWindowHole(HoleGeometry);
    own->setValue(HoleGeometry[element]);
}

void WindowHole::vsHoleLeft_Change() {
    keepBelowPartner(Left, Right);
}
void WindowHole::vsHoleRight_Change() {
    keepAbovePartner(Right, Left);
}
void WindowHole::vsHoleTop_Change() {
    keepBelowPartner(Top, Bottom);
}
void WindowHole::vsHoleBottom_Change() {
    keepAbovePartner(Bottom, Top);
}

void WindowHole::vsHoleRoundX_Change() {
    HoleGeometry[RoundX] = c.vsHoleRoundX->value();
    CutWindowHole(HoleGeometry);
}

void WindowHole::vsHoleRoundY_Change() {
    HoleGeometry[RoundY] = c.vsHoleRoundY->value();
    CutWindowHole(HoleGeometry);
}

void WindowHole::cmdResetHole_Click() {
    HoleGeometry = StandardHole;
    CutWindowHole(HoleGeometry);
    for (int element = Left; element <= RoundY; ++element) {
        slider(element)->setValue(HoleGeometry[element]);
    }
}

void WindowHole::StartUp() {
    for (int element = Left; element <= RoundY; ++element) {
        const QScrollBar* bar = slider(element);
        const auto standard = static_cast<std::int16_t>(StandardHole[element]);
        // Something the program never writes (not a number, outside the slider) means the standard value.
        HoleGeometry[element] = storedNumbers::toInt16InRange(
            settings_.get(Section, QLatin1String(Keys[element]), storedNumbers::plainText(standard)),
            bar->minimum(), bar->maximum(), standard);
    }
    RegionWidth = static_cast<float>(WideWidthTwips / twipsPerPixel());
    RegionHeight = static_cast<float>((views_.outerHeightTwips() + ExtraHeightTwips) / twipsPerPixel());
    CutWindowHole(HoleGeometry);
    // Each assignment that changes a slider runs its handler, which may move a later element.
    for (int element = Left; element <= RoundY; ++element) {
        slider(element)->setValue(HoleGeometry[element]);
    }
}

QList<SettingsStore::Change> WindowHole::shutDownSettings() const {
    QList<SettingsStore::Change> changes;
    for (int element = Left; element <= RoundY; ++element) {
        changes.append(
            {Section, QLatin1String(Keys[element]), storedNumbers::plainText(HoleGeometry[element])});
    }
    return changes;
}
