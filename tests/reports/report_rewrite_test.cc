#include <gtest/gtest.h>

#include <random>

#include "core/error.h"
#include "project_folder.h"
#include "reports/report_rewrite.h"
#include "reports/report_text.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::markedLines;
using testing::reportLines;
using testing::startTime;
using testing::stopTime;
using testing::weekLine;
using testing::yearLine;

struct FieldCase {
    std::string before;
    std::uint16_t correction;
    std::string after;
};

class YearLineTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(YearLineTest, MovesTheTwoDigitYearForward) {
    EXPECT_EQ(rewriteYearLine(GetParam().before, GetParam().correction), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Years, YearLineTest,
    ::testing::Values(
        FieldCase{yearLine("88"), 28, yearLine("16")},  // 116, less 100
        FieldCase{yearLine("09"), 6, yearLine("15")}, FieldCase{yearLine("91"), 22, yearLine("13")},
        FieldCase{yearLine("10"), 5, yearLine("15")}, FieldCase{yearLine("99"), 28, yearLine("27")},
        FieldCase{yearLine("71"), 28, yearLine("99")},
        // A year below 10 keeps its leading zero, so the line keeps its length.
        FieldCase{yearLine("72"), 28, yearLine("00")}, FieldCase{yearLine("03"), 6, yearLine("09")},
        FieldCase{yearLine("  "), 28, yearLine("28")}, FieldCase{yearLine("ab"), 6, yearLine("06")},
        FieldCase{yearLine("7 "), 5, yearLine("12")},
        // Columns 1-9 and 12 on stay, however short the line.
        FieldCase{"<td>", 28, "<td>28"}, FieldCase{"<td>Date:8", 28, "<td>Date:36"},
        FieldCase{"", 22, "22"}));

class WeekLineTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(WeekLineTest, MovesTheGpsWeekForward) {
    EXPECT_EQ(rewriteWeekLine(GetParam().before, GetParam().correction), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, WeekLineTest,
    ::testing::Values(FieldCase{weekLine("0423"), 1461, weekLine("1884")},
                      FieldCase{weekLine("1571"), 313, weekLine("1884")},
                      FieldCase{weekLine("0736"), 1148, weekLine("1884")},
                      FieldCase{weekLine("9999"), 1461, weekLine("11460")},  // no wrap
                      FieldCase{weekLine("    "), 1461, weekLine("1461")},
                      FieldCase{weekLine("wk??"), 261, weekLine("261")},
                      // The blank in column 13 goes: columns 14 on follow the new number.
                      FieldCase{"<td>Week:423 x</td>", 1461, "<td>Week:1884x</td>"},
                      FieldCase{"<td>Week:", 313, "<td>Week:313"}));

TEST(TimeFieldRewrite, ANegativeFieldOverflowsSixteenBitsAsARangeCheckError) {
    // "-5" parses as -5, which cut to 16 bits is 65531.
    EXPECT_THROW_MSG(rewriteYearLine(yearLine("-5"), 28), Error, "Range check error");
    EXPECT_THROW_MSG(rewriteWeekLine("<td>Week:-5", 1461), Error, "Range check error");
    EXPECT_EQ(rewriteWeekLine("<td>Week:-5", 4), "<td>Week:65535");
    // "-5 " stops at the blank before the minus sign counts: 5.
    EXPECT_EQ(rewriteWeekLine("<td>Week:-5 ", 1461), "<td>Week:1466");
}

TEST(ReportMarker, OnlyChronoflipInCharactersTwoToElevenOfLineFiveCounts) {
    const std::vector<std::string> plain = reportLines({});
    EXPECT_FALSE(isMarkedReport(plain));
    EXPECT_TRUE(isMarkedReport(markedLines(plain)));
    EXPECT_TRUE(isMarkedReport({"", "", "", "", "xChronoflip"}));
    EXPECT_FALSE(isMarkedReport({"", "", "", "", "xChronofli"}));
    EXPECT_FALSE(isMarkedReport({"", "", "", "<Chronoflip></Chronoflip>"}));
    EXPECT_FALSE(isMarkedReport({"<Chronoflip></Chronoflip>", "", "", "", "<chronoflip>"}));
}

TEST(TimeLabel, StartAndStopLabelsAreTheirFirstNineteenCharacters) {
    EXPECT_TRUE(isTimeLabelLine("      <p>Start time"));
    EXPECT_TRUE(isTimeLabelLine("      <p>Start time: 10:15</p>"));
    EXPECT_TRUE(isTimeLabelLine("      <p>Stop time </p>"));
    EXPECT_FALSE(isTimeLabelLine("      <p>Stop time"));  // the blank after "time" belongs
    EXPECT_FALSE(isTimeLabelLine("     <p>Start time"));
    EXPECT_FALSE(isTimeLabelLine("      <P>Start time"));
    EXPECT_FALSE(isTimeLabelLine(""));
}

TEST(ReportReset, RewritesEveryLabelsYearAndWeekAndMarksLineFive) {
    for (int labels : {0, 1, 2, 4}) {
        std::vector<std::vector<std::string>> before, after;
        for (int i = 0; i < labels; ++i) {
            before.push_back(i % 2 == 0 ? startTime("88", "0423") : stopTime("89", "0475"));
            after.push_back(i % 2 == 0 ? startTime("16", "1884") : stopTime("17", "1936"));
        }
        std::vector<std::string> lines = reportLines(before);
        resetReportLines(lines, {28, 1461});
        EXPECT_EQ(lines, markedLines(reportLines(after))) << labels << " labels";
    }
}

TEST(ReportReset, ALineRewrittenEarlierIsTestedWhenTheScanReachesIt) {
    // The first label's week line is a second label line: rewritten first, it is no label
    // when the scan gets to it, so the year and week below it stay.
    std::vector<std::string> lines{"      <p>Start time", "", "<td>Date:88", "",
                                   "      <p>Start time", "", "<td>Date:88", "",
                                   "<td>Week:0423"};
    resetReportLines(lines, {28, 1461});
    const std::vector<std::string> expected{
        "      <p>Start time", "", "<td>Date:16", "", "<Chronoflip></Chronoflip>",
        "      <p>1461t time", "", "<td>Date:88", "", "<td>Week:0423"};
    EXPECT_EQ(lines, expected);
}

struct ShortReportCase {
    std::vector<std::string> before;
    std::vector<std::string> after;
};

class ShortReportTest : public ::testing::TestWithParam<ShortReportCase> {};

// Outside the office software's layout: no line is lost, none is made up for a missing
// year or week line, and the marker is padded down to line 5 so a second reset sees it.
TEST_P(ShortReportTest, KeepsEveryLineAndStillMarksLineFive) {
    std::vector<std::string> lines = GetParam().before;
    resetReportLines(lines, {28, 1461});
    EXPECT_EQ(lines, GetParam().after);
    EXPECT_TRUE(isMarkedReport(lines));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ShortReportTest,
    ::testing::Values(
        ShortReportCase{{}, {"", "", "", "", "<Chronoflip></Chronoflip>"}},
        ShortReportCase{{"a", "b", "c", "d"}, {"a", "b", "c", "d", "<Chronoflip></Chronoflip>"}},
        ShortReportCase{
            {"      <p>Start time", "", "<td>Date:88"},
            {"      <p>Start time", "", "<td>Date:16", "", "<Chronoflip></Chronoflip>"}},
        ShortReportCase{{"      <p>Stop time ", "x"},
                        {"      <p>Stop time ", "x", "", "", "<Chronoflip></Chronoflip>"}},
        ShortReportCase{{"a", "b", "c", "d", "e", "      <p>Stop time ", "", "<td>Date:99", ""},
                        {"a", "b", "c", "d", "<Chronoflip></Chronoflip>", "e",
                         "      <p>Stop time ", "", "<td>Date:27", ""}}));

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
    bool endsWithBreak;
    std::string written;
};

class ReportTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ReportTextTest, SplitsAtAnyLineBreakAndWritesCrLf) {
    const ReportText report = splitReport(GetParam().text);
    EXPECT_EQ(report.lines, GetParam().lines);
    EXPECT_EQ(report.endsWithBreak, GetParam().endsWithBreak);
    EXPECT_EQ(joinReport(report), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, ReportTextTest,
    ::testing::Values(SplitCase{"", {}, false, ""}, SplitCase{"a", {"a"}, false, "a"},
                      SplitCase{"a\r\nb\r\n", {"a", "b"}, true, "a\r\nb\r\n"},
                      SplitCase{"a\nb", {"a", "b"}, false, "a\r\nb"},
                      SplitCase{"a\rb\r", {"a", "b"}, true, "a\r\nb\r\n"},
                      SplitCase{"a\n\rb", {"a", "", "b"}, false, "a\r\n\r\nb"},
                      SplitCase{"\r\n", {""}, true, "\r\n"},
                      SplitCase{"\r\r\n\n", {"", "", ""}, true, "\r\n\r\n\r\n"},
                      SplitCase{std::string("a\0b\x1a\xff", 5),
                                {std::string("a\0b\x1a\xff", 5)},
                                false,
                                std::string("a\0b\x1a\xff", 5)}));

// Arbitrary bytes never crash the rewrite; every line survives, only year and week lines
// change and the marker comes in at line 5.
TEST(ReportReset, ArbitraryBytesKeepEveryLine) {
    std::mt19937 random(20160218);
    const std::string alphabet = std::string("\r\n -0123456789<p>StartopChronflix\xff", 35) +
                                 std::string("      <p>Start time      <p>Stop time ");
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i) {
            if (random() % 7 == 0) {
                text += random() % 2 ? "\n      <p>Start time" : "\r\n      <p>Stop time ";
            } else {
                text += alphabet[random() % alphabet.size()];
            }
        }
        ReportText report = splitReport(text);
        const std::vector<std::string> before = report.lines;
        try {
            resetReportLines(report.lines, {6, 313});
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Range check error");
            continue;
        }
        ASSERT_EQ(report.lines.size(), std::max<std::size_t>(before.size(), 4) + 1);
        EXPECT_EQ(report.lines[4], "<Chronoflip></Chronoflip>");
        const ReportText back = splitReport(joinReport(report));
        EXPECT_EQ(back.lines, report.lines);
        EXPECT_EQ(back.endsWithBreak, report.endsWithBreak);
    }
}

}  // namespace
}  // namespace chronoflip
