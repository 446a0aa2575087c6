#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace chronoflip {

// An observation field of RINEX 2 and 3 alike: F14.3 value, LLI and signal strength.
inline constexpr std::size_t kFieldWidth = 16;
inline constexpr std::size_t kValueWidth = 14;
inline constexpr char kBlankField[kFieldWidth + 1] = "                ";

// Whether every character of an observation line's fields is one a number or a flag is
// written with: blank, minus, point, digit. A loop without branches, over lines of up to
// hundreds of characters.
inline bool holdsNumbersOnly(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    unsigned char bad = 0;
    // ' ' is 32, then '-' 45, '.' 46, '/' 47 (not allowed), '0' to '9' 48 to 57.
    for (std::size_t i = 0; i < text.size(); ++i) {
        bad |= static_cast<unsigned char>(
            (bytes[i] > '9') | ((bytes[i] < '-') & (bytes[i] != ' ')) | (bytes[i] == '/'));
    }
    return bad == 0;
}

struct FieldCheck {
    bool valid = false;
    bool blank = false;  // no value (its flags may still be given)
};

// Checks a 16-character field of a line that holds numbers only: blank, or F14.3 with its
// point in the eleventh column, no other point, three decimal digits; LLI and signal
// strength each a digit or blank. A field that passes can never put a point where RINEX 2
// expects an epoch's.
inline FieldCheck checkField(const char* field) {
    const auto isFlag = [](char c) { return c != '.' && c != '-'; };
    const bool flags = isFlag(field[kValueWidth]) && isFlag(field[kValueWidth + 1]);
    if (std::memcmp(field, kBlankField, kValueWidth) == 0) return {flags, true};
    const auto isDigit = [](char c) { return static_cast<unsigned char>(c - '0') <= 9; };
    // A point among the integer part's ten characters: bytes 2-9 tested at once.
    std::uint64_t integer = 0;
    std::memcpy(&integer, field + 2, sizeof integer);
    const std::uint64_t points = integer ^ 0x2E2E2E2E2E2E2E2EULL;
    const bool pointInside =
        ((points - 0x0101010101010101ULL) & ~points & 0x8080808080808080ULL) != 0;
    const bool valid = flags && !pointInside && field[0] != '.' && field[1] != '.' &&
                       field[10] == '.' && isDigit(field[11]) && isDigit(field[12]) &&
                       isDigit(field[13]);
    return {valid, false};
}

}  // namespace chronoflip
