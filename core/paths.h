#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace chronoflip {

// How a platform writes paths: the separator it writes, the characters that end a folder
// part (Windows also takes '/' and the drive colon), how long the name before the first
// separator is ("D:" on Windows, nothing on Linux, whose paths start at "/"), and whether
// names differing only in case are one name.
struct PathStyle {
    char separator;
    std::string_view folderEnds;
    std::size_t rootNameLength;
    bool ignoresCase;
};

inline constexpr PathStyle kWindowsPaths{'\\', "\\/:", 2, true};
inline constexpr PathStyle kLinuxPaths{'/', "/", 0, false};
// The style of the platform the program runs on.
extern const PathStyle kPlatformPaths;

bool isPathSeparator(char c, const PathStyle& style = kPlatformPaths);

// Everything up to and including the last separator.
std::string_view folderPart(std::string_view path, const PathStyle& style = kPlatformPaths);
// Everything after the last separator.
std::string_view namePart(std::string_view path, const PathStyle& style = kPlatformPaths);

// The letter that tells a source's kind: the path's last character, A-Z lower-cased
// ("3" SP3, "n" navigation, "o" observation); 0 for an empty path.
char kindLetter(std::string_view path);

// The work file beside the source: folder + "e_" + name.
std::string workFilePath(std::string_view sourcePath);
// The extension (from the last "." of the name on) replaced; appended when the name has none.
std::string withExtension(std::string_view path, std::string_view extension);
// The source path with ".bak" appended after its extension.
std::string backupPath(std::string_view sourcePath);

// Removes characters from the end of path until `count` separators have gone, each with
// the component behind it; stops early when only the root name is left, so "D:" survives.
std::string pathTailStrip(std::string_view path, std::uint8_t count,
                          const PathStyle& style = kPlatformPaths);

// folder + separator + name, without doubling a separator the folder already ends with.
std::string joinPath(std::string_view folder, std::string_view name,
                     const PathStyle& style = kPlatformPaths);

// True when the two texts name the same folder as the platform reads names.
bool samePathText(std::string_view a, std::string_view b, const PathStyle& style = kPlatformPaths);

// Paths travel through the program as 8-bit text, UTF-8 on Windows; these convert to and
// from the standard library's path of the platform.
std::filesystem::path toNativePath(std::string_view path);
std::string fromNativePath(const std::filesystem::path& path);

}  // namespace chronoflip
