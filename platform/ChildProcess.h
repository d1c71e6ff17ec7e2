// Other programs run as child processes: never through a shell, so that no
// argument or output is ever read as a command.
#pragma once

#include <string>
#include <vector>

// The full path of an executable file called name in a folder of PATH (an
// empty entry is the current folder); empty when there is none.
std::string FindProgramOnPath(const std::string& name);

// Runs arguments[0] (a path) with the arguments that follow, standard input
// and error shared with ours and no other descriptor of ours. Reads its
// standard output to the end into output and waits for it to exit; its exit
// code goes to exitCode, -1 when a signal ended it. False when it could not
// be started.
bool RunProgram(const std::vector<std::string>& arguments, std::string* output, int* exitCode);
