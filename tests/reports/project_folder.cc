#include "project_folder.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "rinex_text.h"

namespace chronoflip::testing {

namespace fs = std::filesystem;

ProjectFolder::ProjectFolder()
    : project_(temp_.file("Survey 2016")),
      reportFolder_((fs::path(project_) / "Reports" / "Baseline").string()),
      rinexFolder_((fs::path(project_) / "Data Files" / "RINEX Files").string()) {
    std::filesystem::create_directories(rinexFolder_);
    temp_.write("Survey 2016/Reports/Baseline/Summary.html", "<html></html>\r\n");
}

std::string ProjectFolder::writeReport(const std::string& name, const std::string& bytes) const {
    return temp_.write("Survey 2016/Reports/Baseline/" + name, bytes);
}

std::string ProjectFolder::writeObservation(const std::string& name,
                                            const std::string& bytes) const {
    return temp_.write("Survey 2016/Data Files/RINEX Files/" + name, bytes);
}

std::string ProjectFolder::report(const std::string& name) const {
    return readBytes((fs::path(reportFolder_) / name).string());
}

const std::string kSeparator(1, static_cast<char>(fs::path::preferred_separator));

std::string inside(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

std::string folderInTheWayMessage() {
#ifdef _WIN32
    constexpr int kAccessDenied = 5;  // ERROR_ACCESS_DENIED
    return std::system_category().message(kAccessDenied);
#else
    return std::system_category().message(EISDIR);
#endif
}

std::vector<std::string> timeBlock(const std::string& label, const std::string& year,
                                   const std::string& week) {
    return {label, "      <table>", yearLine(year), "      <tr>", weekLine(week)};
}

std::vector<std::string> startTime(const std::string& year, const std::string& week) {
    return timeBlock("      <p>Start time</p>", year, week);
}

std::vector<std::string> stopTime(const std::string& year, const std::string& week) {
    return timeBlock("      <p>Stop time </p>", year, week);
}

std::string yearLine(const std::string& year) {
    return "<td>Date:" + year + "-02-17 10:15:30</td>";
}

std::string weekLine(const std::string& week) {
    return "<td>Week:" + week + " 123456.00</td>";
}

std::vector<std::string> reportLines(const std::vector<std::vector<std::string>>& blocks) {
    std::vector<std::string> lines{"<html>", "<head>", "<title>Baseline report</title>", "</head>",
                                   "<body>"};
    for (const auto& block : blocks) lines.insert(lines.end(), block.begin(), block.end());
    lines.insert(lines.end(), {"</body>", "</html>"});
    return lines;
}

std::vector<std::string> markedLines(std::vector<std::string> lines) {
    lines.insert(lines.begin() + 4, "<Chronoflip></Chronoflip>");
    return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& lineBreak,
                   bool finalBreak) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += lineBreak;
        text += lines[i];
    }
    if (finalBreak) text += lineBreak;
    return text;
}

std::string observationWithComments(const std::vector<std::string>& comments) {
    std::vector<std::string> lines{
        kObservationVersion,
        headerLine("  1988     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS")};
    lines.insert(lines.end(), comments.begin(), comments.end());
    lines.push_back(kEndOfHeader);
    lines.push_back(" 88  2 17 10 15 30.0000000  0  1G01");
    return joined(lines, "\r\n");
}

}  // namespace chronoflip::testing
