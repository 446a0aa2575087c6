#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chronoflip {

// A baseline report as lines of 8-bit text, and whether its last line had a line break.
struct ReportText {
    std::vector<std::string> lines;
    bool endsWithBreak = false;
};

// Splits at CR LF, a lone CR or a lone LF. Every other byte, NUL included, is text.
ReportText splitReport(std::string_view text);

// Every line break written as CR LF; a final one only when the report had one.
std::string joinReport(const ReportText& report);

}  // namespace chronoflip
