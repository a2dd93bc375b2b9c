#include "shell/PanelReach.h"

#include "shell/Controls.h"

// The extra panels' right and bottom edges in the client area, in twips: the safe palette,
// the scheme editor and the hole.
PanelReach::PanelReach(Controls& c) {
    // The safe palette's cells live inside its two frames, so the frames carry them.
    panels_.push_back({9210, 3500, {c.fraSF, c.fraPerformance}});

    Panel scheme{4935, 5565, {}};
    scheme.controls.insert(scheme.controls.end(), c.lblTag.begin(), c.lblTag.end());
    scheme.controls.insert(scheme.controls.end(), c.optTag.begin(), c.optTag.end());
    scheme.controls.insert(scheme.controls.end(),
                           {c.lblBold, c.cboStore, c.cmdStoreTag, c.cmdCopyTag, c.cmdDeleteTag, c.txtTag});
    panels_.push_back(std::move(scheme));

    panels_.push_back(
        {6735,
         5415,
         {c.lblBottom, c.vsHoleBottom, c.lblHBottom, c.vsHoleTop, c.cmdResetHole, c.vsHoleRoundY, c.Label1,
          c.vsHoleRoundX, c.lblHRight, c.vsHoleRight, c.lblLeft, c.vsHoleLeft}});
}

void PanelReach::apply(int clientWidthTwips, int clientHeightTwips) {
    for (Panel& panel : panels_) {
        const bool uncovered = panel.right <= clientWidthTwips && panel.bottom <= clientHeightTwips;
        if (uncovered == panel.shown) {
            continue;
        }
        panel.shown = uncovered;
        for (QWidget* w : panel.controls) {
            w->setVisible(uncovered);
        }
    }
}
