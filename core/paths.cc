#include "core/paths.h"

#include "core/wildcard_mask.h"

namespace chronoflip {

namespace {

std::size_t nameStart(std::string_view path, const PathStyle& style) {
    std::size_t i = path.size();
    while (i > 0 && !isPathSeparator(path[i - 1], style)) --i;
    return i;
}

}  // namespace

bool isPathSeparator(char c, const PathStyle& style) {
    return style.folderEnds.find(c) != std::string_view::npos;
}

std::string_view folderPart(std::string_view path, const PathStyle& style) {
    return path.substr(0, nameStart(path, style));
}

std::string_view namePart(std::string_view path, const PathStyle& style) {
    return path.substr(nameStart(path, style));
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
    const std::size_t start = nameStart(path, kPlatformPaths);
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

std::string pathTailStrip(std::string_view path, std::uint8_t count, const PathStyle& style) {
    int removed = 0;
    while (path.size() > style.rootNameLength) {
        if (path.back() == style.separator) ++removed;
        path.remove_suffix(1);
        if (removed == count) break;
    }
    return std::string(path);
}

std::string joinPath(std::string_view folder, std::string_view name, const PathStyle& style) {
    std::string path(folder);
    if (!path.empty() && path.back() != style.separator) path += style.separator;
    path += name;
    return path;
}

bool samePathText(std::string_view a, std::string_view b, const PathStyle& style) {
    return style.ignoresCase ? equalIgnoringCase(a, b) : a == b;
}

}  // namespace chronoflip
