#include <filesystem>
#include <system_error>

#include "core/file_system.h"
#include "core/paths.h"

// The parts of the computer's file system that read the same on every platform; opening,
// creating and renaming live in the platform's own file.
namespace chronoflip {

bool LocalFileSystem::exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(toNativePath(path), error);
}

bool LocalFileSystem::remove(const std::string& path) {
    std::error_code error;
    const auto p = toNativePath(path);
    // Only files are ever deleted here, never a folder that happens to carry the name.
    return std::filesystem::is_regular_file(p, error) && std::filesystem::remove(p, error);
}

bool LocalFileSystem::sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(toNativePath(a), toNativePath(b), error);
}

}  // namespace chronoflip
