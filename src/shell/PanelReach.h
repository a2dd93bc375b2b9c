#pragma once

#include <QWidget>
#include <vector>

struct Controls;

// The extra panels lie outside the client area until the window grows over them. Qt would
// still let Tab, access keys and arrow keys reach their controls there, so a panel the window
// does not uncover is hidden as a whole and shown again when it is uncovered.
class PanelReach {
  public:
    explicit PanelReach(Controls& c);

    // Shows exactly the panels that a client area of this size (twips) uncovers.
    void apply(int clientWidthTwips, int clientHeightTwips);

  private:
    struct Panel {
        int right, bottom; // where the panel ends in the client area, twips
        std::vector<QWidget*> controls;
        bool shown = true;
    };
    std::vector<Panel> panels_;
};
