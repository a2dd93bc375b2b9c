#pragma once

#include <QWidget>
#include <vector>

// The extra panels lie outside the client area until the window grows over them. Qt would
// still let Tab, access keys and arrow keys reach their controls there, so a panel the window
// does not uncover is hidden as a whole and shown again when it is uncovered.
class PanelReach {
  public:
    // A panel whose controls are placed: its reach is taken from where they lie. It starts
    // hidden; the next `apply` shows it if the client area uncovers it.
    void add(std::vector<QWidget*> controls);

    // Shows exactly the panels that a client area of this size (twips) uncovers.
    void apply(int clientWidthTwips, int clientHeightTwips);

    // Where a panel ends in the client area, twips.
    struct Extent {
        int right = 0;
        int bottom = 0;
    };

  private:
    struct Panel {
        Extent extent;
        std::vector<QWidget*> controls;
        bool shown = false;
    };
    std::vector<Panel> panels_;
};
