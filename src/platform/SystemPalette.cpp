#include "platform/SystemPalette.h"

#include "colour/ColourQt.h"

#include <QApplication>
#include <QPalette>

namespace {
// The classic display-element indices and the palette role nearest to each.
QPalette::ColorRole roleFor(int index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 0: // scroll bar
        return QPalette::Button;
    case 1: // desktop
        return QPalette::Dark;
    case 2:  // active caption
    case 27: // active caption gradient
        return QPalette::Highlight;
    case 3:  // inactive caption
    case 28: // inactive caption gradient
        group = QPalette::Inactive;
        return QPalette::Mid;
    case 4: // menu
        return QPalette::Window;
    case 5: // window
        return QPalette::Base;
    case 6: // window frame
        return QPalette::Shadow;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9: // caption text
        return QPalette::HighlightedText;
    case 10: // active border
    case 11: // inactive border
        return QPalette::Button;
    case 12: // application workspace
        return QPalette::Mid;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
        group = QPalette::Disabled;
        return QPalette::WindowText;
    case 18: // button text
        return QPalette::ButtonText;
    case 19: // inactive caption text
        group = QPalette::Inactive;
        return QPalette::WindowText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3-D dark shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23: // tool tip text
        return QPalette::ToolTipText;
    case 24: // tool tip background
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    case 29: // menu highlight
        return QPalette::Highlight;
    case 30: // menu bar
        return QPalette::Window;
    default:
        return QPalette::Window;
    }
}
} // namespace

namespace systemPalette {

modColors::ColourValue colour(int index) {
    QPalette::ColorGroup group = QPalette::Active;
    const QPalette::ColorRole role = roleFor(index, group);
    return fromQColor(QApplication::palette().color(group, role));
}

QColor qColour(modColors::ColourValue value) {
    return toQColor(value, colour);
}

} // namespace systemPalette
