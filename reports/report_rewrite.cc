#include "reports/report_rewrite.h"

#include <cstdint>
#include <limits>

#include "core/error.h"
#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr Columns kMarkerText{2, 10};
constexpr std::string_view kMarkerName = "Chronoflip";
constexpr std::string_view kStartLabel = "      <p>Start time";
constexpr std::string_view kStopLabel = "      <p>Stop time ";
constexpr std::size_t kYearLineOffset = 2;
constexpr std::size_t kWeekLineOffset = 4;
// The report keeps the time's numbers in columns 10-11 (year) and 10-13 (GPS week).
constexpr Columns kYear{10, 2};
constexpr Columns kWeek{10, 4};

// The field's value cut to 16 bits (so "-5" is 65531) plus the correction, checked.
std::uint32_t movedField(std::string_view line, Columns columns, std::uint16_t correction) {
    const auto value = static_cast<std::uint16_t>(parseField(line, columns));
    const std::uint32_t sum = std::uint32_t{value} + correction;
    if (sum > std::numeric_limits<std::uint16_t>::max()) throw Error(kRangeCheckError);
    return sum;
}

std::string withNumber(std::string_view line, Columns columns, std::string_view number) {
    std::string result(upToColumn(line, columns.first - 1));
    result += number;
    result += fromColumn(line, columns.first + columns.length);
    return result;
}

}  // namespace

bool isMarkedReport(const std::vector<std::string>& lines) {
    return lines.size() >= kMarkerLine && field(lines[kMarkerLine - 1], kMarkerText) == kMarkerName;
}

bool isTimeLabelLine(std::string_view line) {
    const std::string_view label = line.substr(0, kStartLabel.size());
    return label == kStartLabel || label == kStopLabel;
}

std::string rewriteYearLine(std::string_view line, std::uint16_t years) {
    std::uint32_t year = movedField(line, kYear, years);
    if (year > 99) year -= 100;
    // "09", not "9": the report shows a proper year and the line keeps its length.
    std::string text = decimal(year);
    if (text.size() < 2) text.insert(0, 1, '0');
    return withNumber(line, kYear, text);
}

std::string rewriteWeekLine(std::string_view line, std::uint16_t weeks) {
    return withNumber(line, kWeek, decimal(movedField(line, kWeek, weeks)));
}

void resetReportLines(std::vector<std::string>& lines, const CorrectionPair& pair) {
    // Fixed before the scan; a line rewritten earlier is tested again when the scan gets there.
    const std::size_t count = lines.size();
    for (std::size_t n = 0; n < count; ++n) {
        if (!isTimeLabelLine(lines[n])) continue;
        if (n + kYearLineOffset < count) {
            lines[n + kYearLineOffset] = rewriteYearLine(lines[n + kYearLineOffset], pair.years);
        }
        if (n + kWeekLineOffset < count) {
            lines[n + kWeekLineOffset] = rewriteWeekLine(lines[n + kWeekLineOffset], pair.weeks);
        }
    }
    if (lines.size() < kMarkerLine - 1) lines.resize(kMarkerLine - 1);
    lines.insert(lines.begin() + (kMarkerLine - 1), std::string(kReportMarker));
}

}  // namespace chronoflip
