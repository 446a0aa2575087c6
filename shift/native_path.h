#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace chronoflip {

// Paths travel through the program as 8-bit text (UTF-8 on Windows).
inline std::filesystem::path toNativePath(std::string_view path) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

inline std::string fromNativePath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

}  // namespace chronoflip
