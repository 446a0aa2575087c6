#include "readers/broadcast_epoch.h"

#include <array>
#include <chrono>
#include <optional>

#include "core/text_fields.h"
#include "readers/number_text.h"

namespace chronoflip {

namespace {

// I4 year, then month, day, hour, minute and second as 1X,I2.2 each.
constexpr Columns kYear{5, 4};
constexpr std::array<Columns, 5> kTwoDigitFields{{{10, 2}, {13, 2}, {16, 2}, {19, 2}, {22, 2}}};
// The blank before each two-digit field.
constexpr std::array<Columns, 5> kSeparators{{{9, 1}, {12, 1}, {15, 1}, {18, 1}, {21, 1}}};
constexpr int kLastYear = 2079;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysPerWeek = 7;

constexpr std::chrono::sys_days kGpsStart{std::chrono::year{1980} / std::chrono::January / 6};

std::chrono::sys_days dayOf(const BroadcastEpoch& epoch) {
    return std::chrono::sys_days{std::chrono::year{epoch.year} /
                                 std::chrono::month{static_cast<unsigned>(epoch.month)} /
                                 std::chrono::day{static_cast<unsigned>(epoch.day)}};
}

}  // namespace

std::string_view readBroadcastEpoch(std::string_view line, BroadcastEpoch& epoch) {
    const std::optional<std::int64_t> year = readInteger(field(line, kYear));
    std::array<std::int64_t, 5> values{};
    bool laidOut = year && field(line, kYear).size() == 4;
    for (std::size_t i = 0; laidOut && i < values.size(); ++i) {
        const std::optional<std::int64_t> value = readInteger(field(line, kTwoDigitFields[i]));
        laidOut = value && field(line, kSeparators[i]) == " " &&
                  field(line, kTwoDigitFields[i]).size() == 2;
        if (value) values[i] = *value;
    }
    if (!laidOut) return "the epoch in columns 5-23 is not laid out as \"yyyy mm dd hh mm ss\"";
    epoch = {static_cast<int>(*year),     static_cast<int>(values[0]), static_cast<int>(values[1]),
             static_cast<int>(values[2]), static_cast<int>(values[3]), static_cast<int>(values[4])};
    const std::chrono::year_month_day date{std::chrono::year{epoch.year},
                                           std::chrono::month{static_cast<unsigned>(values[0])},
                                           std::chrono::day{static_cast<unsigned>(values[1])}};
    if (!date.ok() || values[0] < 1 || values[1] < 1 || values[2] > 23 || values[3] > 59 ||
        values[4] > 59 || values[2] < 0 || values[3] < 0 || values[4] < 0) {
        return "the epoch's date or time does not exist";
    }
    if (dayOf(epoch) < kGpsStart || epoch.year > kLastYear) {
        return "the epoch lies outside 1980-01-06 to 2079, the dates a RINEX 2 GPS navigation "
               "file can hold";
    }
    return {};
}

GpsWeekSecond gpsWeekSecond(const BroadcastEpoch& epoch) {
    const std::int64_t days = (dayOf(epoch) - kGpsStart).count();
    return {days / kDaysPerWeek, days % kDaysPerWeek * kSecondsPerDay + epoch.hour * 3600 +
                                     epoch.minute * 60 + epoch.second};
}

}  // namespace chronoflip
