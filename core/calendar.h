#pragma once

#include <cstdint>

namespace chronoflip {

struct CalendarDate {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
};

// Throws "Invalid argument to date encode" unless year 1-9999, month 1-12 and day
// within that month, leap years counted.
CalendarDate checkedDate(std::uint16_t year, std::uint8_t month, std::uint8_t day);

// Stores a signed result into an unsigned 16-bit year; throws "Range check error"
// when it does not fit.
std::uint16_t toYear(std::int64_t value);

// Signed 32-bit sum or difference; throws "Integer overflow" when it does not fit.
std::int32_t checkedInt32(std::int64_t value);

}  // namespace chronoflip
