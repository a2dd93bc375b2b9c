#include "shell/CommandLine.h"

#include "TintwellVersion.h"
#include "platform/SettingsStore.h"

#include <cstdio>

namespace {
constexpr int UsageError = 2;

std::string usage(const std::string& configRoot) {
    return "Usage: tintwell [--help | --version]\n"
           "\n"
           "Tintwell " TINTWELL_VERSION " composes a colour and copies it as HTML, C, VB, POV-Ray\n"
           "and other notations. Started without arguments it opens its window; it takes no\n"
           "other arguments.\n"
           "\n"
           "  -h, --help     show this text and exit\n"
           "  -V, --version  show the version and exit\n"
           "\n"
           "Settings are kept in " +
           configRoot +
           "/Tintwell/Tintwell.conf\n"
           "($XDG_CONFIG_HOME/Tintwell/Tintwell.conf, or ~/.config/Tintwell/Tintwell.conf).\n";
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
    const std::string& unexpected = known ? arguments[1] : first;
    return CommandLineAnswer{.exitStatus = UsageError,
                             .err = "tintwell: unexpected argument '" + unexpected +
                                    "' (tintwell --help lists what it takes)\n"};
}

std::optional<int> handleCommandLine(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto answer = answerCommandLine(arguments, SettingsStore::defaultConfigRoot().toStdString());
    if (!answer) {
        return std::nullopt;
    }
    std::fputs(answer->out.c_str(), stdout);
    std::fputs(answer->err.c_str(), stderr);
    return answer->exitStatus;
}
