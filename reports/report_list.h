#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/working_folder.h"

namespace chronoflip {

inline constexpr std::string_view kReportMask = "B*.html";

// The files of a folder matching a mask, as listed at one moment.
struct FolderListing {
    std::string folder;
    std::string mask;
    std::vector<std::string> names;
};

// The report list of the report window: a folder, a file mask and the matching file names
// of that folder in list order. Window-free; the window shows entries().
class ReportList {
  public:
    // Empty until a folder is set; the window sets the program's working folder at start.
    explicit ReportList(WorkingFolder& workingFolder, std::string_view mask = kReportMask)
        : workingFolder_(workingFolder), mask_(mask) {}

    const std::string& folder() const { return folder_; }
    const std::string& mask() const { return mask_; }
    const std::vector<std::string>& entries() const { return entries_; }

    // A folder other than the list's own is entered (it becomes the working folder) and
    // listed. Throws the input/output error, leaving the list as it was, when it cannot be
    // entered or read.
    void setFolder(std::string_view folder);
    // A mask other than the list's own is taken and the folder listed afresh.
    void setMask(std::string_view mask);
    // Splits text into a folder part and a last part: the folder part (or the working
    // folder when there is none) becomes the list's folder; a last part holding "*" or "?"
    // becomes the mask, one naming a folder is entered. An empty text does nothing.
    void applyPath(std::string_view text);
    // Shows a listing made elsewhere; its folder is entered as setFolder would.
    void showListing(FolderListing listing);

  private:
    void show(std::string folder, std::string mask);

    WorkingFolder& workingFolder_;
    std::string folder_;
    std::string mask_;
    std::vector<std::string> entries_;
};

}  // namespace chronoflip
