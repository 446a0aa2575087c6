#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "readers/compact_rinex_arc.h"
#include "readers/numbered_lines.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// What Compact RINEX 1.0 and 3.0 lines are made of, and how both decoders read and write
// them: counts, character differences, satellite IDs, numbers of fixed fields.

// A count in a fixed field: blanks, then at least one digit up to the field's end.
bool readCount(std::string_view text, std::size_t& count);

std::string_view withoutTrailingBlanks(std::string_view text);

// Applies a text difference in place: a blank keeps the old character, "&" makes a blank,
// anything else replaces it; characters past the old end are appended. text has room for
// the difference's length; size grows with what is appended.
void applyDifference(char* text, std::size_t& size, std::string_view difference);
// The same for a text kept in a string, which grows as needed.
void applyDifference(std::string& text, std::string_view difference);

// The three-character satellite ID starting at start in text as one number, for quick
// comparison; columns past the text's end count as blanks.
std::uint32_t satelliteKey(std::string_view text, std::size_t start);

// The limits of a fixed field (F14.3, F12.9, F15.12) as integers of its last decimal.
struct FixedRange {
    std::int64_t min;
    std::int64_t max;
    bool holds(std::int64_t value) const { return value >= min && value <= max; }
};
inline constexpr FixedRange kObservationRange{-999'999'999'999, 9'999'999'999'999};  // F14.3

// Writes value, an integer of its last decimal, in fixed notation right-justified in width
// columns, without a leading zero: 0 gives ".000", -5 "-.005", 1000 "1.000".
void putFixed(TextBuffer& out, std::int64_t value, int decimals, std::size_t width);

// "n&v" or "v"; fails on lines for anything else.
ArcToken arcToken(std::string_view text, const NumberedLines& lines);

// Reads an epoch's clock line into the clock's arc: an empty line means no clock offset and
// ends the arc (live false), a value must start an arc unless one is running and must fit
// range.
void readClock(std::string_view line, Arc& clock, FixedRange range, const NumberedLines& lines);

// Copies the RINEX header inside the file, from first (the RINEX VERSION / TYPE line the
// caller has checked) to END OF HEADER, each line with its trailing blanks cut. Each line
// is shown to read, with its label, before it is written. Fails for a line longer than 80
// columns and for a file that ends before END OF HEADER.
void copyHeader(NumberedLines& lines, TextBuffer& out, std::string_view first,
                const std::function<void(std::string_view line, std::string_view label)>& read);

}  // namespace chronoflip
