#pragma once

#include <QString>
#include <array>
#include <optional>

// Colours written as style sheets write them.
namespace cssColour {

using Channels = std::array<int, 3>; // red, green, blue, 0..255 each

// Reads a whole style-sheet colour: "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA", rgb()/rgba() and
// hsl()/hsla() with commas or blanks, oklch(), or a colour name; case does not matter and
// blanks round the text are allowed. An alpha part is read and dropped. Colours outside
// sRGB are clipped channel by channel. Nothing for any other text.
std::optional<Channels> parseCssColour(const QString& text);

} // namespace cssColour
