#pragma once

#include <optional>
#include <string>
#include <vector>

// The program takes no arguments of its own apart from asking for its usage or version, both
// answered before any display is needed, and --pick, which picks a colour without the window.
struct CommandLineAnswer {
    int exitStatus = 0;
    std::string out; // for standard output
    std::string err; // for standard error
    // --pick: pick a colour, then print it in this notation; nothing is printed before.
    std::optional<int> pickNotation;
};

// The answer to the arguments after the program's name, or nothing when the window should
// open (no arguments at all). configRoot is the folder the settings file lives under.
std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& configRoot);

// Prints the answer to argv, if there is one, and returns the status to exit with.
std::optional<int> handleCommandLine(int argc, char** argv);
