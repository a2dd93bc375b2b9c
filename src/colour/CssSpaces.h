#pragma once

#include <array>

// The colour spaces style sheets name, each as a way to and from CIE XYZ (D65): the CSS colour
// module's matrices, white points, chromatic adaptation and transfer functions, all in one place.
namespace cssSpace {

using Vector = std::array<double, 3>;

// The RGB spaces of color(), and the two XYZ ones (their "transfer" is the identity).
enum class Predefined { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProPhotoRgb, Rec2020, XyzD50, XyzD65 };

// Gamma-encoded (as written in color()) to XYZ D65, and back.
Vector predefinedToXyz(Predefined space, const Vector& encoded);
Vector xyzToPredefined(Predefined space, const Vector& xyz);

// Linear-light sRGB to XYZ D65.
Vector linearSrgbToXyz(const Vector& linear);

// CIE Lab (D50 white, as CSS uses it): L 0..100, a and b about -125..125.
Vector labToXyz(const Vector& lab);
Vector xyzToLab(const Vector& xyz);

// OKLab: L 0..1, a and b about -0.4..0.4.
Vector oklabToXyz(const Vector& oklab);
Vector xyzToOklab(const Vector& xyz);

// Polar forms (LCH, OKLCH) and the rectangular ones, hue in degrees 0 up to 360.
Vector polarToRectangular(const Vector& lch);
Vector rectangularToPolar(const Vector& lab);

} // namespace cssSpace
