#include "reports/report_paths.h"

namespace chronoflip {

std::string rinexFolderOf(std::string_view projectFolder, const PathStyle& style) {
    std::string folder(projectFolder);
    for (std::string_view part : {"Data Files", "RINEX Files"}) {
        folder += style.separator;
        folder += part;
    }
    folder += style.separator;
    return folder;
}

}  // namespace chronoflip
