#include "core/windows_api.h"
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "core/desktop_open.h"
#include "core/paths.h"

namespace chronoflip {

std::optional<std::string> openWithDesktop(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", toNativePath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return std::nullopt;
    return "the shell answered " + std::to_string(result);
}

}  // namespace chronoflip
