#include "readers/rinex3_epoch.h"

#include <algorithm>

#include "core/text_fields.h"

namespace chronoflip {

namespace {

// RINEX 3/4 epoch line: ">" in column 1, then I4 and 4(1X,I2.2) date fields, F11.7
// seconds, 2X, the flag, I3 count, 6X, F15.12 clock offset, 1X, and RINEX 4.02's I5 of
// picoseconds.
constexpr std::array<Columns, 5> kDateFields{{{3, 4}, {8, 2}, {11, 2}, {14, 2}, {17, 2}}};
constexpr std::array<std::size_t, 5> kDateSeparators{1, 6, 9, 12, 15};  // 0-based blanks
constexpr Columns kSecond{19, 11};
constexpr std::size_t kSecondPoint = 3;  // F11.7: the point is the field's fourth character
constexpr Columns kGapBeforeFlag{30, 2};
constexpr std::size_t kFlagIndex = 31;
constexpr Columns kCount{33, 3};
constexpr Columns kGapBeforeClock{36, 6};
constexpr Columns kClock{42, 15};
constexpr Columns kPicoseconds{58, 5};
constexpr std::size_t kShortest = 35;
constexpr std::size_t kLongest = 62;

// RINEX 2.11 epoch line: 1X,I2.2 year, 4(1X,I2), F11.7 second, 2X, I1 flag, I3 count,
// 12(A1,I2) satellites, F12.9 clock offset in columns 69-80.
constexpr std::size_t kSatellitesPerLine = 12;
constexpr std::size_t kSatelliteWidth = 3;
constexpr std::size_t kClockColumn = 68;  // the clock follows column 68
constexpr std::string_view kContinuation = "                                ";
constexpr int kClockDecimals = 9;

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// F11.7: digits (or a blank-padded integer part), the point in its fourth place, seven
// decimals.
bool isSecond(std::string_view text) {
    if (text.size() != 11 || text[kSecondPoint] != '.') return false;
    if (!std::all_of(text.begin() + kSecondPoint + 1, text.end(), isDigit)) return false;
    std::uint64_t unused = 0;
    return readUnsignedField(text.substr(0, kSecondPoint), unused);
}

// Rounds the clock offset's text to nine decimals, half away from zero, on the digits
// themselves so no binary fraction creeps in; integer digits stay as written, so
// ".000000000000" gives ".000000000". False when the text is no decimal number or the
// result does not fit F12.9.
bool roundClock(std::string_view text, Rinex3Epoch& epoch) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point + 1 == text.size()) return false;
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = text.substr(point + 1);
    if (!std::all_of(whole.begin(), whole.end(), isDigit) ||
        !std::all_of(decimals.begin(), decimals.end(), isDigit)) {
        return false;
    }
    // Digits of the result, most significant first, with room for a carry in front.
    std::array<char, 40> digits{};
    if (whole.size() + kClockDecimals + 1 > digits.size()) return false;
    std::size_t size = 0;
    digits[size++] = '0';
    for (const char c : whole) digits[size++] = c;
    for (int i = 0; i < kClockDecimals; ++i) {
        digits[size++] = static_cast<std::size_t>(i) < decimals.size() ? decimals[i] : '0';
    }
    if (decimals.size() > kClockDecimals && decimals[kClockDecimals] >= '5') {
        std::size_t i = size;
        while (digits[--i] == '9') digits[i] = '0';
        ++digits[i];
    }
    // The carry digit stays only when the rounding reached it.
    const std::size_t start = digits[0] == '0' ? 1 : 0;
    const std::size_t integerDigits = size - kClockDecimals - start;
    const std::size_t length = (negative ? 1 : 0) + integerDigits + 1 + kClockDecimals;
    if (length > epoch.clock.size()) return false;
    char* out = epoch.clock.data();
    std::fill(epoch.clock.begin(), epoch.clock.end(), ' ');
    out += epoch.clock.size() - length;
    if (negative) *out++ = '-';
    out = std::copy(digits.begin() + static_cast<std::ptrdiff_t>(start),
                    digits.begin() + static_cast<std::ptrdiff_t>(size - kClockDecimals), out);
    *out++ = '.';
    std::copy(digits.begin() + static_cast<std::ptrdiff_t>(size - kClockDecimals),
              digits.begin() + static_cast<std::ptrdiff_t>(size), out);
    epoch.hasClock = true;
    return true;
}

