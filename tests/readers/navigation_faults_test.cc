#include <gtest/gtest.h>

#include <string>

#include "core/error.h"
#include "navigation_conversion.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::convertNavigation;
using testing::joinedLines;

const std::string kVersion3 =
    "     3.04           N: GNSS NAV DATA    M: MIXED            RINEX VERSION / TYPE";
const std::string kVersion4 =
    "     4.00           N: GNSS NAV DATA    M: MIXED            RINEX VERSION / TYPE";
const std::string kEnd =
    "                                                            END OF HEADER";
const std::string kFirst =
    "G27 2024 05 03 02 00 00-2.202996984124E-05-2.046363078989E-12 0.000000000000E+00";
const std::string kOrbit =
    "     4.200000000000E+01-9.562500000000E+00 4.543403536708E-09 1.651359513615E+00";

// A record of first and orbits orbit lines.
std::string record(const std::string& first, int orbits = 7) {
    std::string text = first + "\n";
    for (int i = 0; i < orbits; ++i) text += kOrbit + "\n";
    return text;
}

// Header lines 1 and 2, then the records from line 3.
std::string rinex3(const std::string& records) {
    return joinedLines({kVersion3, kEnd}) + records;
}
std::string rinex4(const std::string& records) {
    return joinedLines({kVersion4, kEnd}) + records;
}
// Line 1, then the header line, END OF HEADER on line 3 and a GPS record from line 4.
std::string withHeaderLine(const std::string& line) {
    return joinedLines({kVersion3, line, kEnd}) + record(kFirst);
}
std::string withFirstLine(const std::string& first) {
    return rinex3(record(first));
}

const std::string kLnav = "> EPH G27 LNAV\n" + record(kFirst);

