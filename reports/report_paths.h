#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chronoflip {

// The separator the platform writes between folders.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// Removes characters from the end of path until `count` separators have gone, each with
// the component behind it; stops early when fewer than three characters are left, so a
// drive ("D:") survives.
std::string pathTailStrip(std::string_view path, std::uint8_t count,
                          char separator = kFolderSeparator);

// The folder a project keeps its RINEX files in, with a closing separator.
std::string rinexFolderOf(std::string_view projectFolder, char separator = kFolderSeparator);

// folder + separator + name, without doubling a separator the folder already ends with.
std::string joinPath(std::string_view folder, std::string_view name,
                     char separator = kFolderSeparator);

}  // namespace chronoflip
