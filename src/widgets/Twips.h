#pragma once

#include <cmath>

// Window positions and sizes are designed in twips (1/1440 inch). The screen has 15 twips per
// pixel at 96 dots per inch; where the desktop enlarges the fonts alone (its font resolution
// above 96 dpi with Qt's own scaling off), fewer twips make a pixel, so the layout grows with
// the captions' point sizes and no text is cut. This is the one place that converts.
double twipsPerPixel();

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

// A length given in the pixels of the design (96 dpi), such as the hole's edges, on this screen.
inline int designedPixels(double pixelsAt96Dpi) {
    constexpr int DesignedTwipsPerPixel = 15;
    return twipsToPixels(pixelsAt96Dpi * DesignedTwipsPerPixel);
}

inline int pixelsToTwips(double pixels) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel()));
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
