#include <gtest/gtest.h>

#include "rinex_text.h"
#include "run_helpers.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::shiftError;
using testing::shiftOne;
using testing::TempFolder;

const std::string& kLine1 = testing::kSp3FirstLine;
const std::string kLine2 = "## 1884 345600.00000000   900.00000000 57436 0.0000000000000";
const std::string kSats = "+   32   G01G02G03G04G05G06G07G08G09G10G11G12G13G14G15G16G17";
const std::string kComment = "/* FINAL ORBIT COMBINATION FROM WEIGHTED AVERAGE OF:";
const std::string kEpoch = "*  2016  2 18  0  0  0.00000000";
const std::string kPosition = "PG01  -6153.408320 -25374.128592  -1837.707108     37.516041";
const std::string kDashes = "/*----------------------------------------------------------";

std::string block(const std::string& yearWeek) {
    return crlf({kDashes, "/*                 Chronoflip 1.8   18/02/2016             :",
                 "/*                 DateTime   stamp   modified             :", yearWeek,
                 kDashes});
}

TEST(Sp3Rewrite, WorkedExampleByteForByte) {
    TempFolder folder;
    const std::string source =
        crlf({"#aV2016  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY", kLine2, kSats,
              kComment, kEpoch, kPosition, "*  2016  2 18  0 15  0.00000000", kPosition}) +
        "EOF";
    EXPECT_EQ(
        shiftOne(folder, "agy18844.sp3", source),
        crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
              "##  423 345600.00000000   900.00000000 57436 0.0000000000000", kSats, kComment}) +
            block("/*                 Year 2016-28 Week 1884-1461             :") +
            crlf({"*  1988  2 18  0  0  0.00000000", kPosition, "*  1988  2 18  0 15  0.00000000",
                  kPosition, "EOF"}));
}

TEST(Sp3Rewrite, OddButValidFiles) {
    TempFolder folder;
    // A week below the shift keeps its sign; the block shows the week as read.
    EXPECT_EQ(shiftOne(folder, "w.sp3",
                       crlf({kLine1, "## 1456 345600.00000000", "*  2028  1  1  0  0  0.0"})),
              crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
                    "##   -5 345600.00000000"}) +
                  block("/*                 Year 2016-28 Week 1456-1461             :") +
                  crlf({"*  2000  1  1  0  0  0.0"}));
    // A four-digit result keeps the columns; 1027 becomes 999 and moves the line left.
    EXPECT_EQ(
        shiftOne(folder, "old.sp3", crlf({"#cP1027  1  1", kLine2, "*  1027  1  1"})),
        crlf({"#cP999  1  1", "##  423 345600.00000000   900.00000000 57436 0.0000000000000"}) +
            block("/*                 Year 1027-28 Week 1884-1461             :") +
            crlf({"*  999  1  1"}));
    // No epoch line, no block; a single line is all there is to write.
    EXPECT_EQ(shiftOne(folder, "noepoch.sp3", crlf({kLine1, kLine2, kSats})),
              crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
                    "##  423 345600.00000000   900.00000000 57436 0.0000000000000", kSats}));
    EXPECT_EQ(shiftOne(folder, "one.sp3", kLine1),
              crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY"}));
}

TEST(Sp3Rewrite, FailuresEndTheRunWithTheirMessage) {
    TempFolder folder;
    const struct {
        std::string name, source, message, written;
    } cases[] = {
        {"empty.sp3", "", "Invalid argument to date encode", ""},
        {"month.sp3", crlf({"#cP2016 13 18"}), "Invalid argument to date encode", ""},
        {"year20.sp3", crlf({"#cP0020  2 18"}), "Range check error", ""},
        {"epoch.sp3", crlf({kLine1, kLine2, kEpoch, "*  0027  1  1"}), "Range check error",
         crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
               "##  423 345600.00000000   900.00000000 57436 0.0000000000000"}) +
             block("/*                 Year 2016-28 Week 1884-1461             :") +
             crlf({"*  1988  2 18  0  0  0.00000000"})},
        {"blank.sp3", crlf({kLine1, kLine2, "*      1  1"}), "Range check error",
         crlf({"#cP1988  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
               "##  423 345600.00000000   900.00000000 57436 0.0000000000000"}) +
             block("/*                 Year 2016-28 Week 1884-1461             :")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shiftError(folder, c.name, c.source), c.message) << c.name;
        EXPECT_EQ(testing::readBytes(folder.file("e_" + c.name)), c.written) << c.name;
    }
}

}  // namespace
}  // namespace chronoflip
