#include "reports/report_text.h"

namespace chronoflip {

ReportText splitReport(std::string_view text) {
    ReportText report;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            report.lines.emplace_back(text);
            return report;
        }
        report.lines.emplace_back(text.substr(0, end));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    report.endsWithBreak = !report.lines.empty();
    return report;
}

std::string joinReport(const ReportText& report) {
    std::size_t size = 0;
    for (const std::string& line : report.lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += report.lines[i];
    }
    if (report.endsWithBreak && !report.lines.empty()) text += "\r\n";
    return text;
}

}  // namespace chronoflip
