#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace chronoflip {

// How a platform writes full paths: its separator, and how long the name before the first
// separator is ("D:" on Windows, nothing on POSIX, whose paths start at "/").
struct PathStyle {
    char separator;
    std::size_t rootNameLength;
};

inline constexpr PathStyle kWindowsPaths{'\\', 2};
inline constexpr PathStyle kPosixPaths{'/', 0};
#ifdef _WIN32
inline constexpr PathStyle kPlatformPaths = kWindowsPaths;
#else
inline constexpr PathStyle kPlatformPaths = kPosixPaths;
#endif

// Removes characters from the end of path until `count` separators have gone, each with
// the component behind it; stops early when only the root name is left, so "D:" survives.
std::string pathTailStrip(std::string_view path, std::uint8_t count,
                          PathStyle style = kPlatformPaths);

// The folder a project keeps its RINEX files in, with a closing separator.
std::string rinexFolderOf(std::string_view projectFolder, PathStyle style = kPlatformPaths);

// folder + separator + name, without doubling a separator the folder already ends with.
std::string joinPath(std::string_view folder, std::string_view name,
                     PathStyle style = kPlatformPaths);

}  // namespace chronoflip
