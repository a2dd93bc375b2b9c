// Contrast ratios and levels by the WCAG 2.x relative luminance.
#include "colour/Contrast.h"

#include <gtest/gtest.h>

using modColors::RGB;

namespace {

// Published pairs: black on white is 21:1; #777777 on white about 4.48:1 (just short of AA),
// #767676 4.54:1, #595959 7.0:1, #949494 3.03:1, pure red 4.0:1.
TEST(Contrast, PublishedPairsOnWhite) {
    struct Case {
        modColors::ColourValue text;
        double ratio;
        const char* described;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 21.0, "Contrast 21:1 (AAA)"},
        {RGB(0x77, 0x77, 0x77), 4.478, "Contrast 4.4:1 (AA Large)"},
        {RGB(0x76, 0x76, 0x76), 4.542, "Contrast 4.5:1 (AA)"},
        {RGB(0x59, 0x59, 0x59), 7.005, "Contrast 7:1 (AAA)"},
        {RGB(0x94, 0x94, 0x94), 3.033, "Contrast 3:1 (AA Large)"},
        {RGB(255, 0, 0), 3.998, "Contrast 3.9:1 (AA Large)"},
        {RGB(255, 255, 255), 1.0, "Contrast 1:1 (fails AA)"},
    };
    const auto white = RGB(255, 255, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.described);
        EXPECT_NEAR(contrast::ratio(c.text, white), c.ratio, 0.02);
        EXPECT_DOUBLE_EQ(contrast::ratio(c.text, white), contrast::ratio(white, c.text));
        EXPECT_EQ(contrast::describe(c.text, white), QLatin1String(c.described));
    }
    EXPECT_DOUBLE_EQ(contrast::relativeLuminance(white), 1.0);
    EXPECT_DOUBLE_EQ(contrast::relativeLuminance(RGB(0, 0, 0)), 0.0);
    // The channels weigh 0.2126, 0.7152 and 0.0722.
    EXPECT_NEAR(contrast::relativeLuminance(RGB(0, 255, 0)), 0.7152, 1e-9);
    EXPECT_NEAR(contrast::relativeLuminance(RGB(0, 0, 255)), 0.0722, 1e-9);
}

} // namespace
