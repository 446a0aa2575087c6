#include "report_list.h"

#include "folder_listing.h"
#include "paths.h"
#include "report_paths.h"
#include "wildcard_mask.h"

namespace chronoflip {

namespace {

// Windows folder names ignore case; elsewhere two names differing in case are two folders.
bool sameFolderText(std::string_view a, std::string_view b) {
#ifdef _WIN32
    return equalIgnoringCase(a, b);
#else
    return a == b;
#endif
}

bool hasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

}  // namespace

void ReportList::show(std::string folder, std::string mask) {
    entries_ = folder.empty() ? std::vector<std::string>{} : listFolderFiles(folder, mask);
    folder_ = std::move(folder);
    mask_ = std::move(mask);
}

void ReportList::setFolder(std::string_view folder) {
    if (sameFolderText(folder, folder_)) return;
    show(workingFolder_.enter(folder), mask_);
}

void ReportList::setMask(std::string_view mask) {
    if (mask == mask_) return;
    show(folder_, std::string(mask));
}

void ReportList::applyPath(std::string_view text) {
    if (text.empty()) return;
    const std::string_view folderText = folderPart(text);
    const std::string_view last = namePart(text);
    setFolder(folderText.empty() ? std::string(workingFolder_.path()) : std::string(folderText));
    if (hasWildcard(last)) {
        setMask(last);
    } else if (!last.empty() && isFolder(joinPath(folder_, last))) {
        setFolder(last);
    }
}

}  // namespace chronoflip
