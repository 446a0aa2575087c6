#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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

// A fixed-point field (F14.3, F12.9, F15.12): its decimals, its width and the values it
// holds, as integers of its last decimal.
struct FixedField {
    int decimals;
    std::size_t width;
    std::int64_t min;
    std::int64_t max;
    bool holds(std::int64_t value) const { return value >= min && value <= max; }
};
inline constexpr FixedField kObservationField{3, 14, -999'999'999'999, 9'999'999'999'999};

// Writes value, which field holds, right-justified over field.width characters at text,
// without a leading zero: 0 gives ".000", -5 "-.005", 1000 "1.000".
inline void writeFixed(char* text, std::int64_t value, const FixedField& field) {
    // Inline, so that the observations' constant field turns the divisions by powers of ten
    // into multiplications. Digits go from the last, two at a time, the fraction's and the
    // whole number's apart; a whole number that fits 32 bits (nearly all) in 32-bit steps.
    static constexpr char kPairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
        "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
        "888990919293949596979899";
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::uint64_t unit = 1;  // of the whole number, in units of the last decimal
    for (int i = 0; i < field.decimals; ++i) unit *= 10;
    const std::uint64_t whole = magnitude / unit;
    std::uint64_t fraction = magnitude % unit;
    std::memset(text, ' ', field.width);  // of a constant size where inlined: no call
    char* p = text + field.width;
    const auto putPair = [&p](auto pair) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * pair, 2);
    };
    int decimals = field.decimals;
    for (; decimals >= 2; decimals -= 2, fraction /= 100) putPair(fraction % 100);
    if (decimals == 1) *--p = static_cast<char>('0' + fraction);
    *--p = '.';
    // The whole number: no digit at all below 1.
    const auto putWhole = [&](auto number) {
        for (; number >= 10; number /= 100) putPair(number % 100);
        if (number != 0) *--p = static_cast<char>('0' + number);
    };
    if (whole <= UINT32_MAX)
        putWhole(static_cast<std::uint32_t>(whole));
    else
        putWhole(whole);
    if (value < 0) *--p = '-';
}
inline void putFixed(TextBuffer& out, std::int64_t value, const FixedField& field) {
    writeFixed(out.reserve(field.width), value, field);
    out.commit(field.width);
}

// Fails on lines for a number that is no "n&v" or "v".
[[noreturn]] void failMalformed(std::string_view text, const NumberedLines& lines);

// Reads an epoch's clock line into the clock's arc: an empty line means no clock offset and
// ends the arc (live false), a value must start an arc unless one is running and must fit
// field.
void readClock(std::string_view line, Arc& clock, const FixedField& field,
               const NumberedLines& lines);

// Copies the RINEX header inside the file, from first (the RINEX VERSION / TYPE line the
// caller has checked) to END OF HEADER, each line with its trailing blanks cut. Each line
// is shown to read, with its label, before it is written. Fails for a line longer than 80
// columns and for a file that ends before END OF HEADER.
void copyHeader(NumberedLines& lines, TextBuffer& out, std::string_view first,
                const std::function<void(std::string_view line, std::string_view label)>& read);

}  // namespace chronoflip
