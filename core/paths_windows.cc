#include "core/paths.h"

namespace chronoflip {

const PathStyle kPlatformPaths = kWindowsPaths;

std::filesystem::path toNativePath(std::string_view path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string fromNativePath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace chronoflip
