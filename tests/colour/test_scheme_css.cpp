// A scheme's colours as style-sheet rules and custom properties.
#include "colour/SchemeCss.h"

#include <gtest/gtest.h>

using schemeCss::SlotCodes;

namespace {

const SlotCodes DefaultScheme = {QStringLiteral("#FFFFFF"), QStringLiteral("#000000"),
                                 QStringLiteral("#0000FF"), QStringLiteral("#800080"),
                                 QStringLiteral("#FF0000")};

// Each case swaps some slots of the default scheme for other codes.
struct Case {
    const char* name;
    std::array<const char*, 5> replaced; // nullptr keeps the default slot
    const char* rules;
    const char* properties;
};

const Case Cases[] = {
    {"default scheme",
     {},
     "body { background-color: #FFFFFF; color: #000000; }\n"
     "a:link { color: #0000FF; }\n"
     "a:visited { color: #800080; }\n"
     "a:active { color: #FF0000; }\n",
     ":root {\n"
     "  --bgcolor: #FFFFFF;\n"
     "  --text: #000000;\n"
     "  --link: #0000FF;\n"
     "  --vlink: #800080;\n"
     "  --alink: #FF0000;\n"
     "}\n"},
    {"garbage background: body keeps its colour only",
     {"#GGGGGG", nullptr, nullptr, nullptr, nullptr},
     "body { color: #000000; }\n"
     "a:link { color: #0000FF; }\n"
     "a:visited { color: #800080; }\n"
     "a:active { color: #FF0000; }\n",
     ":root {\n"
     "  --text: #000000;\n"
     "  --link: #0000FF;\n"
     "  --vlink: #800080;\n"
     "  --alink: #FF0000;\n"
     "}\n"},
    {"garbage text: body keeps its background only; codes kept as they stand",
     {"#ffeedd", "", "#0a0B0c", nullptr, nullptr},
     "body { background-color: #ffeedd; }\n"
     "a:link { color: #0a0B0c; }\n"
     "a:visited { color: #800080; }\n"
     "a:active { color: #FF0000; }\n",
     ":root {\n"
     "  --bgcolor: #ffeedd;\n"
     "  --link: #0a0B0c;\n"
     "  --vlink: #800080;\n"
     "  --alink: #FF0000;\n"
     "}\n"},
    {"no body colour, one link rule left out",
     {"FFFFFF", "#00000", nullptr, "#800080; } body { x", nullptr},
     "a:link { color: #0000FF; }\n"
     "a:active { color: #FF0000; }\n",
     ":root {\n"
     "  --link: #0000FF;\n"
     "  --alink: #FF0000;\n"
     "}\n"},
    {"nothing but garbage: nothing to copy", {"#FFFFFF\n", " #000000", "#0000FF0", "red", "#FF000"}, "", ""},
};

TEST(SchemeCss, RulesAndPropertiesLeaveOutWhatIsNotAColour) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        SlotCodes codes = DefaultScheme;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (c.replaced[i] != nullptr) {
                codes[i] = QString::fromUtf8(c.replaced[i]);
            }
        }
        EXPECT_EQ(schemeCss::cssRules(codes).toStdString(), c.rules);
        EXPECT_EQ(schemeCss::customProperties(codes).toStdString(), c.properties);
    }
}

TEST(SchemeCss, AColourIsAHashAndSixHexDigits) {
    for (const char* code : {"#000000", "#FFFFFF", "#abcdef", "#9aF0e1"}) {
        EXPECT_TRUE(schemeCss::isColourCode(QString::fromUtf8(code))) << code;
    }
    for (const char* code :
         {"", "#", "#FFF", "FFFFFF", "#FFFFFFF", "#FFFFFG", "#FFFFFF\n", "\n#FFFFFF", " #FFFFFF", "#FFFFFF ",
          "#FF FFF", "rgb(0,0,0)", "#\u0660\u0660\u0660\u0660\u0660\u0660"}) {
        EXPECT_FALSE(schemeCss::isColourCode(QString::fromUtf8(code))) << code;
    }
}

} // namespace
