#include "readers/rinex3_header_records.h"

#include <array>

#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr std::array<std::string_view, 14> kKeptLabels{
    "COMMENT",           "PGM / RUN BY / DATE", "MARKER NAME",          "MARKER NUMBER",
    "OBSERVER / AGENCY", "REC # / TYPE / VERS", "ANT # / TYPE",         "APPROX POSITION XYZ",
    "INTERVAL",          "TIME OF FIRST OBS",   "ANTENNA: DELTA H/E/N", "TIME OF LAST OBS",
    "END OF HEADER",     "RCV CLOCK OFFS APPL"};

constexpr Columns kLeapSeconds{1, 6};
constexpr Columns kScaleFactor{3, 4};
constexpr std::size_t kLabelColumn = 60;

}  // namespace

HeaderRecordRule headerRecordRule(std::string_view label) {
    for (const std::string_view kept : kKeptLabels) {
        if (label == kept) return HeaderRecordRule::kKeep;
    }
    if (label == "LEAP SECONDS") return HeaderRecordRule::kLeapSeconds;
    if (label == "SYS / # / OBS TYPES") return HeaderRecordRule::kObsTypes;
    if (label == "SYS / SCALE FACTOR") return HeaderRecordRule::kScaleFactor;
    return HeaderRecordRule::kLeaveOut;
}

void writeLeapSeconds(TextBuffer& out, std::string_view line) {
    out.put(field(line, kLeapSeconds));
    out.padLine(kLabelColumn);
    out.put("LEAP SECONDS");
    out.endLine();
}

bool scaleFactorIsOne(std::string_view line) {
    std::uint64_t factor = 0;
    return readUnsignedField(field(line, kScaleFactor), factor) && factor == 1;
}

}  // namespace chronoflip
