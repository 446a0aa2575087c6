#include "shift/source_name.h"

#include "core/paths.h"

namespace chronoflip {

namespace {

constexpr char kCompactRinexKind = 'd';
constexpr char kObservationKind = 'o';

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
    return kindLetter(readSourceName(path).plainPath) == kCompactRinexKind;
}

char contentKind(std::string_view path) {
    return isCompactRinex(path) ? kObservationKind : kindLetter(readSourceName(path).plainPath);
}

std::string outputNamePath(std::string_view path) {
    std::string output(readSourceName(path).plainPath);
    if (isCompactRinex(path)) output.back() = output.back() == 'D' ? 'O' : 'o';
    return output;
}

}  // namespace chronoflip
