#include "shift/rinex_comment_block.h"

#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr std::string_view kDashes =
    "----------------------------------------------------------- COMMENT";
constexpr std::string_view kLead = ":                  ";  // a colon and 18 blanks
constexpr std::string_view kHeading =
    ":                  DateTime   stamp   modified            : COMMENT";
constexpr std::size_t kTextWidth = 58;  // ": COMMENT" follows in columns 59-67

std::string commentLine(std::string text) {
    padTo(text, kTextWidth);
    text += ": COMMENT";
    return text;
}

// Month and day take three columns each while they have one or two digits.
void appendDayPart(std::string& text, std::uint8_t value) {
    text += value <= 9 ? "  " : " ";
    text += decimal(value);
}

}  // namespace

std::string oldTimeLine(const CalendarDate& date, bool lastObservation) {
    std::string text(kLead);
    text += decimal(date.year);
    text += ' ';
    appendDayPart(text, date.month);
    appendDayPart(text, date.day);
    text += lastObservation ? " OLD TIME OF LAST  OBS" : " OLD TIME OF FIRST OBS";
    text += "      : COMMENT";
    return text;
}

std::string rinexYearWeekLine(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const DateCorrections& corrections) {
    std::string text(kLead);
    text += "Year ";
    text += decimal(firstYear);
    text += '-';
    std::string yearCorr = decimal(corrections.YearCorr);
    padTo(yearCorr, 4);
    text += yearCorr;
    text += "Week ";
    text += gpsWeek > corrections.WeekCorr ? decimal(gpsWeek) : "    ";
    text += '-';
    text += decimal(corrections.WeekCorr);
    return commentLine(std::move(text));
}

void writeRinexCommentBlock(LineWriter& out, std::string_view stamp, std::uint16_t firstYear,
                            std::int32_t gpsWeek, const DateCorrections& corrections,
                            std::span<const std::string> oldTimeLines) {
    out.line(kDashes);
    out.line(commentLine(std::string(kLead) + std::string(stamp)));
    out.line(kHeading);
    out.line(rinexYearWeekLine(firstYear, gpsWeek, corrections));
    for (const std::string& line : oldTimeLines) out.line(line);
    out.line(kDashes);
}

}  // namespace chronoflip
