#include "readers/header_values.h"

#include <optional>

#include "readers/number_text.h"

namespace chronoflip {

namespace {

[[noreturn]] void failField(NumberedLines& lines, Columns columns, std::string_view what,
                            std::string_view problem) {
    lines.fail(std::string(what) + ": columns " + std::to_string(columns.first) + "-" +
               std::to_string(columns.first + columns.length - 1) + " " + std::string(problem));
}

DecimalText requireDecimal(NumberedLines& lines, std::string_view line, Columns columns,
                           std::string_view what) {
    const std::optional<DecimalText> number = DecimalText::read(field(line, columns));
    if (!number) failField(lines, columns, what, "hold no number");
    return *number;
}

}  // namespace

std::uint64_t requireUnsigned(NumberedLines& lines, std::string_view line, Columns columns,
                              std::string_view what) {
    std::uint64_t value = 0;
    if (!readUnsignedField(field(line, columns), value))
        failField(lines, columns, what, "hold no whole number");
    return value;
}

std::string_view requireNumberText(NumberedLines& lines, std::string_view line, Columns columns,
                                   std::string_view what) {
    requireDecimal(lines, line, columns, what);
    return field(line, columns);
}

std::string requireZeroPointForm(NumberedLines& lines, std::string_view line, Columns columns,
                                 std::string_view what) {
    const DecimalText number = requireDecimal(lines, line, columns, what);
    if (number.significantDigits() > DecimalText::kZeroPointDigits)
        failField(lines, columns, what, "hold more than 12 significant digits");
    const std::optional<std::string> text = number.zeroPointForm();
    if (!text) failField(lines, columns, what, "hold a number whose exponent passes 99");
    return *text;
}

std::string requireFourDecimalForm(NumberedLines& lines, std::string_view line, Columns columns,
                                   std::string_view what) {
    const std::optional<std::string> text =
        requireDecimal(lines, line, columns, what).fourDecimalForm();
    if (!text) failField(lines, columns, what, "hold a number whose exponent passes 99");
    return *text;
}

}  // namespace chronoflip
