#pragma once

#include <QString>
#include <cstdint>
#include <functional>

// Colour values, channel triples and HTML codes, and the conversions between them.
//
// A colour value packs red in bits 0..7, green in 8..15 and blue in 16..23. A value with
// bit 31 set is a system colour whose low 24 bits index a desktop display colour;
// NoColour (-1) means that no colour was chosen.
namespace modColors {

using ColourValue = std::int32_t;
using Channel = std::int16_t;

constexpr ColourValue NoColour = -1;

// Looks up a desktop display colour by its classic index. The functions below that resolve
// system colours take one; without it a system colour resolves to black.
using SystemColourLookup = std::function<ColourValue(int index)>;

constexpr ColourValue RGB(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

// Splits a colour into channels; a system colour is resolved first. NoColour writes nothing.
void SplitColour(ColourValue colour, Channel& red, Channel& green, Channel& blue,
                 const SystemColourLookup& systemColours = {});

// Upper-case hex of a 16-bit value, at least two digits, never clamped ("100" for 256).
QString HexByte(Channel value);

QString ChannelsToHtml(Channel red, Channel green, Channel blue);

// "#RRGGBB", or an empty text for NoColour.
QString ColourToHtml(ColourValue colour, const SystemColourLookup& systemColours = {});

enum class HtmlParse { Ok, TooShort, NotHex };

// Reads "#RRGGBB" or "RRGGBB" (see the .cpp for longer texts). A text of five characters or
// fewer is TooShort, and the caller shows LengthMessage; pairs that are not hex digits are
// refused silently. In both failure cases the outputs are left untouched.
HtmlParse HtmlToChannels(const QString& code, Channel& red, Channel& green, Channel& blue);

// HtmlToChannels into zeroed channels: a refused code gives black.
ColourValue HtmlToColour(const QString& code);

// Plain colours unchanged; anything negative is looked up as a system colour.
ColourValue ResolveColour(ColourValue colour, const SystemColourLookup& systemColours = {});

// Mean of three channels in 16-bit arithmetic, truncated toward zero.
Channel ChannelMean(Channel a, Channel b, Channel c);

// What the callers tell the user when a code is TooShort.
inline const QString LengthMessage = QStringLiteral("Length less then 6");

} // namespace modColors
