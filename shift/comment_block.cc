#include "shift/comment_block.h"

#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr std::string_view kHeading = "DateTime   stamp   modified";
// Six blanks keep the old-time lines' COMMENT in place for a four-digit year.
constexpr std::string_view kOldTimeGap = "      ";
// The record label field begins in column 61.
constexpr std::size_t kLabelStart = 60;

// Month and day take three columns each while they have one or two digits.
void appendDayPart(std::string& text, std::uint8_t value) {
    text += value <= 9 ? "  " : " ";
    text += decimal(value);
}

}  // namespace

std::string commentLine(const CommentStyle& style, std::string_view text) {
    std::string line(style.lead);
    line += text;
    padTo(line, style.textWidth);
    line += style.end;
    return line;
}

void writeCommentBlock(LineWriter& out, const CommentStyle& style, std::string_view stamp,
                       std::string_view yearWeekLine, std::span<const std::string> moreLines) {
    out.line(style.dashes);
    out.line(commentLine(style, stamp));
    out.line(commentLine(style, kHeading));
    out.line(yearWeekLine);
    for (const std::string& line : moreLines) out.line(line);
    out.line(style.dashes);
}

std::string rinexYearWeekLine(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const CorrectionPair& pair) {
    return commentLine(kRinexComments, rinexYearWeekText(firstYear, gpsWeek, pair));
}

std::string oldTimeLine(const CalendarDate& date, bool lastObservation) {
    std::string text(kRinexComments.lead);
    text += decimal(date.year);
    text += ' ';
    appendDayPart(text, date.month);
    appendDayPart(text, date.day);
    text += lastObservation ? " OLD TIME OF LAST  OBS" : " OLD TIME OF FIRST OBS";
    text += kOldTimeGap;
    text += kRinexComments.end;
    return text;
}

void writeLeapSecondsComment(LineWriter& out, std::string_view line) {
    out.put(line.substr(0, kLabelStart));
    out.line("COMMENT");
}

}  // namespace chronoflip
