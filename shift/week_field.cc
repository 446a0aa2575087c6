#include "shift/week_field.h"

#include <charconv>
#include <optional>

#include "core/text_fields.h"

namespace chronoflip {

namespace {

// Third D19.12 field of BROADCAST ORBIT 5: sign blank in column 42, mantissa in 43-48,
// more mantissa digits up to column 56, "D", exponent sign in 58 and digits in 59-60.
constexpr Columns kMantissa{43, 6};
constexpr Columns kExponent{59, 2};
constexpr int kKeepBefore = 42;
constexpr int kKeepFrom = 49;
constexpr int kKeepTo = 79;

// Blanks, an optional sign, digits with an optional point (".1886" included), and
// nothing after them; anything else is no number.
std::optional<float> parseMantissa(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    float value = 0;
    // from_chars ignores the process locale, which a desktop program may have switched.
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return negative ? -value : value;
}

std::optional<int> parseExponent(std::string_view line) {
    const std::string_view text = field(line, kExponent);
    if (text.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
    return static_cast<std::uint8_t>(parseInt(text));
}

}  // namespace

std::string shiftedWeekMantissa(std::string_view line, std::uint16_t weekCorr) {
    const std::optional<float> mantissa = parseMantissa(field(line, kMantissa));
    const std::optional<int> exponent = parseExponent(line);
    if (!mantissa || !exponent) return {};
    long double scale = 1;
    for (int i = 0; i < *exponent; ++i) scale *= 10;
    const auto shifted = static_cast<float>(static_cast<long double>(*mantissa) - weekCorr / scale);
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, shifted, std::chars_format::fixed, 4);
    (void)error;  // |shifted| stays below 10^7, far inside the buffer
    std::string text(buffer, end);
    // The week 1461 itself leaves a tiny negative rest; "-0.0000" would push the rest of
    // the line one column right.
    if (text == "-0.0000") text.erase(0, 1);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    // Files written without leading zeros keep that style: " .0425", not "0.0425". A week
    // below the shift keeps its sign in that style too ("-.0440"), instead of losing it to
    // the blank and reading as a valid week.
    if (!(shifted >= 1.0f) && field(line, {43, 1}) == " ") {
        if (text[0] == '-') {
            text.erase(1, 1);
        } else {
            text.resize(6);
            text[0] = ' ';
        }
    }
    return text;
}

void writeShiftedWeekLine(LineWriter& out, std::string_view line, std::uint16_t weekCorr) {
    const std::string mantissa = shiftedWeekMantissa(line, weekCorr);
    if (mantissa.empty()) {
        out.line(line);
        return;
    }
    out.put(upToColumn(line, kKeepBefore));
    out.put(mantissa);
    out.put(field(line, {kKeepFrom, kKeepTo - kKeepFrom + 1}));
    out.endLine();
}

}  // namespace chronoflip
