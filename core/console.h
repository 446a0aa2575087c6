#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The terminal the command line runs in, as each platform has it.
namespace chronoflip {

// The program's arguments as UTF-8: Linux passes the bytes as they came; Windows hands
// main() its ANSI code page, so the wide command line is converted instead.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Makes the console show UTF-8 and returns what to give back to restoreConsole: the code
// page is the console's, not the program's, and outlives the program unless given back.
unsigned useUtf8Console();
void restoreConsole(unsigned codePage);

// True when the stream is a terminal a person watches, not a file or a pipe.
bool isTerminal(std::FILE* stream);

}  // namespace chronoflip
