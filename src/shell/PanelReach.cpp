#include "shell/PanelReach.h"

#include "widgets/Twips.h"

#include <algorithm>

namespace {

// A panel reaches as far right and down as the farthest of its controls, as they were placed.
PanelReach::Extent extentOf(const std::vector<QWidget*>& controls) {
    PanelReach::Extent extent;
    for (const QWidget* w : controls) {
        const QWidget* window = w->window();
        const QPoint corner = w->mapTo(window, QPoint(w->width(), w->height()));
        extent.right = std::max(extent.right, pixelsToTwips(corner.x()));
        extent.bottom = std::max(extent.bottom, pixelsToTwips(corner.y()));
    }
    return extent;
}

} // namespace

void PanelReach::add(std::vector<QWidget*> controls) {
    const Extent extent = extentOf(controls);
    for (QWidget* w : controls) {
        w->setVisible(false);
    }
    panels_.push_back({extent, std::move(controls)});
}

void PanelReach::apply(int clientWidthTwips, int clientHeightTwips) {
    for (Panel& panel : panels_) {
        const bool uncovered =
            panel.extent.right <= clientWidthTwips && panel.extent.bottom <= clientHeightTwips;
        if (uncovered == panel.shown) {
            continue;
        }
        panel.shown = uncovered;
        for (QWidget* w : panel.controls) {
            w->setVisible(uncovered);
        }
    }
}
