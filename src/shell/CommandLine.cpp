#include "shell/CommandLine.h"

#include "TintwellVersion.h"
#include "notation/NotationText.h"
#include "pick/PickCommand.h"
#include "platform/SettingsStore.h"

#include <cstdio>

namespace {
constexpr int UsageError = 2;
const std::string Pick = "--pick";
const std::string Notation = "--notation";

// "a number 0..15": the notation numbers there are.
std::string numberRange() {
    return "a number 0.." + std::to_string(notationText::names().size() - 1);
}

// The notations' names, indented under the option and wrapped within 80 columns.
std::string notationList() {
    constexpr std::size_t Indent = 17, Width = 80;
    std::string lines, line;
    const QStringList names = notationText::names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::string word = names[i].toStdString() + (i + 1 < names.size() ? "," : "");
        if (!line.empty() && Indent + line.size() + 1 + word.size() > Width) {
            lines += std::string(Indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return lines + std::string(Indent, ' ') + line + "\n";
}

std::string usage(const std::string& configRoot) {
    return "Usage: tintwell [--help | --version | --pick [--notation N]]\n"
           "\n"
           "Tintwell " TINTWELL_VERSION " composes a colour and copies it as HTML, C, VB, POV-Ray\n"
           "and other notations. Started without arguments it opens its window; it takes no\n"
           "other arguments than these:\n"
           "\n"
           "  -h, --help     show this text and exit\n"
           "  -V, --version  show the version and exit\n"
           "  --pick         pick a colour from the screen without the window and print it\n"
           "                 as #RRGGBB; status 1 when the pick is cancelled, 2 when no\n"
           "                 picker can work\n"
           "  --notation N   with --pick: print it in notation N, " +
           numberRange() + " or its name:\n" + notationList() +
           "\n"
           "Settings are kept in " +
           configRoot +
           "/Tintwell/Tintwell.conf\n"
           "($XDG_CONFIG_HOME/Tintwell/Tintwell.conf, or ~/.config/Tintwell/Tintwell.conf).\n";
}

CommandLineAnswer refusal(const std::string& line) {
    return {.exitStatus = UsageError, .err = "tintwell: " + line + "\n"};
}

CommandLineAnswer unexpected(const std::string& argument) {
    return refusal("unexpected argument '" + argument + "' (tintwell --help lists what it takes)");
}

// --pick, with --notation N or --notation=N before or after it.
CommandLineAnswer pickRequest(const std::vector<std::string>& arguments) {
    bool pick = false;
    std::optional<std::string> notation;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == Pick && !pick) {
            pick = true;
        } else if (word == Notation && !notation) {
            if (i + 1 == arguments.size()) {
                return refusal("--notation needs a notation: " + numberRange() + " or its name");
            }
            notation = arguments[++i];
        } else if (word.rfind(Notation + "=", 0) == 0 && !notation) {
            notation = word.substr(Notation.size() + 1);
        } else {
            return unexpected(word);
        }
    }
    if (!pick) {
        return refusal("--notation goes with --pick");
    }
    if (!notation) {
        return {.pickNotation = notationText::notationNamed(QStringLiteral("HTML"))};
    }
    const auto index = notationText::notationNamed(QString::fromStdString(*notation));
    if (!index) {
        return refusal("unknown notation '" + *notation + "' (" + numberRange() + " or one of " +
                       notationText::names().join(QStringLiteral(", ")).toStdString() + ")");
    }
    return {.pickNotation = index};
}
} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& configRoot) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    // Only a lone request is answered; anything beside it is as wrong as an unknown word.
    const std::string& first = arguments.front();
    if (arguments.size() == 1 && (first == "--help" || first == "-h")) {
        return CommandLineAnswer{.exitStatus = 0, .out = usage(configRoot)};
    }
    if (arguments.size() == 1 && (first == "--version" || first == "-V")) {
        return CommandLineAnswer{.exitStatus = 0, .out = "tintwell " TINTWELL_VERSION "\n"};
    }
    const bool known = first == "--help" || first == "-h" || first == "--version" || first == "-V";
    if (!known && (first == Pick || first.rfind(Notation, 0) == 0)) {
        return pickRequest(arguments);
    }
    return unexpected(known ? arguments[1] : first);
}

std::optional<int> handleCommandLine(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto answer = answerCommandLine(arguments, SettingsStore::defaultConfigRoot().toStdString());
    if (!answer) {
        return std::nullopt;
    }
    if (answer->pickNotation) {
        return pickCommand::run(argc, argv, *answer->pickNotation);
    }
    std::fputs(answer->out.c_str(), stdout);
    std::fputs(answer->err.c_str(), stderr);
    return answer->exitStatus;
}
