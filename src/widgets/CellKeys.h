#pragma once

#include <vector>

class FormLabel;

// The cells of a palette are one Tab stop, read by assistive tools as a set of option buttons.
// The arrow keys move the focus over them as they lie on the screen, Space or Enter picks the
// focused one as a click does, and Tab enters at the marked cell (the current colour) when one
// is marked, else at the cell last focused.
namespace cellKeys {

// The cells must be pressable and lie where they are shown. The keyboard handling lives as
// long as the first cell's parent.
void makeOneStop(const std::vector<FormLabel*>& cells);

} // namespace cellKeys
