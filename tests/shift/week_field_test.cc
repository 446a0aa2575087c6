#include "shift/week_field.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/line_writer.h"
#include "memory_files.h"

namespace chronoflip {
namespace {

const std::string kBefore = "    0.123456789012D-09 0.100000000000D+01 ";
const std::string kAfter = " 0.000000000000D+00";

std::string orbitLine(const std::string& mantissa, const std::string& rest) {
    return kBefore + mantissa + rest + kAfter;
}

std::string rewritten(const std::string& line) {
    testing::StringOutput output;
    LineWriter writer(output);
    writeShiftedWeekLine(writer, line, 1461);
    writer.flush();
    return output.bytes.substr(0, output.bytes.size() - 2);
}

TEST(WeekField, WorkedExamplesOfTheThreeWrittenForms) {
    EXPECT_EQ(rewritten(orbitLine("0.1886", "00000000D+04")), orbitLine("0.0425", "00000000D+04"));
    EXPECT_EQ(rewritten(orbitLine("1.8860", "00000000D+03")), orbitLine("0.4250", "00000000D+03"));
    EXPECT_EQ(rewritten("     .123456789012D-09  .100000000000D+01  .188600000000D+04  "
                        ".000000000000D+00"),
              "     .123456789012D-09  .100000000000D+01  .042500000000D+04  .000000000000D+00");
    EXPECT_EQ(rewritten(orbitLine("2.5000", "00000000D+03")), orbitLine("1.0390", "00000000D+03"));
    // A week below the shift keeps its sign and pushes the rest one column right; written
    // without leading zeros (1999 data) it keeps both its sign and its columns.
    EXPECT_EQ(rewritten(orbitLine("0.1000", "00000000D+04")), orbitLine("-0.0461", "00000000D+04"));
    EXPECT_EQ(rewritten("     .123456789012D-09  .100000000000D+01  .102100000000D+04  "
                        ".000000000000D+00"),
              "     .123456789012D-09  .100000000000D+01 -.044000000000D+04  .000000000000D+00");
}

// Every week a receiver can broadcast from 1988 to the far future, in the three forms
// files use, must come out as exactly week - 1461.
TEST(WeekField, EveryWeekFrom1461To9999ShiftsExactly) {
    char mantissa[16];
    char expected[16];
    for (int week = 1461; week <= 9999; ++week) {
        const int shifted = week - 1461;
        std::snprintf(mantissa, sizeof mantissa, "0.%04d", week);
        std::snprintf(expected, sizeof expected, "0.%04d", shifted);
        ASSERT_EQ(shiftedWeekMantissa(orbitLine(mantissa, "00000000D+04"), 1461), expected) << week;

        std::snprintf(mantissa, sizeof mantissa, "%d.%03d0", week / 1000, week % 1000);
        std::snprintf(expected, sizeof expected, "%d.%03d0", shifted / 1000, shifted % 1000);
        ASSERT_EQ(shiftedWeekMantissa(orbitLine(mantissa, "00000000D+03"), 1461), expected) << week;

        std::snprintf(mantissa, sizeof mantissa, " .%04d", week);
        std::snprintf(expected, sizeof expected, " .%04d", shifted);
        ASSERT_EQ(shiftedWeekMantissa(orbitLine(mantissa, "00000000D+04"), 1461), expected) << week;
    }
}

TEST(WeekField, KeepsColumns49To79AndLeavesNonNumbersAlone) {
    const std::string longLine = orbitLine("0.1886", "00000000D+04") + "EXTRA";
    EXPECT_EQ(rewritten(longLine), orbitLine("0.0425", "00000000D+04"));
    for (const std::string& odd :
         {orbitLine("0.18x6", "00000000D+04"), orbitLine("      ", "00000000D+04"),
          orbitLine("0.1886", "00000000D+  "), std::string(""), std::string("short line")}) {
        EXPECT_EQ(rewritten(odd), odd) << odd;
    }
}

}  // namespace
}  // namespace chronoflip
