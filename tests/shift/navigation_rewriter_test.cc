#include <gtest/gtest.h>

#include "rinex_text.h"
#include "run_helpers.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::ephemerisRecord;
using testing::headerLine;
using testing::shiftError;
using testing::shiftOne;
using testing::TempFolder;

const std::string& kVersion = testing::kNavigationVersion;
const std::string kUtc =
    "    0.931322574615D-09 0.106581410364D-13   405504     1886 "
    "DELTA-UTC: A0,A1,T,W";
const std::string kUtcShifted =
    "    0.931322574615D-09 0.106581410364D-13   405504      425 "
    "DELTA-UTC: A0,A1,T,W";
const std::string kLeap = headerLine("    17", "LEAP SECONDS");
const std::string& kEnd = testing::kEndOfHeader;

std::string block(const std::string& yearWeek) {
    return crlf({testing::kBlockRule, testing::kBlockStamp, testing::kBlockHeading, yearWeek,
                 testing::kBlockRule});
}

const std::string& kOrbit = testing::kOrbitLine;
const std::string& kWeek = testing::kWeekLine;
const std::string kWeekShifted =
    "    0.123456789012D-09 0.100000000000D+01 0.042500000000D+04 0.000000000000D+00";

TEST(NavigationRewrite, WorkedExampleWithBlankLinesDropped) {
    TempFolder folder;
    const std::string first =
        " 5 16  3  1  0  0  0.0 0.123456789012D-04 0.113686837722D-11 0.000000000000D+00";
    const std::string firstShifted =
        " 5 88  3  1  0  0  0.0 0.123456789012D-04 0.113686837722D-11 0.000000000000D+00";
    const std::string source = crlf({kVersion, kUtc, kLeap, kEnd}) + ephemerisRecord(first, kWeek) +
                               "\r\n   \r\n" + ephemerisRecord(first, kWeek) + "\r\n\r\n";
    EXPECT_EQ(shiftOne(folder, "abcd0610.16n", source),
              crlf({kVersion, kUtcShifted, headerLine("    17", "COMMENT")}) +
                  block(":                  Year 2016-28  Week 1886-1461           : COMMENT") +
                  crlf({kEnd}) + ephemerisRecord(firstShifted, kWeekShifted) +
                  ephemerisRecord(firstShifted, kWeekShifted));
}

TEST(NavigationRewrite, EachRecordYearShiftsOnItsOwn) {
    TempFolder folder;
    std::string in = crlf({kVersion, kEnd});
    std::string out = crlf({kVersion}) +
                      block(":                  Year 2015-28  Week     -1461           : COMMENT") +
                      crlf({kEnd});
    for (const auto& [year, shifted] : {std::pair{"15", " 87"},
                                        {"16", " 88"},
                                        {"00", " 72"},
                                        {"27", " 99"},
                                        {"28", "  0"},
                                        {"30", "  2"},
                                        {"99", " 71"}}) {
        in += ephemerisRecord(std::string("12 ") + year + " 12 31 23 59 44.0", kWeek);
        out += ephemerisRecord(std::string("12") + shifted + " 12 31 23 59 44.0", kWeekShifted);
    }
    EXPECT_EQ(shiftOne(folder, "newyear.15n", in), out);
}

// Two-digit years of navigation records: 80-99 are 1980-1999, 00-79 are 2000-2079.
TEST(NavigationRewrite, FirstYearTakesTheCenturyOfRinexTwo) {
    TempFolder folder;
    for (const auto& [yy, year] :
         {std::pair{"80", "1980"}, {"99", "1999"}, {"00", "2000"}, {"79", "2079"}}) {
        const std::string source =
            crlf({kEnd}) + ephemerisRecord(std::string(" 1 ") + yy + "  1  1  0  0  0.0", kWeek);
        EXPECT_NE(shiftOne(folder, "century.99n", source)
                      .find(std::string(":                  Year ") + year +
                            "-28  Week     -1461           : COMMENT"),
                  std::string::npos)
            << yy;
    }
}

TEST(NavigationRewrite, UtcWeekIsShiftedOnlyAboveTheCorrection) {
    TempFolder folder;
    const std::string record1 = ephemerisRecord(" 1 16  1  1  0  0  0.0", kWeek);
    const auto utc = [](const std::string& week) {
        return "    0.931322574615D-09 0.106581410364D-13   405504" + week +
               " DELTA-UTC: A0,A1,T,W";
    };
    const struct {
        std::string week, written, yearWeek;
    } cases[] = {
        {"     1461", "     1461",
         ":                  Year 2016-28  Week     -1461           : COMMENT"},
        {"     1462", "        1",
         ":                  Year 2016-28  Week 1462-1461           : COMMENT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shiftOne(folder, "utc.16n", crlf({utc(c.week), kEnd}) + record1),
                  crlf({utc(c.written)}) + block(c.yearWeek) + crlf({kEnd}) +
                      ephemerisRecord(" 1 88  1  1  0  0  0.0", kWeekShifted));
    }
    // Columns past 80 of a shifted DELTA-UTC line are dropped.
    EXPECT_EQ(shiftOne(folder, "long.16n", crlf({kUtc + "    extra", kEnd}) + record1),
              crlf({kUtcShifted}) +
                  block(":                  Year 2016-28  Week 1886-1461           : COMMENT") +
                  crlf({kEnd}) + ephemerisRecord(" 1 88  1  1  0  0  0.0", kWeekShifted));
}

TEST(NavigationRewrite, TruncatedRecordKeepsEveryLineItHas) {
    TempFolder folder;
    const std::string source =
        crlf({kEnd, " 1 16  1  1  0  0  0.0", kOrbit, kOrbit, kOrbit, kOrbit, kWeek});
    EXPECT_EQ(
        shiftOne(folder, "cut.16n", source),
        block(":                  Year 2016-28  Week     -1461           : COMMENT") +
            crlf({kEnd, " 1 88  1  1  0  0  0.0", kOrbit, kOrbit, kOrbit, kOrbit, kWeekShifted}));
}

TEST(NavigationRewrite, FirstRecordFailures) {
    TempFolder folder;
    const struct {
        std::string name, source, message;
    } cases[] = {
        {"blank.16n", crlf({kEnd, "", " 1 16  1  1"}), "Invalid argument to date encode"},
        {"m13.16n", crlf({kEnd, " 1 16 13  1"}), "Invalid argument to date encode"},
        {"d0.16n", crlf({kEnd, " 1 16  1  0"}), "Invalid argument to date encode"},
        {"nofirst.16n", crlf({kEnd}), "Invalid argument to date encode"},
        {"minus.16n", crlf({kEnd, " 1 -1  1  1"}), "Range check error"},
        {"noend.16n", crlf({kVersion, " 1 16  1  1"}), "END OF HEADER missing"},
        {"empty.16n", "", "END OF HEADER missing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shiftError(folder, c.name, c.source), c.message) << c.name;
        EXPECT_EQ(testing::readBytes(folder.file("e_" + c.name)), "") << c.name;
    }
}

}  // namespace
}  // namespace chronoflip
