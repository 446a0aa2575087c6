#pragma once

#include <string>
#include <string_view>

namespace chronoflip {

// How a source's bytes are wrapped, as the end of its name says: ".gz" gzip, ".Z" Unix
// compress (either in any case).
enum class Compression { kNone, kGzip, kUnixCompress };

// A source path read for what it holds: "abcd0480.16d.Z" is Unix-compressed text whose
// plain name is "abcd0480.16d", Compact RINEX by its kind letter d.
struct SourceName {
    Compression compression = Compression::kNone;
    std::string_view plainPath;  // the path without its compression suffix
};

SourceName readSourceName(std::string_view path);

// The plain name's kind letter is d (D): Compact RINEX, read as observation text.
bool isCompactRinex(std::string_view path);

// The kind letter of the text a source holds once decoded: the plain name's last
// character, A-Z lower-cased, with Compact RINEX's d read as o.
char contentKind(std::string_view path);

// The path the shifted copy is named from: the plain path, a Compact RINEX d (D) made o
// (O). For a plain source it is the source's own path.
std::string outputNamePath(std::string_view path);

}  // namespace chronoflip
