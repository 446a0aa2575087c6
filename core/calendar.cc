#include "core/calendar.h"

#include <chrono>
#include <limits>

#include "core/error.h"

namespace chronoflip {

CalendarDate checkedDate(std::uint16_t year, std::uint8_t month, std::uint8_t day) {
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (year < 1 || year > 9999 || !date.ok()) throw Error(kInvalidDate);
    return {year, month, day};
}

std::uint16_t toYear(std::int64_t value) {
    if (value < 0 || value > std::numeric_limits<std::uint16_t>::max()) {
        throw Error(kRangeCheckError);
    }
    return static_cast<std::uint16_t>(value);
}

std::int32_t checkedInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw Error(kIntegerOverflow);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace chronoflip
