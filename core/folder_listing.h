#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chronoflip {

// The names (without folder) of the files in folder that match mask (see matchesMask),
// sorted alphabetically without regard to case. Folders, hidden files (on POSIX: names
// starting with ".") and system files (on POSIX: anything but a regular file) are left
// out. Throws the input/output error when the folder cannot be read.
std::vector<std::string> listFolderFiles(const std::string& folder, std::string_view mask);

// The full path of folder, taken relative to `current` when it is relative, without a
// closing separator (a root keeps its own). Throws the input/output error when it is not
// a folder that can be entered: "File not found" when only its last part is missing,
// "Invalid filename" when a folder above it is missing or is a file.
std::string enterableFolder(const std::string& current, std::string_view folder);

bool isFolder(const std::string& path);

}  // namespace chronoflip
