#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/correction_pair.h"
#include "core/text_fields.h"

namespace chronoflip {

// The comment line in which a shifted file records the pair it was shifted by, such as
// ":                  Year 2016-28  Week     -1461           : COMMENT". The date shift
// writes it into the comment block; the report reset reads the pair back from it.

// Where the text of a RINEX comment line starts: a colon and 18 blanks.
inline constexpr std::string_view kRinexCommentLead = ":                  ";
inline constexpr std::string_view kYearLabel = "Year ";
inline constexpr std::string_view kWeekLabel = "Week ";
// The width the RINEX line gives the pair's years.
inline constexpr std::size_t kRinexYearsWidth = 4;

// With a four-digit first year and four-digit weeks the RINEX line holds the pair's
// years in columns 30-31 and its weeks in columns 44-47.
inline constexpr std::size_t kFourDigits = 4;
inline constexpr Columns kRinexYearsField{
    static_cast<int>(kRinexCommentLead.size() + kYearLabel.size() + kFourDigits + 1 + 1), 2};
inline constexpr Columns kRinexWeeksField{
    kRinexYearsField.first +
        static_cast<int>(kRinexYearsWidth + kWeekLabel.size() + kFourDigits + 1),
    4};
static_assert(kRinexYearsField.first == 30 && kRinexWeeksField.first == 44);

// "Year 2016-28  Week     -1461": the first year, the pair's years padded with blanks to
// yearsWidth, then weekText and the pair's weeks.
std::string yearWeekText(std::uint16_t firstYear, const CorrectionPair& pair,
                         std::size_t yearsWidth, std::string_view weekText);

// The text of the RINEX line: the file's GPS week shows only when it is above the pair's
// weeks (observation files have none); four blanks stand in for it otherwise.
std::string rinexYearWeekText(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const CorrectionPair& pair);

// The pair a RINEX year/week line holds, each number cut to 16 bits; nothing for a line
// that is not one.
std::optional<CorrectionPair> readRinexYearWeekLine(std::string_view line);

}  // namespace chronoflip
