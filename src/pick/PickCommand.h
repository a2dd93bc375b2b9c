#pragma once

// `tintwell --pick`: picks a colour without the window and prints it in a notation.
namespace pickCommand {

// Prints the picked colour and a line break on standard output and returns 0; a cancelled pick
// (also by SIGINT or SIGTERM) prints nothing and returns 1, a pick the desktop's picker ended
// without a colour one line on standard error and 1; when no picker can work, one line on
// standard error and 2.
int run(int argc, char** argv, int notation);

} // namespace pickCommand
