#include "platform/StoredNumbers.h"

#include <gtest/gtest.h>

using namespace storedNumbers;

TEST(StoredNumbers, ReadsWholeNumbersWithBlanks) {
    const std::pair<const char*, int> good[] = {{"0", 0},           {" 4", 4},  {"-1", -1}, {"32767", 32767},
                                                {"-32768", -32768}, {" 3 ", 3}, {"+7", 7},  {"007", 7}};
    for (const auto& [text, value] : good) {
        const auto parsed = toInt16(QString::fromUtf8(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    for (const char* text : {"", " ", "x", "1.5", "1e3", "32768", "-32769", "0x10", "- 1", "+", "1 2", "٣"}) {
        EXPECT_FALSE(toInt16(QString::fromUtf8(text)).has_value()) << text;
    }
}

TEST(StoredNumbers, RangeFallsBackToTheDefault) {
    EXPECT_EQ(toInt16InRange(" 6", 0, 6, 0), 6);
    EXPECT_EQ(toInt16InRange("7", 0, 6, 0), 0);
    EXPECT_EQ(toInt16InRange("-1", 0, 6, 3), 3);
    EXPECT_EQ(toInt16InRange("abc", 0, 6, 2), 2);
}

TEST(StoredNumbers, TextsHaveTheSignPositionWhereAsked) {
    EXPECT_EQ(signedText(4), " 4");
    EXPECT_EQ(signedText(0), " 0");
    EXPECT_EQ(signedText(-1), "-1");
    EXPECT_EQ(plainText(270), "270");
    EXPECT_EQ(plainText(-3), "-3");
}
