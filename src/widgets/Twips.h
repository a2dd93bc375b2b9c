#pragma once

#include <cmath>

// Window positions and sizes are designed in twips (1/1440 inch); the screen has 15 twips
// per pixel at 96 dots per inch. This is the one place that converts.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// The outer window less the client area: the frame and title bar the layout was designed for.
constexpr int FrameWidthTwips = 90;
constexpr int FrameHeightTwips = 450;

// The outer sizes of the four views: the safe palette widens the window, the scheme editor
// lengthens it, and both together make the full view.
constexpr int NarrowWidthTwips = 5100;
constexpr int WideWidthTwips = 9300;
constexpr int ShortHeightTwips = 4370;
constexpr int TallHeightTwips = 6040;
