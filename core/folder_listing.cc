#include "core/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "core/folder_listing_platform.h"
#include "core/paths.h"
#include "core/wildcard_mask.h"

namespace chronoflip {

namespace fs = std::filesystem;

std::vector<std::string> listFolderFiles(const std::string& folder, std::string_view mask) {
    std::error_code error;
    fs::directory_iterator entries(toNativePath(folder), error);
    if (error) throwSystemError(error, folder);
    std::vector<std::string> names;
    for (const fs::directory_iterator end; entries != end; entries.increment(error)) {
        if (error) throwSystemError(error, folder);
        if (!isListedFile(*entries)) continue;
        std::string name = fromNativePath(entries->path().filename());
        if (matchesMask(name, mask)) names.push_back(std::move(name));
    }
    if (error) throwSystemError(error, folder);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

std::string enterableFolder(const std::string& current, std::string_view folder) {
    fs::path full = toNativePath(folder);
    if (full.is_relative()) full = toNativePath(current) / full;
    full = full.lexically_normal();
    if (full.has_relative_path() && !full.has_filename()) full = full.parent_path();
    checkEnterable(full);
    return fromNativePath(full);
}

bool isFolder(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(toNativePath(path), ignored);
}

}  // namespace chronoflip
