#include "paths.h"

namespace chronoflip {

bool isPathSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

namespace {
std::size_t nameStart(std::string_view path) {
    std::size_t i = path.size();
    while (i > 0 && !isPathSeparator(path[i - 1])) --i;
    return i;
}
}  // namespace

std::string_view folderPart(std::string_view path) {
    return path.substr(0, nameStart(path));
}

std::string_view namePart(std::string_view path) {
    return path.substr(nameStart(path));
}

char kindLetter(std::string_view path) {
    if (path.empty()) return 0;
    const char last = path.back();
    return last >= 'A' && last <= 'Z' ? static_cast<char>(last - 'A' + 'a') : last;
}

std::string workFilePath(std::string_view sourcePath) {
    std::string result(folderPart(sourcePath));
    result += "e_";
    result += namePart(sourcePath);
    return result;
}

std::string withExtension(std::string_view path, std::string_view extension) {
    const std::size_t start = nameStart(path);
    const std::size_t dot = path.rfind('.');
    const std::size_t stem = dot != std::string_view::npos && dot >= start ? dot : path.size();
    std::string result(path.substr(0, stem));
    result += extension;
    return result;
}

std::string backupPath(std::string_view sourcePath) {
    std::string result(sourcePath);
    result += ".bak";
    return result;
}

}  // namespace chronoflip
