#include "working_folder.h"

#include <filesystem>

#include "folder_listing.h"
#include "native_path.h"

namespace chronoflip {

WorkingFolder WorkingFolder::ofProcess() {
    return WorkingFolder(fromNativePath(std::filesystem::current_path()));
}

const std::string& WorkingFolder::enter(std::string_view folder) {
    path_ = enterableFolder(path_, folder);
    return path_;
}

}  // namespace chronoflip
