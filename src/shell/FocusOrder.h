#pragma once

struct Controls;

// Tab order of the window's controls; controls that take no focus are left out.
void setFocusOrder(Controls& c);
