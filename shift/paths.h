#pragma once

#include <string>
#include <string_view>

namespace chronoflip {

// Separators of the platform: '/' on POSIX; '\', '/' and the drive colon on Windows.
bool isPathSeparator(char c);

// Everything up to and including the last separator.
std::string_view folderPart(std::string_view path);
// Everything after the last separator.
std::string_view namePart(std::string_view path);

// The letter that tells a source's kind: the path's last character, A-Z lower-cased
// ("3" SP3, "n" navigation, "o" observation); 0 for an empty path.
char kindLetter(std::string_view path);

// The work file beside the source: folder + "e_" + name.
std::string workFilePath(std::string_view sourcePath);
// The extension (from the last "." of the name on) replaced; appended when the name has none.
std::string withExtension(std::string_view path, std::string_view extension);
// The source path with ".bak" appended after its extension.
std::string backupPath(std::string_view sourcePath);

}  // namespace chronoflip
