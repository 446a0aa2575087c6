#include "readers/broadcast_epoch.h"

#include <array>
#include <chrono>

#include "core/text_fields.h"

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

std::chrono::year_month_day dateOf(const BroadcastEpoch& epoch) {
    return {std::chrono::year{epoch.year}, std::chrono::month{static_cast<unsigned>(epoch.month)},
            std::chrono::day{static_cast<unsigned>(epoch.day)}};
}

std::chrono::sys_days dayOf(const BroadcastEpoch& epoch) {
    return std::chrono::sys_days{dateOf(epoch)};
}

}  // namespace

std::string_view readBroadcastEpoch(std::string_view line, BroadcastEpoch& epoch) {
    std::uint64_t year = 0;
    std::array<std::uint64_t, 5> values{};
    bool laidOut = field(line, kYear).size() == 4 && readUnsignedField(field(line, kYear), year);
    for (std::size_t i = 0; laidOut && i < values.size(); ++i) {
        laidOut = field(line, kSeparators[i]) == " " &&
                  field(line, kTwoDigitFields[i]).size() == 2 &&
                  readUnsignedField(field(line, kTwoDigitFields[i]), values[i]);
    }
    if (!laidOut) return "the epoch in columns 5-23 is not laid out as \"yyyy mm dd hh mm ss\"";
    epoch = {static_cast<int>(year),      static_cast<int>(values[0]), static_cast<int>(values[1]),
             static_cast<int>(values[2]), static_cast<int>(values[3]), static_cast<int>(values[4])};
    if (!dateOf(epoch).ok() || epoch.hour > 23 || epoch.minute > 59 || epoch.second > 59) {
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
