#pragma once

#include <optional>
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

// The plain name's kind letter is d (D), or a long name ends ".crx": Compact RINEX, read as
// observation text.
bool isCompactRinex(std::string_view path);

// The kinds of text the date shift rewrites.
enum class FileKind { kObservation, kNavigation, kSp3 };

// The kind of the text a source holds once decoded, by its plain name's last character in
// either case: o observation (and Compact RINEX's d), n navigation, 3 SP3 (".sp3"); by the
// content letter of a RINEX 3 long name (..._MO.crx, ..._MN.rnx); none for any other.
std::optional<FileKind> fileKind(std::string_view path);

// The letter a year-bearing extension ends with: o, n or 3.
char kindLetter(FileKind kind);

// The path the shifted copy is named from, in the source's folder: for a short name the
// plain path, a Compact RINEX d (D) made o (O), so a plain source's own path; for a RINEX 3
// long name the RINEX 2 short name of the same data ("acor3550.21o"). A ".rnx" or ".crx"
// name not in the long form throws kNameNotTaken: no name is ever invented.
std::string outputNamePath(std::string_view path);

inline constexpr std::string_view kNameNotTaken =
    "not a name Chronoflip takes: RINEX 3 files are taken under their long names "
    "(SSSSMRCCC_S_YYYYDDDHHMM_PPP_FFU_MO.rnx or .crx, navigation "
    "SSSSMRCCC_S_YYYYDDDHHMM_PPP_MN.rnx, each also with .gz or .Z) or under short names "
    "(ssssdddf.yyo, .yyd, .yyn)";

}  // namespace chronoflip
