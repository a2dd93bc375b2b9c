#pragma once

class QLineEdit;
class QString;

// Pasting into the hex box. Ctrl+V, Shift+Insert, the context menu's Paste and the middle
// button (the X11 selection) all paste the same way.
namespace hexPaste {

// A whole style-sheet colour ("#f80", "rgb(255 128 0)", "rebeccapurple", ...) replaces the box
// with its six digits, which the box then applies as if typed. Any other text is inserted at
// the cursor without a leading "#" and blanks, and the box keeps only its hex digits.
void pasteInto(QLineEdit& box, const QString& text);

// Sends every paste path of `box` through pasteInto.
void routePastes(QLineEdit& box);

} // namespace hexPaste
