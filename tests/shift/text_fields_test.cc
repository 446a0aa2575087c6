#include "core/text_fields.h"

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "core/error.h"
#include "shift/year_extension.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

TEST(FieldParse, ReadsLeadingDigitsTheWayTheFormatsNeed) {
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"  2016", 2016}, {"-5", -5},  {"-5 ", 5},   {"423 ", 423}, {"  -12", -12},
        {"+7", 7},        {"", 0},     {"   ", 0},   {"abc", 0},    {"12ab", 12},
        {"$1F", 31},      {"x10", 16}, {"0x10", 16}, {"0X1a", 26},  {"-$10", -16},
        {" 1 2", 1},      {"-", 0},    {"- 5", 0},   {"007", 7},    {" .5", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(parseInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(FieldParse, SlicesByColumnsAndCutsAtTheLineEnd) {
    EXPECT_EQ(field("abcdef", {2, 3}), "bcd");
    EXPECT_EQ(field("abcdef", {0, 2}), "ab");
    EXPECT_EQ(field("abcdef", {-3, 2}), "ab");
    EXPECT_EQ(field("abcdef", {5, 10}), "ef");
    EXPECT_EQ(field("abcdef", {7, 1}), "");
    EXPECT_EQ(field("abcdef", {99, 1}), "");
    EXPECT_EQ(fromColumn("abcdef", 4), "def");
    EXPECT_EQ(fromColumn("abc", 4), "");
    EXPECT_EQ(upToColumn("abc", 10), "abc");
}

TEST(HeaderLabel, TrimsColumns61To80AndIgnoresShortLines) {
    const std::string pad(60, ' ');
    EXPECT_EQ(headerLabel(pad + "END OF HEADER"), "END OF HEADER");
    EXPECT_EQ(headerLabel(pad + "  LEAP SECONDS\t "), "LEAP SECONDS");
    EXPECT_EQ(headerLabel(pad + "COMMENT             extra"), "COMMENT");
    EXPECT_EQ(headerLabel(std::string(59, ' ') + "END OF HEADER"), "ND OF HEADER");
    EXPECT_EQ(headerLabel(std::string(40, ' ') + "END OF HEADER"), "");
    EXPECT_EQ(trimmed(std::string("\x01 a b \x1f")), "a b");
}

TEST(IntText, RightAlignsAndNeverCuts) {
    EXPECT_EQ(decimal(5, 3), "  5");
    EXPECT_EQ(decimal(-5, 4), "  -5");
    EXPECT_EQ(decimal(12345, 3), "12345");
    EXPECT_EQ(decimal(0), "0");
    EXPECT_EQ(decimal(INT64_MIN), "-9223372036854775808");
}

TEST(YearBearingExtension, FollowsTheShiftedYear) {
    EXPECT_EQ(yearBearingExtension(2016, 28, FileKind::kObservation), ".88o");
    EXPECT_EQ(yearBearingExtension(2030, 28, FileKind::kNavigation), ".02n");
    EXPECT_EQ(yearBearingExtension(2028, 28, FileKind::kNavigation), ".00n");
    EXPECT_EQ(yearBearingExtension(2128, 28, FileKind::kObservation), ".100o");
    EXPECT_THROW(yearBearingExtension(1927, 28, FileKind::kObservation), Error);
    EXPECT_EQ(yearBearingExtension(1928, 28, FileKind::kObservation), ".00o");
}

TEST(DateCheck, AcceptsOnlyCalendarDates) {
    EXPECT_NO_THROW(checkedDate(2016, 2, 29));
    EXPECT_NO_THROW(checkedDate(2000, 2, 29));
    EXPECT_NO_THROW(checkedDate(9999, 12, 31));
    for (const auto& [y, m, d] : {std::tuple{1900, 2, 29},
                                  {2015, 2, 29},
                                  {2016, 0, 1},
                                  {2016, 13, 1},
                                  {2016, 4, 31},
                                  {2016, 1, 0},
                                  {0, 1, 1},
                                  {10000, 1, 1}}) {
        // Plain copies: a lambda may not capture structured bindings before clang 16.
        const auto year = static_cast<std::uint16_t>(y);
        const auto month = static_cast<std::uint8_t>(m);
        const auto day = static_cast<std::uint8_t>(d);
        EXPECT_THROW_MSG(checkedDate(year, month, day), Error, "Invalid argument to date encode")
            << y << '-' << m << '-' << d;
    }
}

}  // namespace
}  // namespace chronoflip
