#pragma once

#include "colour/modColors.h"

#include <array>

// The sixteen standard colours in cell order: the value, the name the name button copies and
// the terminal's escape text. Plain data, shared by the cells, the notation texts and the tests.
namespace standardColours {

struct Entry {
    modColors::ColourValue value;
    const char* name;
    const char* escape;
};

inline constexpr std::array<Entry, 16> Table{{
    {modColors::RGB(0, 0, 0), "black", "$e[30m"},
    {modColors::RGB(0, 0, 128), "navy", "$e[34m"},
    {modColors::RGB(0, 128, 0), "green", "$e[32m"},
    {modColors::RGB(0, 128, 128), "teal", "$e[36m"},
    {modColors::RGB(128, 0, 0), "maroon", "$e[31m"},
    {modColors::RGB(128, 0, 128), "purple", "$e[35m"},
    {modColors::RGB(128, 128, 0), "olive", "$e[33m"},
    {modColors::RGB(192, 192, 192), "silver", "$e[37m"},
    {modColors::RGB(128, 128, 128), "gray", "$e[30;1m"},
    {modColors::RGB(0, 0, 255), "blue", "$e[34;1m"},
    {modColors::RGB(0, 255, 0), "lime", "$e[32;1m"},
    {modColors::RGB(0, 255, 255), "aqua", "$e[36;1m"},
    {modColors::RGB(255, 0, 0), "red", "$e[31;1m"},
    {modColors::RGB(255, 0, 255), "fuchsia", "$e[35;1m"},
    {modColors::RGB(255, 255, 0), "yellow", "$e[33;1m"},
    {modColors::RGB(255, 255, 255), "white", "$e[37;1m"},
}};

// The index of the standard colour that `colour` is, or -1 when it is none of the sixteen.
constexpr int indexOf(modColors::ColourValue colour) {
    for (int i = 0; i < static_cast<int>(Table.size()); ++i) {
        if (Table[static_cast<std::size_t>(i)].value == colour) {
            return i;
        }
    }
    return -1;
}

} // namespace standardColours
