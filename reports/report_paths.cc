#include "report_paths.h"

namespace chronoflip {

std::string pathTailStrip(std::string_view path, std::uint8_t count, PathStyle style) {
    int removed = 0;
    while (path.size() > style.rootNameLength) {
        if (path.back() == style.separator) ++removed;
        path.remove_suffix(1);
        if (removed == count) break;
    }
    return std::string(path);
}

std::string rinexFolderOf(std::string_view projectFolder, PathStyle style) {
    std::string folder(projectFolder);
    for (std::string_view part : {"Data Files", "RINEX Files"}) {
        folder += style.separator;
        folder += part;
    }
    folder += style.separator;
    return folder;
}

std::string joinPath(std::string_view folder, std::string_view name, PathStyle style) {
    std::string path(folder);
    if (!path.empty() && path.back() != style.separator) path += style.separator;
    path += name;
    return path;
}

}  // namespace chronoflip
