#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Stored numbers are decimal texts, some with a blank in the sign position (" 4").
namespace storedNumbers {

// A whole number in 16-bit range; leading and trailing blanks are accepted. Anything else
// (empty, fractions, words, out of range) gives nothing, so the caller uses its default.
std::optional<std::int16_t> toInt16(const QString& text);

// toInt16 of the text when it lies in [min, max], else the fallback.
std::int16_t toInt16InRange(const QString& text, int min, int max, std::int16_t fallback);

// " 4" for non-negative values, "-1" for negative ones.
QString signedText(int value);

// "4", "-1".
QString plainText(int value);

} // namespace storedNumbers
