#pragma once

struct Controls;

// Tab order of the window's controls; controls that take no focus are left out. Each row of
// option buttons becomes one exclusive group and one Tab stop, and arrows move within it.
// Controls not built yet are skipped: call it again once they are.
void setFocusOrder(Controls& c);
