#pragma once

// `tintwell --pick`: picks a colour without the window and prints it in a notation.
namespace pickCommand {

// Prints the picked colour and a line break on standard output and returns 0; a cancelled pick
// prints nothing and returns 1; when no picker can work, one line on standard error and 2.
int run(int argc, char** argv, int notation);

} // namespace pickCommand
