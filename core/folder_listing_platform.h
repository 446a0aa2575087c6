#pragma once

#include <filesystem>

// What the folder listing asks of the platform's own file; not for use outside core/.
namespace chronoflip {

// A file the listing shows: a regular file, neither hidden nor a system file.
bool isListedFile(const std::filesystem::directory_entry& entry);

// Throws the input/output error when folder cannot be entered.
void checkEnterable(const std::filesystem::path& folder);

}  // namespace chronoflip
