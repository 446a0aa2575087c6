#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/calendar.h"
#include "core/line_writer.h"
#include "shift/date_corrections.h"

namespace chronoflip {

// ":                  2016   2 17 OLD TIME OF FIRST OBS      : COMMENT" - the date as read.
std::string oldTimeLine(const CalendarDate& date, bool lastObservation);

// The block of COMMENT records written just before END OF HEADER of a shifted RINEX
// file: dashes, stamp, heading, year/week line, the old-time lines given, dashes.
// Navigation files pass no old-time lines.
void writeRinexCommentBlock(LineWriter& out, std::string_view stamp, std::uint16_t firstYear,
                            std::int32_t gpsWeek, const DateCorrections& corrections,
                            std::span<const std::string> oldTimeLines);

// The year/week line alone; the report reset reads YearCorr from its columns 30-31 and
// WeekCorr from columns 44-47.
std::string rinexYearWeekLine(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const DateCorrections& corrections);

}  // namespace chronoflip
