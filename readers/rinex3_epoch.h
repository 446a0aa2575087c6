#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "readers/text_buffer.h"

namespace chronoflip {

// An epoch line of a RINEX 3 or 4 observation file, read for its RINEX 2.11 form. The views
// point into the line read.
struct Rinex3Epoch {
    // Year, month, day, hour, minute and second as written; an event's may be blank.
    std::array<std::string_view, 5> date;
    std::string_view second;
    int flag = 0;
    // Satellite lines (flags 0, 1, 6) or event records (flags 2 to 5) that follow.
    std::size_t count = 0;
    // The receiver clock offset rounded to F12.9 and right-aligned; empty when none.
    std::array<char, 12> clock{};
    bool hasClock = false;

    bool isEvent() const { return flag >= 2 && flag <= 5; }
};

// Reads an epoch line ("> 2022 03 04 00 00  0.0000000  0 18 ..."). Returns what is wrong
// with it, or an empty text when it reads.
std::string_view readRinex3Epoch(std::string_view line, Rinex3Epoch& epoch);

// Writes the RINEX 2.11 epoch line: date, flag, count and, after the satellites (3
// characters each, 12 to a line, continued on lines of their own), the clock. An event
// gets no satellites and no clock; its blank date fields stay blank.
void writeRinex2Epoch(TextBuffer& out, const Rinex3Epoch& epoch, std::size_t count,
                      std::string_view satellites);

}  // namespace chronoflip
