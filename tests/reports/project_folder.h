#pragma once

#include <string>
#include <vector>

#include "temp_folder.h"

namespace chronoflip::testing {

// An office project as the reset expects it: Reports/Baseline with Summary.html beside the
// reports, and Data Files/RINEX Files, in a temporary folder.
class ProjectFolder {
  public:
    ProjectFolder();

    const std::string& project() const { return project_; }
    const std::string& reportFolder() const { return reportFolder_; }
    const std::string& rinexFolder() const { return rinexFolder_; }

    std::string writeReport(const std::string& name, const std::string& bytes) const;
    std::string writeObservation(const std::string& name, const std::string& bytes) const;
    std::string report(const std::string& name) const;

  private:
    TempFolder temp_;
    std::string project_;
    std::string reportFolder_;
    std::string rinexFolder_;
};

// Paths as the reset writes them: with the platform's separator.
extern const std::string kSeparator;
std::string inside(const std::string& folder, const std::string& name);

// What the system says when a folder stands where the reset must write a file.
std::string folderInTheWayMessage();

// Lines as the office software writes a time: the label line, the year two lines below it
// (columns 10-11), the GPS week four lines below it (columns 10-13).
std::vector<std::string> timeBlock(const std::string& label, const std::string& year,
                                   const std::string& week);
std::vector<std::string> startTime(const std::string& year, const std::string& week);
std::vector<std::string> stopTime(const std::string& year, const std::string& week);

// The year and week lines of timeBlock after the reset.
std::string yearLine(const std::string& year);
std::string weekLine(const std::string& week);

// A report: four heading lines, the blocks, the closing lines.
std::vector<std::string> reportLines(const std::vector<std::vector<std::string>>& blocks);
// The same with the marker as line 5, as the reset writes it.
std::vector<std::string> markedLines(std::vector<std::string> lines);

std::string joined(const std::vector<std::string>& lines, const std::string& lineBreak,
                   bool finalBreak = true);

// A shifted observation file's header holding the given comment lines before its end.
std::string observationWithComments(const std::vector<std::string>& comments);

}  // namespace chronoflip::testing
