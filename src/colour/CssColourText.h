#pragma once

#include <QString>
#include <array>
#include <optional>

// Colours written as style sheets write them.
namespace cssColour {

using Channels = std::array<int, 3>; // red, green, blue, 0..255 each

// Reads a whole style-sheet colour: "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA", a colour name,
// rgb()/rgba() and hsl()/hsla() with commas or blanks, hwb(), lab(), lch(), oklab(), oklch()
// and color() in its nine predefined spaces, with "none", percentages and angle units where
// style sheets take them; case does not matter and blanks round the text are allowed. An alpha
// part is read and dropped. Colours outside sRGB are clipped channel by channel. Nothing for
// any other text.
std::optional<Channels> parseCssColour(const QString& text);

// "rgb(255, 128, 0)".
QString cssRgbText(const Channels& rgb);
// "hsl(30, 100%, 50%)", in whole numbers.
QString cssHslText(const Channels& rgb);
// "oklch(73.19% 0.1858 52.98)": lightness to 0.01 %, chroma to 0.0001, hue to 0.01 degree,
// trailing zeros dropped; a grey has chroma 0 and hue "none".
QString cssOklchText(const Channels& rgb);
// The forms written with fixed decimals, trailing zeros dropped, always just enough for the text
// to lead back to the same six digits: "hwb(30.1 0% 0%)", "lab(67.82 45.49 74.84)",
// "lch(67.82 87.58 58.71)", "oklab(73.19% 0.11186 0.14836)", "color(display-p3 0.9361 0.529 0.1987)".
// An achromatic colour's hue is "none".
enum class WrittenForm { Hwb, Lab, Lch, Oklab, DisplayP3 };

// One argument as written: its number rounded to the decimals written, and a "%" after it or
// "none" in its place.
struct WrittenArgument {
    double value;
    bool percent;
    bool none;
};
using WrittenArguments = std::array<WrittenArgument, 3>;

WrittenArguments writtenArguments(WrittenForm form, const Channels& rgb);
QString writtenText(WrittenForm form, const Channels& rgb);
// The function's name ("hwb"), or the space color() names ("display-p3").
QString writtenName(WrittenForm form);
// What a paste of those arguments gives: parseCssColour's own arithmetic, without the text.
Channels readWritten(WrittenForm form, const WrittenArguments& args);

// "#ff8000", or the three-digit "#f80" when that is exact (each channel's two digits alike).
// Lower case, as most style sheets are written; channels outside 0..255 are clipped.
QString cssHexText(const Channels& rgb);

} // namespace cssColour
