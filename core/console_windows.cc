#include "core/windows_api.h"
// shellapi.h needs windows.h first.
#include <io.h>
#include <shellapi.h>

#include "core/console.h"

namespace chronoflip {

namespace {

std::string utf8Of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back();  // the terminating null
    return result;
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv, argv + argc};
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(utf8Of(wide[i]));
    LocalFree(wide);
    return texts;
}

unsigned useUtf8Console() {
    const unsigned previous = GetConsoleOutputCP();
    if (previous != 0) SetConsoleOutputCP(CP_UTF8);
    return previous;
}

void restoreConsole(unsigned codePage) {
    if (codePage != 0) SetConsoleOutputCP(codePage);
}

bool isTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

}  // namespace chronoflip
