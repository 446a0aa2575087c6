#include "core/utf8_arguments.h"

#ifdef _WIN32
#include "core/windows_api.h"
// shellapi.h needs windows.h first.
#include <shellapi.h>
#endif

namespace chronoflip {

namespace {

#ifdef _WIN32
std::string utf8Of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back();  // the terminating null
    return result;
}

std::vector<std::string> commandLine(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv, argv + argc};
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(utf8Of(wide[i]));
    LocalFree(wide);
    return texts;
}

// The code page is the console's, not the program's: it outlives the program unless
// given back.
unsigned useUtf8Console() {
    const unsigned previous = GetConsoleOutputCP();
    if (previous != 0) SetConsoleOutputCP(CP_UTF8);
    return previous;
}

void restoreConsole(unsigned codePage) {
    if (codePage != 0) SetConsoleOutputCP(codePage);
}
#else
std::vector<std::string> commandLine(int argc, char** argv) {
    return {argv, argv + argc};
}

unsigned useUtf8Console() {
    return 0;
}

void restoreConsole(unsigned) {}
#endif

}  // namespace

Utf8Arguments::Utf8Arguments(int argc, char** argv)
    : texts_(commandLine(argc, argv)), consoleCodePage_(useUtf8Console()) {
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

Utf8Arguments::~Utf8Arguments() {
    restoreConsole(consoleCodePage_);
}

}  // namespace chronoflip
