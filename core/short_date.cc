#include "core/short_date.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <type_traits>

namespace chronoflip {

namespace {

// The stamp's line of the RINEX comment block leaves this many columns for the date
// (the SP3 block one more); a longer date would push the line's label out of place.
constexpr std::size_t kLongestDateText = 22;

// The zero of every run of ten decimal digits in the Basic Multilingual Plane besides
// ASCII's (Unicode category Nd): Arabic-Indic, Persian, Devanagari, Thai, fullwidth ...
constexpr std::array<char32_t, 36> kDigitZeros = {
    0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6, 0x0C66, 0x0CE6, 0x0D66,
    0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90,
    0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10};

struct Range {
    char32_t first;
    char32_t last;
};

bool inAny(char32_t c, std::initializer_list<Range> ranges) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

// Format characters that take no room: soft hyphen, direction marks, embeddings and
// isolates, zero-width spaces and joiners, the byte order mark.
bool isInvisibleMark(char32_t c) {
    return inAny(c, {{0x00AD, 0x00AD},
                     {0x061C, 0x061C},
                     {0x200B, 0x200F},
                     {0x202A, 0x202E},
                     {0x2060, 0x2064},
                     {0x2066, 0x206F},
                     {0xFEFF, 0xFEFF}});
}

// Space separators other than the ASCII blank (no-break, narrow, ideographic ...).
bool isOtherSpace(char32_t c) {
    return inAny(c, {{0x00A0, 0x00A0},
                     {0x1680, 0x1680},
                     {0x2000, 0x200A},
                     {0x202F, 0x202F},
                     {0x205F, 0x205F},
                     {0x3000, 0x3000}});
}

std::optional<char> digitOf(char32_t c) {
    for (const char32_t zero : kDigitZeros) {
        if (c >= zero && c <= zero + 9) return static_cast<char>('0' + (c - zero));
    }
    return std::nullopt;
}

// The folded text, or nothing when a character has no ASCII form.
std::optional<std::string> folded(std::wstring_view text) {
    std::string result;
    for (const wchar_t w : text) {
        // wchar_t is a UTF-16 unit on Windows (a surrogate then has no ASCII form) and a
        // code point elsewhere.
        const auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(w));
        if (c >= 0x20 && c <= 0x7E) {
            result += static_cast<char>(c);
        } else if (const auto digit = digitOf(c)) {
            result += *digit;
        } else if (isOtherSpace(c)) {
            result += ' ';
        } else if (!isInvisibleMark(c)) {
            return std::nullopt;
        }
    }
    return result;
}

std::string isoDate(const std::tm& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.tm_year + 1900, date.tm_mon + 1,
                  date.tm_mday);
    return text;
}

}  // namespace

std::string asciiDateText(std::wstring_view platformText, const std::tm& date) {
    const std::optional<std::string> text = folded(platformText);
    if (!text || text->empty() || text->size() > kLongestDateText) return isoDate(date);
    return *text;
}

}  // namespace chronoflip
