#include "core/year_week_line.h"

namespace chronoflip {

std::string yearWeekText(std::uint16_t firstYear, const CorrectionPair& pair,
                         std::size_t yearsWidth, std::string_view weekText) {
    std::string text(kYearLabel);
    text += decimal(firstYear);
    text += '-';
    std::string years = decimal(pair.years);
    padTo(years, yearsWidth);
    text += years;
    text += kWeekLabel;
    text += weekText;
    text += '-';
    text += decimal(pair.weeks);
    return text;
}

std::string rinexYearWeekText(std::uint16_t firstYear, std::int32_t gpsWeek,
                              const CorrectionPair& pair) {
    return yearWeekText(firstYear, pair, kRinexYearsWidth,
                        gpsWeek > pair.weeks ? decimal(gpsWeek) : std::string(kFourDigits, ' '));
}

// The line is known by the lead and the word Year; the blank after it is not required.
std::optional<CorrectionPair> readRinexYearWeekLine(std::string_view line) {
    constexpr std::string_view kYearWord = kYearLabel.substr(0, kYearLabel.size() - 1);
    if (!line.starts_with(kRinexCommentLead) ||
        !line.substr(kRinexCommentLead.size()).starts_with(kYearWord)) {
        return std::nullopt;
    }
    return CorrectionPair{static_cast<std::uint16_t>(parseField(line, kRinexYearsField)),
                          static_cast<std::uint16_t>(parseField(line, kRinexWeeksField))};
}

}  // namespace chronoflip
