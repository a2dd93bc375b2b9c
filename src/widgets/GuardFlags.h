#pragma once

// Flags that stop the change handlers which the program's own assignments raise from
// refreshing again. Each is set and cleared within one handler run.
struct GuardFlags {
    bool InShowColour = false;   // editor: a refresh is running
    bool InSliderChange = false; // editor: a channel-slider change, or the refresh setting vsbDL/txtHex
    bool InDarkLight = false;    // editor: a dark-light move is being applied
    bool InHexEntry = false;     // editor: a typed code is being applied
    bool InStdSelect = false;    // standard colours: a cell selection is refreshing
    bool InSafeSelect = false;   // safe palette: a cell selection is refreshing
};
