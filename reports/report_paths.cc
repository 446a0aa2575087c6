#include "report_paths.h"

namespace chronoflip {

std::string pathTailStrip(std::string_view path, std::uint8_t count, char separator) {
    int removed = 0;
    while (path.size() >= 3) {
        if (path.back() == separator) ++removed;
        path.remove_suffix(1);
        if (removed == count) break;
    }
    return std::string(path);
}

std::string rinexFolderOf(std::string_view projectFolder, char separator) {
    std::string folder(projectFolder);
    for (std::string_view part : {"Data Files", "RINEX Files"}) {
        folder += separator;
        folder += part;
    }
    folder += separator;
    return folder;
}

std::string joinPath(std::string_view folder, std::string_view name, char separator) {
    std::string path(folder);
    if (!path.empty() && path.back() != separator) path += separator;
    path += name;
    return path;
}

}  // namespace chronoflip
