#pragma once

#include <optional>
#include <string>

namespace chronoflip {

// Opens a file with the desktop's program for it (xdg-open; the shell on Windows) and
// waits where the platform lets it. Returns why it could not, or nothing when it did.
std::optional<std::string> openWithDesktop(const std::string& path);

}  // namespace chronoflip
