#include <unistd.h>

#include "core/console.h"

namespace chronoflip {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

unsigned useUtf8Console() {
    return 0;
}

void restoreConsole(unsigned) {}

bool isTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) != 0;
}

}  // namespace chronoflip
