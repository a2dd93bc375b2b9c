#pragma once

#include "shell/ControlInventory.h"
#include "shell/Controls.h"

#include <QWidget>

// The controls of one panel on a bare parent, for testing a room without the window.
struct PanelParts {
    QWidget host;
    Controls controls;
    explicit PanelParts(inventory::Panel panel) { inventory::build(&host, controls, panel, {}); }
};
