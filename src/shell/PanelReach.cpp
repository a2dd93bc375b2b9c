#include "shell/PanelReach.h"

#include "shell/Controls.h"
#include "shell/Twips.h"

#include <algorithm>

namespace {

// A panel reaches as far right and down as the farthest of its controls, as they were placed.
PanelReach::Extent extentOf(const std::vector<QWidget*>& controls) {
    PanelReach::Extent extent;
    for (const QWidget* w : controls) {
        const QWidget* window = w->window();
        const QPoint corner = w->mapTo(window, QPoint(w->width(), w->height()));
        extent.right = std::max(extent.right, corner.x() * TwipsPerPixel);
        extent.bottom = std::max(extent.bottom, corner.y() * TwipsPerPixel);
    }
    return extent;
}

} // namespace

// The extra panels: the safe palette, the scheme editor and the hole.
PanelReach::PanelReach(Controls& c) {
    // The safe palette's cells live inside its two frames, so the frames carry them.
    add({c.fraSF, c.fraPerformance});

    std::vector<QWidget*> scheme(c.lblTag.begin(), c.lblTag.end());
    scheme.insert(scheme.end(), c.optTag.begin(), c.optTag.end());
    scheme.insert(scheme.end(),
                  {c.lblBold, c.cboStore, c.cmdStoreTag, c.cmdCopyTag, c.cmdDeleteTag, c.txtTag});
    add(std::move(scheme));

    add({c.lblBottom, c.vsHoleBottom, c.lblHBottom, c.vsHoleTop, c.cmdResetHole, c.vsHoleRoundY, c.Label1,
         c.vsHoleRoundX, c.lblHRight, c.vsHoleRight, c.lblLeft, c.vsHoleLeft});
}

void PanelReach::add(std::vector<QWidget*> controls) {
    const Extent extent = extentOf(controls);
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
