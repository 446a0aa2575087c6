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
        {rinex3(""), "RINEX 3 file: no GPS record to convert; the file holds no record"},
        {rinex3(record(kFirst, 4)),
         "RINEX 3 line 7: the file ends inside the GPS record: it is cut short"},
        {rinex3(record(kFirst, 6) + record(kFirst)),
         "RINEX 3 line 3: the GPS record has 7 lines where 8 are due"},
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
        {rinex3(record(kFirst) + "   \n" + record(kFirst)),
         "RINEX 3 line 11: an empty line among the records: only the end may have them"},
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

// What real files do and a reader must take: CR LF line ends, lines padded with blanks,
// empty lines at the end, a blank-padded satellite number, a RINEX 3.00 first line with a
// blank system, other systems' header records, a second GPSA, CNAV records shaped like
// LNAV, STO records of other codes before the GPUT one.
TEST(NavigationFaults, NoneInWhatRealFilesDo) {
    const std::string plain = rinex3(record(kFirst));
    std::string padded;
    for (std::size_t start = 0; start < plain.size();) {
        const std::size_t end = plain.find('\n', start);
        std::string line = plain.substr(start, end - start);
        line.resize(std::max<std::size_t>(line.size(), 80), ' ');
        padded += line + "\r\n";
        start = end + 1;
    }
    EXPECT_EQ(convertNavigation(padded + "\r\n\n  \n"), convertNavigation(plain));

    EXPECT_EQ(convertNavigation(withFirstLine("G 5" + kFirst.substr(3))),
              convertNavigation(withFirstLine("G05" + kFirst.substr(3))));

    const std::string blankSystem = joinedLines(
        {"     3.00           N: NAV DATA GPS                         RINEX VERSION / TYPE", kEnd});
    std::string note;
    convertNavigation(blankSystem + record(kFirst), &note);
    EXPECT_EQ(note, "RINEX 3.00 converted to 2.11; GPS records kept: 1");

    const std::string header = joinedLines({
        kVersion3,
        "GAL    1.3875e+02  1.2891e-01  1.8494e-02                   IONOSPHERIC CORR",
        "GPSA   2.6077e-08  7.4506e-09 -1.1921e-07  0.0000e+00       IONOSPHERIC CORR",
        "GPSA   1.0000e-08  7.4506e-09 -1.1921e-07  0.0000e+00       IONOSPHERIC CORR",
        "BDUT -9.3132257462e-10 0.000000000e+00     14 2253          TIME SYSTEM CORR",
        "XXXX  0.0000000000e+00 0.000000000e+00 172800 2253          TIME SYSTEM CORR",
        kEnd,
    });
    const std::string converted = convertNavigation(header + record(kFirst));
    EXPECT_NE(converted.find("\n    2.6077e-08  7.4506e-09 -1.1921e-07  0.0000e+00          ION "
                             "ALPHA\n"),
              std::string::npos)
        << converted;
    EXPECT_EQ(converted.find("1.0000e-08"), std::string::npos) << converted;
    EXPECT_EQ(converted.find("DELTA-UTC"), std::string::npos) << converted;

    const std::string cnav = "> EPH G27 CNAV\n" + record(kFirst);
    const std::string otherCode = joinedLines(
        {"> STO G26 LNAV",
         "    2022 06 10 19 56 48 GPGA                                  UTC(USNO)",
         "     2.952840000000E+05 9.313225746155E-10 2.664535259100E-15 0.000000000000E+00"});
    const std::string gpsToUtc = joinedLines(
        {"> STO G26 LNAV",
         "    2022 06 10 19 56 48 GPUT                                  UTC(USNO)",
         "     2.952840000000E+05 1.000000000000E-09 2.664535259100E-15 0.000000000000E+00"});
    const std::string rinex2 =
        convertNavigation(rinex4(cnav + otherCode + kLnav + gpsToUtc), &note);
    EXPECT_NE(rinex2.find("\n    1.000000000000E-09 2.664535259100E-15   503808     2213 "
                          "DELTA-UTC: A0,A1,T,W\n"),
              std::string::npos)
        << rinex2;
    EXPECT_EQ(note,
              "RINEX 4.00 converted to 2.11; GPS records kept: 1; records left out: 1 GPS "
              "CNAV/CNV2, 2 STO");
}

}  // namespace
}  // namespace chronoflip
