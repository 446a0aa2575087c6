#include "reports/report_list.h"

#include "core/folder_listing.h"
#include "core/paths.h"
#include "core/wildcard_mask.h"

namespace chronoflip {

namespace {

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
    if (samePathText(folder, folder_)) return;
    show(workingFolder_.enter(folder), mask_);
}

void ReportList::setMask(std::string_view mask) {
    if (mask == mask_) return;
    show(folder_, std::string(mask));
}

void ReportList::showListing(FolderListing listing) {
    workingFolder_.enter(listing.folder);
    folder_ = std::move(listing.folder);
    mask_ = std::move(listing.mask);
    entries_ = std::move(listing.names);
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
