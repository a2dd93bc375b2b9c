#pragma once

#include <cmath>

// The sRGB transfer function and its inverse, on values 0..1, mirrored for negative values (a
// colour outside sRGB on its way to being clipped).
namespace srgbTransfer {

inline double toLinear(double encoded) {
    const double magnitude = std::abs(encoded);
    if (magnitude <= 0.04045) {
        return encoded / 12.92;
    }
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), encoded);
}

inline double toEncoded(double linear) {
    const double magnitude = std::abs(linear);
    if (magnitude <= 0.0031308) {
        return linear * 12.92;
    }
    return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, linear);
}

} // namespace srgbTransfer
