#include "readers/rinex_version.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

std::string firstLine(std::string_view version, char type, char system) {
    std::string line(60, ' ');
    line.replace(0, version.size(), version);
    line[20] = type;
    line[40] = system;
    return line + "RINEX VERSION / TYPE";
}

TEST(RinexFirstLine, VersionAndTypeDecideNeverTheName) {
    struct Case {
        std::string line;
        RinexText text;
    };
    const Case cases[] = {
        {"     2.11           OBSERVATION DATA    M (MIXED)           RINEX VERSION / TYPE",
         RinexText::kRinex2},
        {firstLine("     2.10", 'N', 'G'), RinexText::kRinex2},
        {firstLine("     3.04", 'O', 'M'), RinexText::kRinex3Observation},
        {firstLine("     3.00", 'O', 'G'), RinexText::kRinex3Observation},
        {firstLine("     4.02", 'O', 'M'), RinexText::kRinex3Observation},
        // Left-justified version; a blank system in a RINEX 3.00 navigation file.
        {firstLine("3.02", 'N', 'G'), RinexText::kRinex3Navigation},
        {firstLine("     3.00", 'N', ' '), RinexText::kRinex3Navigation},
        {firstLine("     4.00", 'N', 'M'), RinexText::kRinex3Navigation},
        // No RINEX VERSION / TYPE record: not for the converter to judge.
        {"#cP2016  2 17  0  0  0.00000000      96 ORBIT IGS14 HLM  IGS", RinexText::kRinex2},
        // The label padded to column 80, and a CR left by a CR LF file.
        {firstLine("     3.05", 'O', 'G') + "     ", RinexText::kRinex3Observation},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readRinexFirstLine(c.line, "f").text, c.text) << c.line;
    }
    EXPECT_EQ(readRinexFirstLine(firstLine("  3.04", 'O', 'M'), "f").version, "3.04");
}

TEST(RinexFirstLine, RefusesWhatItDoesNotConvert) {
    const std::string cases[] = {
        firstLine("     3.06", 'O', 'M'),  // a version after those known
        firstLine("     4.03", 'O', 'M'), firstLine("     5.00", 'N', 'M'),
        firstLine("     3.04", 'M', 'M'),                                    // meteorological data
        firstLine("     3.04", 'N', 'R'),                                    // GLONASS navigation
        firstLine("     3.04", 'N', 'E'), firstLine("     3.04", 'C', 'M'),  // clock data
        firstLine("   3.0a", 'O', 'M'),                                      // not a number
        firstLine("", 'O', 'M'),
    };
    for (const std::string& line : cases) {
        EXPECT_THROW(readRinexFirstLine(line, "f"), Error) << line;
    }
    EXPECT_ERROR_WITH_PATH(
        readRinexFirstLine(firstLine("     3.06", 'O', 'M'), "x.rnx"),
        "x.rnx: RINEX version 3.06, file type \"O\", system \"M\": a version not converted "
        "(converted "
        "are RINEX 3.00 to 3.05 and 4.00 to 4.02 observation files, and navigation files of "
        "GPS or mixed systems)");
}

}  // namespace
}  // namespace chronoflip
