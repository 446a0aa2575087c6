#include "readers/source_name.h"

#include "core/paths.h"

namespace chronoflip {

namespace {

constexpr char kCompactRinexLetter = 'd';

// suffix in lower case.
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = tail[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

SourceName readSourceName(std::string_view path) {
    if (endsWithIgnoringCase(path, ".gz"))
        return {Compression::kGzip, path.substr(0, path.size() - 3)};
    if (endsWithIgnoringCase(path, ".z")) {
        return {Compression::kUnixCompress, path.substr(0, path.size() - 2)};
    }
    return {Compression::kNone, path};
}

bool isCompactRinex(std::string_view path) {
    return kindLetter(readSourceName(path).plainPath) == kCompactRinexLetter;
}

std::optional<FileKind> fileKind(std::string_view path) {
    if (isCompactRinex(path)) return FileKind::kObservation;
    switch (kindLetter(readSourceName(path).plainPath)) {
        case '3':
            return FileKind::kSp3;
        case 'n':
            return FileKind::kNavigation;
        case 'o':
            return FileKind::kObservation;
        default:
            return std::nullopt;
    }
}

char kindLetter(FileKind kind) {
    switch (kind) {
        case FileKind::kObservation:
            return 'o';
        case FileKind::kNavigation:
            return 'n';
        case FileKind::kSp3:
            return '3';
    }
    return 0;
}

std::string outputNamePath(std::string_view path) {
    std::string output(readSourceName(path).plainPath);
    if (isCompactRinex(path)) output.back() = output.back() == 'D' ? 'O' : 'o';
    return output;
}

}  // namespace chronoflip
