#include "colour/CssSpaces.h"

#include "colour/SrgbTransfer.h"

#include <cmath>
#include <numbers>

namespace cssSpace {

namespace {
using Matrix = std::array<Vector, 3>;

Vector multiply(const Matrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    }
    return out;
}

// The way back of a matrix the module gives one way only; computed once, never copied by hand.
Matrix inverse(const Matrix& m) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix out{};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t col = 0; col < 3; ++col) {
            const std::size_t r1 = (col + 1) % 3, r2 = (col + 2) % 3;
            const std::size_t c1 = (row + 1) % 3, c2 = (row + 2) % 3;
            out[row][col] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
        }
    }
    return out;
}

// Linear-light sRGB to CIE XYZ (D65) and back, as exact rationals.
const Matrix LinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
const Matrix XyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};

// The wider RGB spaces' linear light to XYZ: D65 for all but ProPhoto, whose white is D50.
const Matrix LinearDisplayP3ToXyz = {{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
const Matrix LinearA98RgbToXyz = {{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
const Matrix LinearProPhotoToXyzD50 = {{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
}};
const Matrix LinearRec2020ToXyz = {{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};

// Bradford chromatic adaptation from the D65 white to D50.
const Matrix D65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};

// XYZ to the cone-like LMS space of OKLab, and the cube roots of LMS to OKLab.
const Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
const Matrix LmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
const Matrix LmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
const Matrix OklabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};

const Vector D50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// Transfer functions, each mirrored for negative values.
double signedPower(double value, double exponent) {
    return std::copysign(std::pow(std::abs(value), exponent), value);
}

constexpr double A98Gamma = 563.0 / 256;

constexpr double ProPhotoGamma = 1.8;
double proPhotoToLinear(double v) {
    return std::abs(v) <= 16.0 / 512 ? v / 16 : signedPower(v, ProPhotoGamma);
}
double proPhotoToEncoded(double v) {
    return std::abs(v) >= 1.0 / 512 ? signedPower(v, 1 / ProPhotoGamma) : v * 16;
}

constexpr double Rec2020Alpha = 1.09929682680944;
constexpr double Rec2020Beta = 0.018053968510807;
double rec2020ToLinear(double v) {
    if (std::abs(v) < Rec2020Beta * 4.5) {
        return v / 4.5;
    }
    return std::copysign(std::pow((std::abs(v) + Rec2020Alpha - 1) / Rec2020Alpha, 1 / 0.45), v);
}
double rec2020ToEncoded(double v) {
    if (std::abs(v) <= Rec2020Beta) {
        return v * 4.5;
    }
    return std::copysign(Rec2020Alpha * std::pow(std::abs(v), 0.45) - (Rec2020Alpha - 1), v);
}

template <typename Transfer> Vector each(const Vector& v, Transfer transfer) {
    return {transfer(v[0]), transfer(v[1]), transfer(v[2])};
}

struct Space {
    const Matrix* toXyz; // from linear light; D50 for ProPhoto and XYZ D50
    double (*toLinear)(double);
    double (*toEncoded)(double);
    bool d50;
};

double identity(double v) {
    return v;
}
double a98ToLinear(double v) {
    return signedPower(v, A98Gamma);
}
double a98ToEncoded(double v) {
    return signedPower(v, 1 / A98Gamma);
}

const Matrix Identity = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

Space spaceOf(Predefined space) {
    switch (space) {
    case Predefined::Srgb:
        return {&LinearSrgbToXyz, srgbTransfer::toLinear, srgbTransfer::toEncoded, false};
    case Predefined::SrgbLinear:
        return {&LinearSrgbToXyz, identity, identity, false};
    case Predefined::DisplayP3:
        return {&LinearDisplayP3ToXyz, srgbTransfer::toLinear, srgbTransfer::toEncoded, false};
    case Predefined::A98Rgb:
        return {&LinearA98RgbToXyz, a98ToLinear, a98ToEncoded, false};
    case Predefined::ProPhotoRgb:
        return {&LinearProPhotoToXyzD50, proPhotoToLinear, proPhotoToEncoded, true};
    case Predefined::Rec2020:
        return {&LinearRec2020ToXyz, rec2020ToLinear, rec2020ToEncoded, false};
    case Predefined::XyzD50:
        return {&Identity, identity, identity, true};
    case Predefined::XyzD65:
        break;
    }
    return {&Identity, identity, identity, false};
}

const Matrix& inverseOf(const Matrix& m) {
    // sRGB keeps its exact rational inverse; the others are inverted once on first use.
    if (&m == &LinearSrgbToXyz) {
        return XyzToLinearSrgb;
    }
    static const Matrix p3 = inverse(LinearDisplayP3ToXyz), a98 = inverse(LinearA98RgbToXyz),
                        proPhoto = inverse(LinearProPhotoToXyzD50), rec2020 = inverse(LinearRec2020ToXyz);
    if (&m == &LinearDisplayP3ToXyz) {
        return p3;
    }
    if (&m == &LinearA98RgbToXyz) {
        return a98;
    }
    if (&m == &LinearProPhotoToXyzD50) {
        return proPhoto;
    }
    if (&m == &LinearRec2020ToXyz) {
        return rec2020;
    }
    return Identity;
}

const Matrix& d50ToD65() {
    static const Matrix m = inverse(D65ToD50);
    return m;
}

// CIE's constants for the lightness curve, as exact fractions.
constexpr double Kappa = 24389.0 / 27;
constexpr double Epsilon = 216.0 / 24389;

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
} // namespace

Vector predefinedToXyz(Predefined space, const Vector& encoded) {
    const Space s = spaceOf(space);
    const Vector xyz = multiply(*s.toXyz, each(encoded, s.toLinear));
    return s.d50 ? multiply(d50ToD65(), xyz) : xyz;
}

Vector xyzToPredefined(Predefined space, const Vector& xyz) {
    const Space s = spaceOf(space);
    const Vector white = s.d50 ? multiply(D65ToD50, xyz) : xyz;
    return each(multiply(inverseOf(*s.toXyz), white), s.toEncoded);
}

Vector linearSrgbToXyz(const Vector& linear) {
    return multiply(LinearSrgbToXyz, linear);
}

Vector labToXyz(const Vector& lab) {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    auto fromCurve = [](double f) { return f * f * f > Epsilon ? f * f * f : (116 * f - 16) / Kappa; };
    const Vector relative = {fromCurve(f0), lab[0] > Kappa * Epsilon ? f1 * f1 * f1 : lab[0] / Kappa,
                             fromCurve(f2)};
    return multiply(d50ToD65(), {relative[0] * D50White[0], relative[1], relative[2] * D50White[2]});
}

Vector xyzToLab(const Vector& xyz) {
    const Vector d50 = multiply(D65ToD50, xyz);
    auto curve = [](double v) { return v > Epsilon ? std::cbrt(v) : (Kappa * v + 16) / 116; };
    const double f0 = curve(d50[0] / D50White[0]);
    const double f1 = curve(d50[1]);
    const double f2 = curve(d50[2] / D50White[2]);
    return {116 * f1 - 16, 500 * (f0 - f1), 200 * (f1 - f2)};
}

Vector oklabToXyz(const Vector& oklab) {
    return multiply(LmsToXyz,
                    each(multiply(OklabToLms, oklab), [](double cone) { return cone * cone * cone; }));
}

Vector xyzToOklab(const Vector& xyz) {
    return multiply(LmsToOklab, each(multiply(XyzToLms, xyz), [](double cone) { return std::cbrt(cone); }));
}

Vector polarToRectangular(const Vector& lch) {
    const double radians = lch[2] / DegreesPerRadian;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Vector rectangularToPolar(const Vector& lab) {
    double hue = std::fmod(std::atan2(lab[2], lab[1]) * DegreesPerRadian, 360.0);
    if (hue < 0) {
        hue += 360;
    }
    return {lab[0], std::hypot(lab[1], lab[2]), hue};
}

} // namespace cssSpace
