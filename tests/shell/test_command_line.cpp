#include "shell/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(CommandLine, NoArgumentsOpenTheWindow) {
    EXPECT_FALSE(answerCommandLine({}, "/home/u/.config").has_value());
}

TEST(CommandLine, EachArgumentListGetsItsStatusAndOneStream) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* outStart; // empty: nothing on standard output
        const char* errStart; // empty: nothing on standard error
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: tintwell", ""},
        {{"-h"}, 0, "Usage: tintwell", ""},
        {{"--version"}, 0, "tintwell ", ""},
        {{"-V"}, 0, "tintwell ", ""},
        {{"--colour"}, 2, "", "tintwell: unexpected argument '--colour'"},
        {{"file.conf"}, 2, "", "tintwell: unexpected argument 'file.conf'"},
        {{""}, 2, "", "tintwell: unexpected argument ''"},
        {{"--HELP"}, 2, "", "tintwell: unexpected argument '--HELP'"},
        {{"--help", "--version"}, 2, "", "tintwell: unexpected argument '--version'"},
        {{"--version", "x"}, 2, "", "tintwell: unexpected argument 'x'"},
        {{"x", "--help"}, 2, "", "tintwell: unexpected argument 'x'"},
    };
    for (const Case& c : cases) {
        const std::string label = c.arguments.front() + (c.arguments.size() > 1 ? " ..." : "");
        const auto answer = answerCommandLine(c.arguments, "/home/u/.config");
        ASSERT_TRUE(answer.has_value()) << label;
        EXPECT_EQ(answer->exitStatus, c.status) << label;
        EXPECT_EQ(answer->out.rfind(c.outStart, 0), 0u) << label << ": " << answer->out;
        EXPECT_EQ(answer->err.rfind(c.errStart, 0), 0u) << label << ": " << answer->err;
        EXPECT_EQ(answer->out.empty(), *c.outStart == '\0') << label;
        EXPECT_EQ(answer->err.empty(), *c.errStart == '\0') << label;
        if (c.status != 0) {
            // One line, so a script's log shows the whole complaint.
            EXPECT_EQ(answer->err.find('\n'), answer->err.size() - 1) << label;
        }
    }
}

// --pick asks for a pick and prints nothing itself; --notation chooses what is printed and
// goes with --pick only.
TEST(CommandLine, PickTakesANotationByNumberOrName) {
    struct Case {
        std::vector<std::string> arguments;
        int notation; // -1: refused with one line and status 2
        const char* complaint;
    };
    const Case cases[] = {
        {{"--pick"}, 1, ""},
        {{"--pick", "--notation", "0"}, 0, ""},
        {{"--pick", "--notation", "VB"}, 4, ""},
        {{"--pick", "--notation=CSS oklch"}, 9, ""},
        {{"--notation", "{ESC}", "--pick"}, 5, ""},
        {{"--pick", "--notation", "CSS hex"}, 10, ""},
        {{"--pick", "--notation", "16"}, -1, "tintwell: unknown notation '16'"},
        {{"--pick", "--notation=CSS display-p3"}, 15, ""},
        {{"--pick", "--notation", "vb"}, -1, "tintwell: unknown notation 'vb'"},
        {{"--pick", "--notation"}, -1, "tintwell: --notation needs a notation"},
        {{"--notation", "1"}, -1, "tintwell: --notation goes with --pick"},
        {{"--pick", "--pick"}, -1, "tintwell: unexpected argument '--pick'"},
        {{"--pick", "--notation", "1", "--notation", "2"}, -1, "tintwell: unexpected argument '--notation'"},
        {{"--pick", "--help"}, -1, "tintwell: unexpected argument '--help'"},
        {{"--help", "--pick"}, -1, "tintwell: unexpected argument '--pick'"},
        {{"--notationx"}, -1, "tintwell: unexpected argument '--notationx'"},
    };
    for (const Case& c : cases) {
        std::string label;
        for (const std::string& word : c.arguments) {
            label += word + " ";
        }
        const auto answer = answerCommandLine(c.arguments, "/c");
        ASSERT_TRUE(answer.has_value()) << label;
        EXPECT_TRUE(answer->out.empty()) << label;
        if (c.notation >= 0) {
            EXPECT_EQ(answer->pickNotation, c.notation) << label;
            EXPECT_TRUE(answer->err.empty()) << label << answer->err;
        } else {
            EXPECT_FALSE(answer->pickNotation.has_value()) << label;
            EXPECT_EQ(answer->exitStatus, 2) << label;
            EXPECT_EQ(answer->err.rfind(c.complaint, 0), 0u) << label << ": " << answer->err;
            EXPECT_EQ(answer->err.find('\n'), answer->err.size() - 1) << label;
        }
    }
}

TEST(CommandLine, VersionIsOneLineWithTheReleaseNumber) {
    const std::string out = answerCommandLine({"--version"}, "/c")->out;
    ASSERT_GE(out.size(), 15u);
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(out.find('\n'), out.size() - 1);
    const std::string version = out.substr(std::string("tintwell ").size(), out.size() - 10);
    // major.minor.patch, digits only.
    int dots = 0;
    for (char ch : version) {
        dots += ch == '.';
        EXPECT_TRUE(ch == '.' || (ch >= '0' && ch <= '9')) << version;
    }
    EXPECT_EQ(dots, 2) << version;
    EXPECT_NE(answerCommandLine({"--help"}, "/c")->out.find("Tintwell " + version + " "), std::string::npos);
}

TEST(CommandLine, UsageSaysWhereTheSettingsLiveAndThatNothingElseIsTaken) {
    const std::string out = answerCommandLine({"--help"}, "/home/u/.config")->out;
    EXPECT_NE(out.find("/home/u/.config/Tintwell/Tintwell.conf"), std::string::npos) << out;
    EXPECT_NE(out.find("it takes no"), std::string::npos) << out;
    for (const char* option :
         {"--help", "--version", "-h", "-V", "--pick", "--notation N", "CSS oklch", "CSS display-p3\n"}) {
        EXPECT_NE(out.find(option), std::string::npos) << option;
    }
    // The notations' names wrap within 80 columns under their option.
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(std::string(17, ' '), 0) == 0) {
            EXPECT_LE(line.size(), 80u) << line;
        }
    }
}

} // namespace
