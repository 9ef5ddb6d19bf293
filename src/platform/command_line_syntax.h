// How this platform hands a program its command line. On Windows a program
// receives one string, and the switches are found anywhere in it; elsewhere
// the shell has already split it into words, and "/" separates the folders of
// every path, so switches have to be words of their own.
#pragma once

#include <string>
#include <vector>

namespace qm {

// True where the command line arrives as one string.
bool commandLineIsOneString();

// The program's arguments in this platform's form: on Windows the whole
// argument text after the program's name, quotes included (one element);
// elsewhere argv[1..] as they are.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace qm
