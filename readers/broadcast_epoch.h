#pragma once

#include <cstdint>
#include <string_view>

namespace chronoflip {

// The epoch RINEX 3 and 4 navigation records write in columns 5-23 of a record's first
// line, after a satellite or four blanks: I4,5(1X,I2.2), year to second, GPS time.
struct BroadcastEpoch {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads the epoch of line into epoch; returns what is wrong with it, empty when nothing is.
// The two-digit fields may be zero- or blank-padded. The date must lie between the start of
// GPS time (1980-01-06) and the end of 2079: a RINEX 2 file writes two-digit years, read
// as 1980-2079.
std::string_view readBroadcastEpoch(std::string_view line, BroadcastEpoch& epoch);

// The GPS week of an epoch read as above and the second of that week.
struct GpsWeekSecond {
    std::int64_t week = 0;
    std::int64_t second = 0;
};
GpsWeekSecond gpsWeekSecond(const BroadcastEpoch& epoch);

}  // namespace chronoflip
