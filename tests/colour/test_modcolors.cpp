#include "colour/modColors.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

using namespace modColors;

namespace {
class ColourCodes : public ::testing::Test {
  protected:
    ScriptedDesktop desktop;
    const SystemColourLookup systemColours = [this](int index) { return desktop.sysColor(index); };
};

struct Triple {
    Channel r, g, b;
    bool operator==(const Triple&) const = default;
};

Triple parse(const QString& code, Triple start = {-7, -7, -7}) {
    HtmlToChannels(code, start.r, start.g, start.b);
    return start;
}
} // namespace

TEST_F(ColourCodes, SplitColourDropsTheTopByteAndResolvesSystemColours) {
    Channel r = 1, g = 2, b = 3;
    SplitColour(0x01FF8040, r, g, b);
    EXPECT_EQ((Triple{r, g, b}), (Triple{64, 128, 255}));

    r = 1, g = 2, b = 3;
    SplitColour(NoColour, r, g, b);
    EXPECT_EQ((Triple{r, g, b}), (Triple{1, 2, 3})) << "no colour must leave the outputs alone";

    desktop.systemColours[15] = RGB(10, 20, 30);
    SplitColour(static_cast<ColourValue>(0x8000000F), r, g, b, systemColours);
    EXPECT_EQ((Triple{r, g, b}), (Triple{10, 20, 30}));
    EXPECT_EQ(ResolveColour(static_cast<ColourValue>(0x8000000F), systemColours), RGB(10, 20, 30));
    EXPECT_EQ(ResolveColour(RGB(1, 2, 3), systemColours), RGB(1, 2, 3));
    EXPECT_EQ(ColourToHtml(static_cast<ColourValue>(0x8000000F), systemColours), "#0A141E");
}

TEST_F(ColourCodes, HexAndHtmlTexts) {
    const std::pair<Channel, const char*> bytes[] = {
        {0, "00"}, {10, "0A"}, {255, "FF"}, {256, "100"}, {-1, "FFFF"}};
    for (const auto& [value, text] : bytes) {
        EXPECT_EQ(HexByte(value), text) << value;
    }
    EXPECT_EQ(ChannelsToHtml(255, 128, 0), "#FF8000");
    EXPECT_EQ(ColourToHtml(0x0080FF), "#FF8000");
    EXPECT_EQ(ColourToHtml(NoColour), "");
    EXPECT_EQ(HtmlToColour("#FF8000"), 0x0080FF);
}

TEST_F(ColourCodes, HtmlToChannelsReadsThePairs) {
    const std::pair<const char*, Triple> cases[] = {
        {"#FF8000", {255, 128, 0}}, {"FF8000", {255, 128, 0}},     {"ff8000", {255, 128, 0}},
        {"#F80001A", {128, 0, 26}}, {"FF8000AA", {255, 128, 170}}, {"#00000000FF", {0, 0, 255}},
        {"0a0B0c", {10, 11, 12}},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(parse(code), expected) << code;
    }
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// The callers show "Length less then 6" for a TooShort code (the editor's and scheme tests).
TEST_F(ColourCodes, ShortCodesAreTooShortAndChangeNothing) {
    for (const char* code : {"#FFF", "", "12345", "#1234"}) {
        Triple t{-7, -7, -7};
        EXPECT_EQ(HtmlToChannels(code, t.r, t.g, t.b), HtmlParse::TooShort) << code;
        EXPECT_EQ(t, (Triple{-7, -7, -7})) << code;
    }
    EXPECT_EQ(HtmlToColour(""), 0);
    EXPECT_EQ(LengthMessage, "Length less then 6");
}

TEST_F(ColourCodes, CodesWhosePairsAreNotHexAreRefusedQuietly) {
    // "#" and five characters puts the "#" in the first pair; padding, signs and
    // non-ASCII digits are no hex digits either.
    for (const char* code :
         {"#12345", "  FF80", "GG8000", "FF80ZZ", "+1FF80", "-1-1-1", "FF 800", "١٢٣٤٥٦"}) {
        Channel r = 7, g = 8, b = 9;
        EXPECT_EQ(HtmlToChannels(QString::fromUtf8(code), r, g, b), HtmlParse::NotHex) << code;
        EXPECT_EQ((Triple{r, g, b}), (Triple{7, 8, 9})) << code;
    }
    EXPECT_EQ(HtmlToColour("GG8000"), 0);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ColourCodes, ChannelMeanTruncates) {
    EXPECT_EQ(ChannelMean(255, 128, 0), 127);
    EXPECT_EQ(ChannelMean(128, 128, 128), 128);
    EXPECT_EQ(ChannelMean(10, 128, 250), 129);
    EXPECT_EQ(ChannelMean(-1, -1, 0), 0);
}

// The codes are pure: a short code is reported to the caller, who tells the user; nothing is
// shown or printed from here. Without a lookup a system colour is black.
TEST(ColourCodesWithoutDesktop, AShortCodeIsToldToTheCallerAndSystemColoursAreBlack) {
    testing::internal::CaptureStderr();
    Channel r = 1, g = 2, b = 3;
    EXPECT_EQ(HtmlToChannels("#FFF", r, g, b), HtmlParse::TooShort);
    EXPECT_EQ(HtmlToColour("#FFF"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ResolveColour(static_cast<ColourValue>(0x8000000F)), 0);
}
