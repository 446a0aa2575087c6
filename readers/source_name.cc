#include "readers/source_name.h"

#include "core/error.h"
#include "core/paths.h"
#include "readers/long_name.h"

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

std::optional<LongName> longNameOf(std::string_view path) {
    return readLongName(namePart(readSourceName(path).plainPath));
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
    if (const std::optional<LongName> name = longNameOf(path)) return name->compact;
    return kindLetter(readSourceName(path).plainPath) == kCompactRinexLetter;
}

std::optional<FileKind> fileKind(std::string_view path) {
    const std::string_view plainName = namePart(readSourceName(path).plainPath);
    if (hasLongNameFormat(plainName)) {
        const std::optional<LongName> name = readLongName(plainName);
        if (!name) return std::nullopt;
        return name->content == 'N' ? FileKind::kNavigation : FileKind::kObservation;
    }
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
    const std::string_view plainPath = readSourceName(path).plainPath;
    if (hasLongNameFormat(namePart(plainPath))) {
        const std::optional<LongName> name = readLongName(namePart(plainPath));
        if (!name) throw Error(std::string(kNameNotTaken), std::string(path));
        return std::string(folderPart(plainPath)) + shortName(*name);
    }
    std::string output(plainPath);
    if (isCompactRinex(path)) output.back() = output.back() == 'D' ? 'O' : 'o';
    return output;
}

}  // namespace chronoflip
