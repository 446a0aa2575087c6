#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace chronoflip {

// A column range of a line, columns counted from 1. A first column of 1 or less starts
// at column 1; the slice is cut at the end of the line, or empty past it.
struct Columns {
    int first;
    int length;
};

std::string_view field(std::string_view line, Columns columns);
// Columns from first to the end of the line.
std::string_view fromColumn(std::string_view line, int first);
// Columns 1 to last.
std::string_view upToColumn(std::string_view line, int last);

// The integer value of a field: leading blanks, an optional sign, an optional "$", "x"
// or "0x" making the digits hexadecimal, then digits up to the first other character.
// The minus sign counts only when nothing but digits follows it; no digits gives 0.
// Very long digit strings wrap; callers keep the low bits they need.
std::int64_t parseInt(std::string_view text);
inline std::int64_t parseField(std::string_view line, Columns columns) {
    return parseInt(field(line, columns));
}

// A fixed-format integer field read strictly, as the readers of published files need it:
// leading blanks, then at least one digit and nothing but digits to the field's end (I4,
// I2.2). False for anything else, a field of blanks included; at most 18 digits.
bool readUnsignedField(std::string_view text, std::uint64_t& value);

// Leading and trailing characters of code 32 or below removed.
std::string_view trimmed(std::string_view text);

// Columns 61-80 of a RINEX header line, trimmed; empty for lines shorter than 61.
std::string_view headerLabel(std::string_view line);

// Decimal text of an integer, right-aligned with blanks to a minimum width.
class IntText {
  public:
    std::string_view format(std::int64_t value, int width = 0);

  private:
    std::array<char, 64> buffer_{};
};

std::string decimal(std::int64_t value, int width = 0);

// Appends blanks to text until it is width characters long; longer text is kept whole.
void padTo(std::string& text, std::size_t width);

}  // namespace chronoflip
