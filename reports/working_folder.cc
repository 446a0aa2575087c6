#include "reports/working_folder.h"

#include <filesystem>

#include "core/folder_listing.h"
#include "core/paths.h"

namespace chronoflip {

WorkingFolder WorkingFolder::ofProcess() {
    return WorkingFolder(fromNativePath(std::filesystem::current_path()));
}

const std::string& WorkingFolder::enter(std::string_view folder) {
    path_ = enterableFolder(path_, folder);
    return path_;
}

}  // namespace chronoflip
