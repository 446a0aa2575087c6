#include "core/paths.h"

namespace chronoflip {

const PathStyle kPlatformPaths = kLinuxPaths;

std::filesystem::path toNativePath(std::string_view path) {
    return std::filesystem::path(path);
}

std::string fromNativePath(const std::filesystem::path& path) {
    return path.string();
}

}  // namespace chronoflip
