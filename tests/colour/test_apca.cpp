// APCA lightness contrast, against the values published with APCA-W3 0.0.98G-4g.
#include "colour/Apca.h"

#include <gtest/gtest.h>

using modColors::RGB;

namespace {

modColors::ColourValue grey(int level) {
    return RGB(level, level, level);
}

// The keystone pairs listed as "test values" (text first, then background) in the README of
// the apca-w3 package (npm apca-w3 0.1.1, "APCA-W3 0.0.98G-4g"), where the last pair is misprinted
// "#234 vs #444"; the same value stands for #444 on #123 in the test tables of other ports.
// Black and white both ways as the APCA documentation quotes them (Lc 106.04 and -107.88).
TEST(Apca, PublishedPairs) {
    struct Case {
        modColors::ColourValue text, background;
        double lc;
        const char* described;
    };
    const Case cases[] = {
        {grey(0x88), grey(0xFF), 63.056469930209424, "APCA Lc 63.0"},
        {grey(0xFF), grey(0x88), -68.54146436644962, "APCA Lc -68.5"},
        {grey(0x00), grey(0xAA), 58.146262578561334, "APCA Lc 58.1"},
        {grey(0xAA), grey(0x00), -56.24113336839742, "APCA Lc -56.2"},
        {RGB(0x11, 0x22, 0x33), RGB(0xDD, 0xEE, 0xFF), 91.66830811481631, "APCA Lc 91.6"},
        {RGB(0xDD, 0xEE, 0xFF), RGB(0x11, 0x22, 0x33), -93.06770049484275, "APCA Lc -93.0"},
        {RGB(0x11, 0x22, 0x33), grey(0x44), 8.32326136957393, "APCA Lc 8.3"},
        {grey(0x44), RGB(0x11, 0x22, 0x33), -7.526878460278154, "APCA Lc -7.5"},
        {grey(0x00), grey(0xFF), 106.04067321268862, "APCA Lc 106.0"},
        {grey(0xFF), grey(0x00), -107.88473318309848, "APCA Lc -107.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.described);
        EXPECT_NEAR(apca::lightnessContrast(c.text, c.background), c.lc, 1e-9);
        EXPECT_EQ(apca::describe(c.text, c.background).toStdString(), c.described);
    }
}

// Pairs too close to read are 0, not a small number of either sign; the same colour is 0.
TEST(Apca, BelowTheLowClipIsZero) {
    const std::pair<modColors::ColourValue, modColors::ColourValue> cases[] = {
        {grey(0xFF), grey(0xFF)},
        {grey(0x00), grey(0x00)},
        {grey(0xFA), grey(0xFF)},
        {grey(0xFF), grey(0xFA)},
        {grey(0x44), RGB(0x22, 0x33, 0x44)},
        {RGB(0x22, 0x33, 0x44), grey(0x44)},
        {grey(0x01), grey(0x00)},
    };
    for (const auto& [text, background] : cases) {
        EXPECT_EQ(apca::lightnessContrast(text, background), 0.0) << text << " on " << background;
        EXPECT_EQ(apca::describe(text, background).toStdString(), "APCA Lc 0.0")
            << text << " on " << background;
    }
}

// APCA's screen luminance uses the plain 2.4 power and its own coefficients.
TEST(Apca, ScreenLuminance) {
    EXPECT_DOUBLE_EQ(apca::screenLuminance(grey(0xFF)), 1.0000001);
    EXPECT_DOUBLE_EQ(apca::screenLuminance(grey(0x00)), 0.0);
    EXPECT_NEAR(apca::screenLuminance(RGB(255, 0, 0)), 0.2126729, 1e-12);
    EXPECT_NEAR(apca::screenLuminance(RGB(0, 0, 255)), 0.0721750, 1e-12);
    // (0x88 / 255) ^ 2.4 times the sum of the coefficients; WCAG's curve gives 0.2462 here.
    EXPECT_NEAR(apca::screenLuminance(grey(0x88)), 0.221206, 1e-6);
}

} // namespace
