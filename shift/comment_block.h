#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/calendar.h"
#include "core/correction_pair.h"
#include "core/line_writer.h"
#include "core/year_week_line.h"

namespace chronoflip {

// How a format writes the comment lines of the block a shifted file gets: each line's
// text follows the lead, padded with blanks to textWidth characters (never cut), then the
// end; dashes open and close the block.
struct CommentStyle {
    std::string_view lead;
    std::size_t textWidth;
    std::string_view end;
    std::string_view dashes;
};

// RINEX COMMENT records, ": COMMENT" in columns 59-67.
inline constexpr CommentStyle kRinexComments{
    kRinexCommentLead, 58, ": COMMENT",
    "----------------------------------------------------------- COMMENT"};
// SP3 "/*" comment lines, ":" in column 60.
inline constexpr CommentStyle kSp3Comments{
    "/*                 ", 59, ":", "/*----------------------------------------------------------"};

// lead + text, padded, + end.
std::string commentLine(const CommentStyle& style, std::string_view text);

// The block: dashes, the stamp, the heading, the year/week line, any further lines given
// (the old times of an observation file), dashes.
void writeCommentBlock(LineWriter& out, const CommentStyle& style, std::string_view stamp,
                       std::string_view yearWeekLine, std::span<const std::string> moreLines = {});

// The RINEX block's year/week line, whose pair the report reset reads back.
std::string rinexYearWeekLine(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const CorrectionPair& pair);

// ":                  2016   2 17 OLD TIME OF FIRST OBS      : COMMENT" - the date as read.
std::string oldTimeLine(const CalendarDate& date, bool lastObservation);

// RINEX header labels both RINEX rewriters act on.
inline constexpr std::string_view kEndOfHeaderLabel = "END OF HEADER";
inline constexpr std::string_view kLeapSecondsLabel = "LEAP SECONDS";

// A LEAP SECONDS record written as a COMMENT record: its first 60 columns, then
// "COMMENT". Older office software warns about the leap seconds of a shifted file.
void writeLeapSecondsComment(LineWriter& out, std::string_view line);

}  // namespace chronoflip
