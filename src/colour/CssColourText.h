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

// "rgb(255, 128, 0)".
QString cssRgbText(const Channels& rgb);
// "hsl(30, 100%, 50%)", in whole numbers.
QString cssHslText(const Channels& rgb);
// "oklch(73.19% 0.1858 52.98)": lightness to 0.01 %, chroma to 0.0001, hue to 0.01 degree,
// trailing zeros dropped; a grey has chroma 0 and hue "none".
QString cssOklchText(const Channels& rgb);
// "#ff8000", or the three-digit "#f80" when that is exact (each channel's two digits alike).
// Lower case, as most style sheets are written; channels outside 0..255 are clipped.
QString cssHexText(const Channels& rgb);

} // namespace cssColour
