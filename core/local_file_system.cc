#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "core/file_system.h"
#include "core/paths.h"

// The parts of the computer's file system that read the same on every platform; opening,
// creating, renaming and whole-file writes live in the platform's own file.
namespace chronoflip {

bool LocalFileSystem::exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(toNativePath(path), error);
}

std::uint64_t LocalFileSystem::fileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(toNativePath(path), error);
    if (error) throwSystemError(error, path);
    return size;
}

void LocalFileSystem::remove(const std::string& path) {
    std::error_code error;
    const auto file = toNativePath(path);
    // Only files are ever deleted here, never a folder that happens to carry the name.
    if (!std::filesystem::is_regular_file(file, error)) return;
    if (!std::filesystem::remove(file, error) && error) throw Error(error.message(), path, error);
}

bool LocalFileSystem::sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(toNativePath(a), toNativePath(b), error);
}

}  // namespace chronoflip
