#include "readers/compact_rinex_text.h"

#include <gtest/gtest.h>

#include <string>

#include "readers/compact_rinex_arc.h"

namespace chronoflip {
namespace {

std::string fixed(std::int64_t value, const FixedField& field) {
    std::string text(field.width, '#');
    writeFixed(text.data(), value, field);
    return text;
}

// Every field's ends, a value below 1, and whole numbers on both sides of 32 bits.
TEST(CompactRinexText, WritesFixedFieldsWithoutLeadingZeros) {
    constexpr FixedField kClock9{9, 12, -9'999'999'999, 99'999'999'999};
    constexpr FixedField kClock12{12, 15, -9'999'999'999'999, 99'999'999'999'999};
    const struct {
        std::int64_t value;
        const FixedField& field;
        std::string text;
    } cases[] = {
        {0, kObservationField, "          .000"},
        {-5, kObservationField, "         -.005"},
        {1000, kObservationField, "         1.000"},
        {-1234, kObservationField, "        -1.234"},
        {24479973678, kObservationField, "  24479973.678"},
        {4'294'967'295'999, kObservationField, "4294967295.999"},
        {4'294'967'296'000, kObservationField, "4294967296.000"},
        {9'999'999'999'999, kObservationField, "9999999999.999"},
        {-999'999'999'999, kObservationField, "-999999999.999"},
        {123456, kClock9, "  .000123456"},
        {-1'500'000'000, kClock9, "-1.500000000"},
        {99'999'999'999, kClock9, "99.999999999"},
        {-246913578, kClock12, " -.000246913578"},
        {-9'999'999'999'999, kClock12, "-9.999999999999"},
    };
    for (const auto& c : cases) EXPECT_EQ(fixed(c.value, c.field), c.text) << c.value;
}

TEST(CompactRinexText, ReadsArcTokens) {
    const struct {
        std::string text;
        bool starts;
        int order;
        std::int64_t value;
    } tokens[] = {
        {"0", false, 0, 0},
        {"-1234", false, 0, -1234},
        {"3&24479973678", true, 3, 24479973678},
        {"0&-5", true, 0, -5},
        {"5&0", true, 5, 0},
        {"999999999999999999", false, 0, 999'999'999'999'999'999},
        {"-999999999999999999", false, 0, -999'999'999'999'999'999},
    };
    for (const auto& c : tokens) {
        ArcToken token;
        ASSERT_TRUE(readArcToken(c.text, token)) << c.text;
        EXPECT_EQ(token.starts, c.starts) << c.text;
        EXPECT_EQ(token.order, c.order) << c.text;
        EXPECT_EQ(token.value, c.value) << c.text;
    }
    const std::string malformed[] = {
        "1000000000000000000",  // 19 digits
        "6&1",
        "x&1",
        "3&",
        "-",
        "3&-",
        "1-2",
        "&5",
        "12a",
        "1 2",
        "",
    };
    for (const std::string& text : malformed) {
        ArcToken token;
        EXPECT_FALSE(readArcToken(text, token)) << text;
    }
}

TEST(CompactRinexText, AppliesTextDifferences) {
    const struct {
        std::string old;
        std::string difference;
        std::string text;
    } cases[] = {
        {"4846414648", "4744414447", "4744414447"},
        {"1552", "& 4", " 542"},               // wsra0010.21d: a shorter difference leaves the rest
        {"G01G02", "   R05&&&", "G01R05   "},  // appended characters, "&" a blank
        {"abc", "", "abc"},
        {"", "&x", " x"},
    };
    for (const auto& c : cases) {
        std::string text = c.old;
        applyDifference(text, c.difference);
        EXPECT_EQ(text, c.text) << c.old << " / " << c.difference;
    }
}

}  // namespace
}  // namespace chronoflip
