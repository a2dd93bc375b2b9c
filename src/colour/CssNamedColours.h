#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

// The named colours of style sheets (the 148 of the CSS colour module, "grey" spellings and
// "rebeccapurple" included).
namespace cssColour {

struct NamedColour {
    const char* name;  // lower case
    std::uint32_t rgb; // 0xRRGGBB
};

std::span<const NamedColour> namedColours();

// The colour of a name, in any mix of upper and lower case; nothing for any other text.
std::optional<std::uint32_t> namedColour(const QString& name);

} // namespace cssColour
