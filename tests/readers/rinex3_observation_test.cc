#include "readers/rinex3_observation_input.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/error.h"
#include "memory_files.h"
#include "readers/rinex3_epoch.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::StringInput;

std::string fixture() {
    std::ifstream file(
        std::string(CHRONOFLIP_READERS_TEST_DATA) + "/DEMO00XXX_R_20100640000_01D_30S_MO.rnx",
        std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string converted(const std::string& text, KeptSystems systems, std::size_t chunk = 1 << 20,
                      ConversionReport* report = nullptr) {
    ConversionReport unused;
    Rinex3ObservationInput input(std::make_unique<StringInput>(text, chunk),
                                 {"demo.rnx", "DEMO00XXX_R_20100640000_01D_30S_MO.rnx", "3.01"},
                                 systems, report ? *report : unused);
    std::string out;
    char buffer[100];
    while (const std::size_t n = input.read(buffer, sizeof buffer)) out.append(buffer, n);
    return out;
}

// The four systems RINEX 2.11 holds: only BeiDou goes. The data lines are those of the
// converter's format notes, worked from demo3.10o.
constexpr std::string_view kAllFour =
    R"(     2.11           OBSERVATION DATA    M                   RINEX VERSION / TYPE
TESTGEN 1.0         CHRONOFLIP          20100306 120000 UTC PGM / RUN BY / DATE
Converted from RINEX 3.01 to 2.11 by Chronoflip 1.8         COMMENT
Source DEMO00XXX_R_20100640000_01D_30S_MO.rnx               COMMENT
Systems left out: BeiDou (C)                                COMMENT
A SMALL MIXED FILE WITH FIVE SYSTEMS                        COMMENT
DEMO                                                        MARKER NAME
12345M001                                                   MARKER NUMBER
OBSERVER            AGENCY                                  OBSERVER / AGENCY
4711                LEICA GR50          4.50                REC # / TYPE / VERS
815                 LEIAR25.R3      LEIT                    ANT # / TYPE
  4375274.0000   587466.0000  4589095.0000                  APPROX POSITION XYZ
        1.2340        0.0000        0.0000                  ANTENNA: DELTA H/E/N
     1     1                                                WAVELENGTH FACT L1/2
     7    C1    P1    L1    S1    P2    L2    S2            # / TYPES OF OBSERV
    30.000                                                  INTERVAL
  2010     3     5     0     0    0.0000000     GPS         TIME OF FIRST OBS
  2010     3     5     0     1    0.0000000     GPS         TIME OF LAST OBS
    15                                                      LEAP SECONDS
                                                            END OF HEADER
 10  3  5  0  0 00.0000000  0  4G13R19E11G07                        -0.123456789
  23095483.463 7  23095489.677 9 121367582.20508        42.000    23095481.949 9
  94572134.49208        40.000
  23095483.463 7                 134357446.85408        51.000

  23095483.463 7                 121367582.20508

  22227666.760 7  22600658.277 9 118767195.32608        57.000    22600648.232 9
  91018570.22508        32.000
 10  3  5  0  0 30.0000000  0  1R11
                                  11367582.205 8

                            4  1
THE ANTENNA WAS RAISED                                      COMMENT
)";

TEST(Rinex3Observation, ConvertsAMixedFileByteForByte) {
    ConversionReport report;
    EXPECT_EQ(converted(fixture(), KeptSystems::kGpsGlonassGalileoSbas, 1 << 20, &report),
              kAllFour);
    EXPECT_EQ(report.note, "RINEX 3.01 converted to 2.11; systems left out: BeiDou (C)");
    // Buffer edges anywhere give the same text, CR LF line ends too.
    std::string crlf;
    for (const char c : fixture()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(converted(crlf, KeptSystems::kGpsGlonassGalileoSbas, 7), kAllFour);
}

TEST(Rinex3Observation, KeptSystemsDecideSatellitesTypesAndTheSystemLetter) {
    const std::string gpsGlonass = converted(fixture(), KeptSystems::kGpsGlonass);
    EXPECT_NE(gpsGlonass.find("Systems left out: Galileo (E), SBAS (S), BeiDou (C)"),
              std::string::npos);
    EXPECT_NE(gpsGlonass.find(" 10  3  5  0  0 00.0000000  0  3G13R19G07"
                              "                           -0.123456789\n"),
              std::string::npos);

    const std::string gps = converted(fixture(), KeptSystems::kGps);
    EXPECT_TRUE(gps.starts_with("     2.11           OBSERVATION DATA    G      "));
    // The epoch that held GLONASS alone is left out whole; the event stays.
    EXPECT_EQ(gps.find("30.0000000"), std::string::npos);
    EXPECT_NE(gps.find("                            4  1\n"), std::string::npos);
}

TEST(Rinex3Epoch, ClockRoundsOnItsDigits) {
    const std::string start = "> 2010 03 05 00 00 00.0000000  0  1      ";
    const std::pair<std::string, std::string> cases[] = {
        {"-0.123456789012", "-0.123456789"}, {".000000000000", "  .000000000"},
        {"-.000246913578", " -.000246914"},  {"0.9999999995", " 1.000000000"},
        {".9999999996", " 1.000000000"},     {"12.3456789", "12.345678900"},
        {"-9.9999999994", "-9.999999999"},
    };
    for (const auto& [clock, rounded] : cases) {
        Rinex3Epoch epoch;
        const std::string line = start + std::string(15 - clock.size(), ' ') + clock;
        ASSERT_EQ(readRinex3Epoch(line, epoch), "") << clock;
        EXPECT_TRUE(epoch.hasClock);
        EXPECT_EQ(std::string(epoch.clock.data(), epoch.clock.size()), rounded) << clock;
    }
    Rinex3Epoch epoch;
    EXPECT_EQ(readRinex3Epoch(start + "-9.9999999996", epoch),
              "receiver clock offset is no number that fits F12.9");
}

TEST(Rinex3Epoch, RefusesLinesItCannotReadFaithfully) {
    const std::pair<std::string, std::string_view> cases[] = {
        // demo3.10o's second epoch: the count in 33-34, the clock from column 41.
        {"> 2010 03 05 00 00 30.0000000  0 8      -0.123456789012",
         "epoch line misaligned: columns 30-31 and 36-41 must be blank"},
        {"> 2010 03 05 00 00 30.0000000  0", "epoch line shorter than 35 columns"},
        {"> 2010 03 05 00 00 30.0000000  7  1", "epoch flag in column 32 is not 0 to 6"},
        {">                              0  1", "epoch date field is no number"},
        {"> 2010 03 05 00 00 30.000000   0  1", "epoch second is not F11.7"},
        {"> 2010 03 05 00 00 30.0000000  0  1       .000000000000 12345",
         "picoseconds in columns 58-62, which RINEX 2.11 cannot hold"},
    };
    for (const auto& [line, problem] : cases) {
        Rinex3Epoch epoch;
        EXPECT_EQ(readRinex3Epoch(line, epoch), problem) << line;
    }
    // Blank-padded date fields read as numbers; an event may leave its date blank.
    Rinex3Epoch epoch;
    EXPECT_EQ(readRinex3Epoch("> 2022 01 01  0  0  0.0000000  0 18        .000000000000", epoch),
              "");
    EXPECT_EQ(readRinex3Epoch(">                              3  0", epoch), "");
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(Rinex3Observation, EachFaultNamesFileLineAndWhatIsWrong) {
    const std::string good = fixture();
    const std::string withoutLastLine = good.substr(0, good.rfind("C01"));
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {replaced(good, "G    1            ", "G   10            "),
         "RINEX 3 line 18: SYS / SCALE FACTOR other than 1: the values would change"},
        {replaced(good, "C    2 C2I L2I", "C    3 C2I L2I"),
         "RINEX 3 line 16: SYS / # / OBS TYPES gives fewer codes than its count"},
        {replaced(good, "E    2 L1C C1C", "E    1 L1C C1C"),
         "RINEX 3 line 14: SYS / # / OBS TYPES gives more codes than its count"},
        {replaced(good, "E    2 L1C C1C", "X    2 L1C C1C"),
         "RINEX 3 line 14: unknown satellite system letter \"X\""},
        {replaced(good, "E11 121367582", "J11 121367582"),
         "RINEX 3 line 29: satellite of system J, for which the header gives no "
         "SYS / # / OBS TYPES"},
        {replaced(good, "R19 134357446.85408  23095483.463 7        51.000",
                  "R19 134357446.85408  23095483.463 7        51.000           1.000"),
         "RINEX 3 line 27: observation line with more fields than its system's SYS / # / "
         "OBS TYPES"},
        {replaced(good, "E11 121367582", "G13 121367582"),
         "RINEX 3 line 29: satellite listed twice in one epoch"},
        {replaced(good,
                  "GEODETIC                                                    MARKER TYPE\n>",
                  "G    1 C1C                                                   SYS / # / OBS "
                  "TYPES\n>"),
         "RINEX 3 line 36: SYS / # / OBS TYPES inside the data: types changing within the "
         "file cannot be converted"},
        {replaced(good, "R11  11367582.205 8", "R11  1136758.2205 8"),
         "RINEX 3 line 32: observation field 1 is not F14.3 with LLI and signal strength "
         "digits"},
        {replaced(good, "R11  11367582.205 8", "R11  11367582.205 8   O"),
         "RINEX 3 line 32: observation line with characters no number or flag is written "
         "with"},
        {replaced(good, "> 2010 03 05 00 00 30", "\n> 2010 03 05 00 00 30"),
         "RINEX 3 line 31: empty line inside the data"},
        {withoutLastLine, "RINEX 3 line 37: the file ends inside an epoch: it is cut short"},
        {withoutLastLine + "C01  23095483.463 7",
         "RINEX 3 line 38: the last line has no line end: the file is cut short"},
        {good.substr(0, good.find("                                                            "
                                  "END OF HEADER")),
         "RINEX 3 line 23: the header has no END OF HEADER"},
        {replaced(good, "> 2010 03 05 00 00 30.0000000  0  2",
                  "  2010 03 05 00 00 30.0000000  0  2"),
         "RINEX 3 line 31: expected an epoch line starting with \">\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_ERROR_WITH_PATH(converted(c.text, KeptSystems::kGpsGlonass),
                               "demo.rnx: " + c.message);
    }
    // Nothing of a kept system that 2.11 holds: refused rather than written empty.
    EXPECT_ERROR_WITH_PATH(
        converted(replaced(replaced(good, "G    7 L1C L2P C1P C2P C1C S1P S2P",
                                    "G    7 L3X L4X C3X C4X C3X S3X S4X"),
                           "R    3 L1C C1C S1C", "R    3 L3Q C3Q S3Q"),
                  KeptSystems::kGpsGlonass),
        "demo.rnx: RINEX 3 line 24: no observation of the systems kept (GR) that RINEX 2.11 "
        "can hold: nothing to convert");
    // Empty lines at the very end are no fault.
    EXPECT_EQ(converted(good + "\n\n", KeptSystems::kGpsGlonass),
              converted(good, KeptSystems::kGpsGlonass));
}

}  // namespace
}  // namespace chronoflip