TEST(NavigationFaults, NameTheFileTheLineAndTheFault) {
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {rinex3(record("E01 2024 05 03 02 00 00-2.202996984124E-05")),
         "RINEX 3 file: no GPS record to convert; records in the file: 1 Galileo"},
        {rinex3(record(kFirst, 4)),
         "RINEX 3 line 7: the file ends inside the GPS record: it is cut short"},
        {rinex3(record(kFirst, 8)), "RINEX 3 line 3: the GPS record has 9 lines where 8 are due"},
        {rinex3(kFirst), "RINEX 3 line 3: the last line has no line end: the file is cut short"},
        {withFirstLine("G27 2024/05/03 02 00 00-2.202996984124E-05"),
         "RINEX 3 line 3: the epoch in columns 5-23 is not laid out as \"yyyy mm dd hh mm ss\""},
        {withFirstLine("G27 2024 02 30 02 00 00-2.202996984124E-05"),
         "RINEX 3 line 3: the epoch's date or time does not exist"},
        {withFirstLine("G27 2080 05 03 02 00 00-2.202996984124E-05"),
         "RINEX 3 line 3: the epoch lies outside 1980-01-06 to 2079, the dates a RINEX 2 GPS "
         "navigation file can hold"},
        {withFirstLine("G00 2024 05 03 02 00 00-2.202996984124E-05"),
         "RINEX 3 line 3: the GPS record's first line does not start with a satellite \"Gnn \""},
        {rinex3(kFirst + "\n" + "   1" + kOrbit.substr(4) + "\n" + record("", 6).substr(1)),
         "RINEX 3 line 4: an orbit line of the GPS record that does not start with 4 blanks"},
        {withFirstLine(kFirst + "   9"), "RINEX 3 line 3: text past column 80 of the GPS record"},
        {rinex3(kFirst + "\n\n" + record("", 7).substr(1)),
         "RINEX 3 line 4: an empty line among the records: only the end may have them"},
        {rinex3(record("X01 2024 05 03 02 00 00")),
         "RINEX 3 line 3: a record of a system RINEX 3 does not know: \"X\""},
        {rinex3(record(kOrbit)), "RINEX 3 line 3: a line where the first record should start"},
        {joinedLines({kVersion3,
                      "gl_Rinex            NMA                 20240504 003737 UTC PGM / "
                      "RUN BY / DATE"}),
         "RINEX 3 line 2: the file ends inside the header: END OF HEADER missing"},
        {"not RINEX\n", "RINEX 3 line 1: the first line is no RINEX VERSION / TYPE record"},
        {withHeaderLine("GPSA   1.9558E-08  2.2352E-0x -1.1921E-07 -1.1921E-07 A     "
                        "IONOSPHERIC CORR"),
         "RINEX 3 line 2: IONOSPHERIC CORR GPSA: columns 18-29 hold no number"},
        {withHeaderLine("GPUT 1234567890123E-10 5.329070518E-15  61440 2313        2 TIME "
                        "SYSTEM CORR"),
         "RINEX 3 line 2: TIME SYSTEM CORR GPUT: columns 6-22 hold more than 12 significant "
         "digits"},
        {withHeaderLine("GPUT  9.3132257462E-10  1.00000000E+99  61440 2313        2 TIME "
                        "SYSTEM CORR"),
         "RINEX 3 line 2: TIME SYSTEM CORR GPUT: columns 23-38 hold a number whose exponent "
         "passes 99"},
        {withHeaderLine("GPUT  9.3132257462E-10 5.329070518E-15 6144.0 2313        2 TIME "
                        "SYSTEM CORR"),
         "RINEX 3 line 2: TIME SYSTEM CORR GPUT: columns 40-45 hold no whole number"},
        {withHeaderLine("    1a                                                      LEAP "
                        "SECONDS"),
         "RINEX 3 line 2: LEAP SECONDS: columns 1-6 hold no whole number"},
        {rinex4(">EPH G27 LNAV\n" + record(kFirst)),
         "RINEX 4 line 3: a marker line not laid out as \"> EPH G01 LNAV\""},
        {rinex4("> XYZ G27 LNAV\n" + record(kFirst)),
         "RINEX 4 line 3: a record of a kind RINEX 4 does not know: \"XYZ\""},
        {rinex4("> EPH E01 INAV\n" + kLnav),
         "RINEX 4 line 3: a marker line with no record lines after it"},
        {rinex4(kLnav + "> EPH E01 INAV\n"),
         "RINEX 4 line 12: the file ends after a marker line: its record is cut short"},
        {rinex4("> EPH G27 LNAV\n" + record(kFirst, 6) + kLnav),
         "RINEX 4 line 3: the GPS record has 7 lines where 8 are due"},
        {rinex4(kLnav + joinedLines({"> ION G29 LNAV",
                                     "    2022 06 08 09 59 48 1.024454832077E-08 "
                                     "2.235174179077E-08-5.960464477539Q-08",
                                     "    -1.192092895508E-07 9.625600000000E+04 "
                                     "1.310720000000E+05-6.553600000000E+04",
                                     "    -5.898240000000E+05 0.000000000000E+00"})),
         "RINEX 4 line 13: the ION G LNAV record: columns 62-80 hold no number"},
        {rinex4(kLnav + joinedLines({"> STO G26 LNAV",
                                     "    2022 06 31 19 56 48 GPUT                             "
                                     "     UTC(USNO)",
                                     "     2.952840000000E+05 9.313225746155E-10 "
                                     "2.664535259100E-15 0.000000000000E+00"})),
         "RINEX 4 line 13: the epoch's date or time does not exist"},
    };
    for (const auto& c : cases) {
        EXPECT_ERROR_WITH_PATH(convertNavigation(c.text),
                               std::string(testing::kNavigationPath) + ": " + c.fault)
            << c.text;
    }
}

// Empty lines at the end of a file, as some writers leave them, end no record.
TEST(NavigationFaults, NoneForEmptyLinesAtTheEnd) {
    const std::string text = rinex3(record(kFirst));
    EXPECT_EQ(convertNavigation(text + "\n  \n\n"), convertNavigation(text));
}

}  // namespace
}  // namespace chronoflip