// value's last width digits, blank-padded or zero-padded.
void putNumber(TextBuffer& out, std::uint64_t value, std::size_t width, bool zeroPadded) {
    char* digits = out.reserve(width);
    for (std::size_t i = width; i-- > 0; value /= 10) {
        const bool shown = value != 0 || i + 1 == width || zeroPadded;
        digits[i] = shown ? static_cast<char>('0' + value % 10) : ' ';
    }
    out.commit(width);
}

// A date field as written, or blanks for an event's blank field.
void putDateField(TextBuffer& out, std::string_view text, std::size_t width, bool zeroPadded) {
    std::uint64_t value = 0;
    if (readUnsignedField(text, value)) {
        putNumber(out, value, width, zeroPadded);
    } else {
        out.putBlanks(width);
    }
}

}  // namespace

std::string_view readRinex3Epoch(std::string_view line, Rinex3Epoch& epoch) {
    line = line.substr(0, line.find_last_not_of(' ') + 1);
    if (line.size() < kShortest) return "epoch line shorter than 35 columns";
    if (line.size() > kLongest) return "epoch line longer than 62 columns";
    if (!isBlank(field(line, kGapBeforeFlag)) || !isBlank(field(line, kGapBeforeClock)))
        return "epoch line misaligned: columns 30-31 and 36-41 must be blank";
    for (const std::size_t separator : kDateSeparators) {
        if (line[separator] != ' ') return "epoch line misaligned: its date fields run together";
    }
    const char flag = line[kFlagIndex];
    if (flag < '0' || flag > '6') return "epoch flag in column 32 is not 0 to 6";
    epoch.flag = flag - '0';
    std::uint64_t count = 0;
    if (!readUnsignedField(field(line, kCount), count))
        return "the number of satellites or records in columns 33-35 is no number";
    epoch.count = count;
    for (std::size_t i = 0; i < kDateFields.size(); ++i) {
        epoch.date[i] = field(line, kDateFields[i]);
        std::uint64_t unused = 0;
        const bool given = readUnsignedField(epoch.date[i], unused);
        if (!given && !(epoch.isEvent() && isBlank(epoch.date[i])))
            return "epoch date field is no number";
    }
    epoch.second = field(line, kSecond);
    if (!isSecond(epoch.second) && !(epoch.isEvent() && isBlank(epoch.second)))
        return "epoch second is not F11.7";
    if (!isBlank(field(line, kPicoseconds)))
        return "picoseconds in columns 58-62, which RINEX 2.11 cannot hold";
    epoch.hasClock = false;
    const std::string_view clock = trimmed(field(line, kClock));
    if (!clock.empty() && !roundClock(clock, epoch))
        return "receiver clock offset is no number that fits F12.9";
    return {};
}

void writeRinex2Epoch(TextBuffer& out, const Rinex3Epoch& epoch, std::size_t count,
                      std::string_view satellites) {
    out.put(' ');
    // The year's last two digits: the year modulo 100.
    putDateField(out, epoch.date[0], 2, true);
    for (std::size_t i = 1; i < epoch.date.size(); ++i) {
        out.put(' ');
        putDateField(out, epoch.date[i], 2, false);
    }
    out.put(epoch.second);
    out.putBlanks(2);
    out.put(static_cast<char>('0' + epoch.flag));
    putNumber(out, count, 3, false);
    const std::size_t firstLine = kSatellitesPerLine * kSatelliteWidth;
    out.put(satellites.substr(0, firstLine));
    if (epoch.hasClock && !epoch.isEvent()) {
        out.padLine(kClockColumn);
        out.put({epoch.clock.data(), epoch.clock.size()});
    }
    out.endLine();
    for (std::size_t next = firstLine; next < satellites.size(); next += firstLine) {
        out.put(kContinuation);
        out.put(satellites.substr(next, firstLine));
        out.endLine();
    }
}

}  // namespace chronoflip
