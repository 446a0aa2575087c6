#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/error.h"
#include "memory_files.h"
#include "readers/compact_rinex_input.h"
#include "rinex_text.h"
#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::headerLine;
using testing::lf;
using testing::StringInput;

constexpr const char* kPath = "/gnss/ACOR00ESP_R_20213550000_01D_30S_MO.crx";

std::unique_ptr<InputFile> decoderOf(const std::string& bytes, std::size_t chunk = 1 << 20) {
    return std::make_unique<CompactRinexInput>(std::make_unique<StringInput>(bytes, chunk), kPath);
}

const std::string kVersion =
    headerLine("3.0                 COMPACT RINEX FORMAT", "CRINEX VERS   / TYPE");
const std::string kProgram =
    headerLine("RNX2CRX ver.4.1.0                       21-Dec-21 00:00", "CRINEX PROG / DATE");
const std::string kRinex =
    headerLine("     3.04           OBSERVATION DATA    M: MIXED", "RINEX VERSION / TYPE");
// G as in ACOR00ESP; E continues on a second line; R is kept short.
const std::string kGpsTypes =
    headerLine("G   12 C1C L1C S1C C2S L2S S2S C2W L2W S2W C5Q L5Q S5Q", "SYS / # / OBS TYPES");
const std::string kGalileoTypes =
    headerLine("E   14 C1C L1C S1C C5Q L5Q S5Q C7Q L7Q S7Q C8Q L8Q S8Q C6C", "SYS / # / OBS TYPES");
const std::string kGalileoMore = headerLine("       L6C", "SYS / # / OBS TYPES");
const std::string kGlonassTypes = headerLine("R    3 C1C L1C S1C", "SYS / # / OBS TYPES");
const std::string kEnd = testing::kEndOfHeader;

// G07's two epochs of ACOR00ESP and what they give.
const std::string kG07First =
    "3&23818653240 3&125167854812 3&43400 3&23818653000 3&97533394668 3&42950 3&23818652720 "
    "3&97533382650 3&42350    &&07&&&&07&&&&07&&&&&&&&";
const std::string kG07Second =
    "328720 1727170 -250 328720 1345828 -1100 328700 1345832 -600             6     6";
const std::string kG07FirstRinex =
    "G07  23818653.240   125167854.81207        43.400    23818653.000    97533394.66807        "
    "42.950    23818652.720    97533382.65007        42.350";
const std::string kG07SecondRinex =
    "G07  23818981.960   125169581.98207        43.150    23818981.720    97534740.49606        "
    "41.850    23818981.420    97534728.48206        41.750";

// Six epochs: a complete one; a difference that adds E11 and a clock of exactly -1.5 s,
// where R04's L1C goes blank and keeps its flags; an event whose records give R two
// types; an escape line; a complete epoch after the event with a clock below a second;
// a difference that drops R04, moves G07 to the front and ends the clock; a flag-6 epoch
// whose record passes column 80.
TEST(CompactRinex3, RestoresTheRinex3TextExactly) {
    const std::string compact = lf({
        kVersion,
        kProgram,
        kRinex,
        kGpsTypes,
        kGalileoTypes,
        kGalileoMore,
        kGlonassTypes,
        kEnd + "       ",
        "> 2021 12 21 00 00  0.0000000  0  2      G07R04",
        "",
        kG07First,
        "3&20000000000 3&100000000000 3&45000 &&17&&",
        "                   3              3            E11",
        "3&-1500000000000",
        kG07Second,
        "1000  -250",
        "3&25000000000 3&131000000000 3&40000            &&&6&&",
        "> 2021 12 21 00 01 00.0000000  4  2",
        headerLine("R    2 C1C L1C", "SYS / # / OBS TYPES"),
        headerLine("RECEIVER RESTARTED", "COMMENT") + "   ",
        "&an escape line, which the decoder skips",
        "> 2021 12 21 00 01 30.0000000  0  2      R04G07",
        "3&123456789",
        "3&20000002000 3&100000001000 &&1",
        "3&23818981960",
        "                 2 0              1      G 7&&&",
        "",
        "1000",
        "> 2021 12 21 00 02 00.0000000  6  1",
        "G07  23818982.960 1" + std::string(70, ' ') + "2.000   ",
    });
    const std::string rinex = lf({
        kRinex,
        kGpsTypes,
        kGalileoTypes,
        kGalileoMore,
        kGlonassTypes,
        kEnd,
        "> 2021 12 21 00 00  0.0000000  0  2",
        kG07FirstRinex,
        "R04  20000000.000   100000000.00017        45.000",
        "> 2021 12 21 00 00 30.0000000  0  3      -1.500000000000",
        kG07SecondRinex,
        "R04  20000001.000                17        44.750",
        "E11  25000000.000   131000000.000 6        40.000",
        "> 2021 12 21 00 01 00.0000000  4  2",
        headerLine("R    2 C1C L1C", "SYS / # / OBS TYPES"),
        headerLine("RECEIVER RESTARTED", "COMMENT"),
        "> 2021 12 21 00 01 30.0000000  0  2        .000123456789",
        "R04  20000002.000   100000001.0001",
        "G07  23818981.960",
        "> 2021 12 21 00 02 00.0000000  0  1",
        "G07  23818982.960",
        "> 2021 12 21 00 02 00.0000000  6  1",
        "G07  23818982.960 1" + std::string(70, ' ') + "2.000",
    });
    // Buffer boundaries anywhere, down to a byte, must not show.
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} << 20}) {
        for (const std::size_t request : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            EXPECT_EQ(testing::drain(*decoderOf(compact, chunk), request), rinex)
                << "chunk " << chunk << " request " << request;
        }
    }
}

// The clock is F15.12 without a leading zero, computed exactly over its whole range.
TEST(CompactRinex3, WritesClockOffsetsExactly) {
    const struct {
        std::string clock;
        std::string text;
    } cases[] = {
        {"3&0", "  .000000000000"},
        {"3&-246913578", " -.000246913578"},
        {"3&-1500000000000", "-1.500000000000"},  // a whole number of 0.1 ms, negative
        {"3&1000000000000", " 1.000000000000"},
        {"3&99999999999999", "99.999999999999"},
        {"3&-9999999999999", "-9.999999999999"},
    };
    const std::string epoch = "> 2021 12 21 00 00  0.0000000  0  1      R04";
    for (const auto& c : cases) {
        const std::string compact =
            lf({kVersion, kProgram, kRinex, kGlonassTypes, kEnd, epoch, c.clock, "3&1"});
        EXPECT_EQ(
            testing::drain(*decoderOf(compact), 1 << 16),
            lf({kRinex, kGlonassTypes, kEnd, epoch.substr(0, 41) + c.text, "R04          .001"}))
            << c.clock;
    }
}

TEST(CompactRinex3, RealFileDecodesToItsTwinByteForByte) {
    const std::filesystem::path folder = testing::realRinex3Folder();
    if (folder.empty()) GTEST_SKIP() << "no real RINEX 3 data folder beside the project";
    // The twin has LF line ends and no trailing blanks, as the decoder writes lines.
    const std::string compact = testing::readBytes((folder / "DUTH0630.22D").string());
    const std::string twin = testing::readBytes((folder / "DUTH0630.22O").string());
    EXPECT_TRUE(testing::drain(*decoderOf(compact), 1 << 16) == twin);
    EXPECT_TRUE(testing::drain(*decoderOf(compact, 3), 5) == twin) << "read in tiny pieces";
}

TEST(CompactRinex3, FaultsNameTheFileTheLineAndTheReason) {
    // Header lines 1 to 5, then an epoch of R04 from line 6, its clock line on 7.
    const std::string h = lf({kVersion, kProgram, kRinex, kGlonassTypes, kEnd});
    const std::string kEpoch = "> 2021 12 21 00 00  0.0000000  0  1      R04\n\n";
    const std::string e = h + kEpoch + "3&1 3&2 3&3\n";
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        // The version and the header.
        {"3.1" + h.substr(3),
         "line 1: version \"3.1\" is not read (only Compact RINEX 1.0 and "
         "3.0 are)"},
        {lf({kVersion, kProgram, testing::kObservationVersion, kGlonassTypes, kEnd}),
         "line 3: the RINEX header inside is not of version 3 or 4"},
        {lf({kVersion, kProgram, kRinex, kEnd}), "line 4: the header gives no SYS / # / OBS TYPES"},
        {lf({kVersion, kProgram, kRinex, "R    x" + kGlonassTypes.substr(6), kEnd}),
         "line 4: the number of observation types of a system is not a number from 1 to 999"},
        {lf({kVersion, kProgram, kRinex, kGlonassTypes + " x", kEnd}),
         "line 4: header line longer than 80 columns"},
        {lf({kVersion, kProgram, kRinex, kGlonassTypes}),
         "line 4: the file ends before END OF HEADER"},
        // Epoch text.
        {h + "> 2021 12 21 00 00  0.0000000  7  1      R04\n", "line 6: malformed epoch line"},
        {h + "> 2021 12 21 00 00  0.00000000 0  1      R04\n", "line 6: malformed epoch line"},
        {h + "> 2021 12 21 00 00  0.0000000  0  x      R04\n", "line 6: malformed epoch line"},
        {e + "                               2\n", "line 9: malformed epoch line"},
        {h + "> 2021 12 21 00 00  0.0000000  0  2      R04R04\n",
         "line 6: a satellite is listed twice in the epoch line"},
        {h + "> 2021 12 21 00 00  0.0000000  0  1      C05\n",
         "line 6: satellite C05 is of a system the header gives no SYS / # / OBS TYPES for"},
        {h + "> 2021 12 21 00 00  0.0000000  0  1      R04R05\n",
         "line 6: epoch line longer than its satellite list"},
        {h + "> 2021 12 21 00 00  0.0000000  0  2      R04R0\n",
         "line 6: epoch line lists fewer satellites than its count"},
        {h + "                   3\n",
         "line 6: epoch line is a difference, but no epoch was initialised before it"},
        {e + "> 2021 12 21 00 01 00.0000000  3  0\n                   3\n",
         "line 10: epoch line is a difference, but no epoch was initialised before it"},
        {e + "> 2021 12 21 00 01 00.0000000  3 x1\n",
         "line 9: malformed count of special records in an event line"},
        // Data lines: more fields than R has types, values used before their arc started
        // (a new satellite's, a field blank the epoch before, a satellite back after a gap).
        {h + kEpoch + "3&1 3&2 3&3 3&4 3&5\n",
         "line 8: flag string longer than two flags per observation type"},
        {h + kEpoch + "3&1 2 3&3\n", "line 8: observation used before its arc was initialised"},
        {h + kEpoch + "3&1  3&3\n                   3\n\n1 1 1\n",
         "line 11: observation used before its arc was initialised"},
        {e + "                   3                       5\n\n3&1\n"
             "                 1 0                       4\n\n1\n",
         "line 14: observation used before its arc was initialised"},
        {h + kEpoch + "3&1x\n", "line 8: malformed number \"3&1x\""},
        {h + kEpoch + "3&10000000000000\n", "line 8: observation too long for its F14.3 field"},
        // The clock.
        {h + "> 2021 12 21 00 00  0.0000000  0  1      R04\n5\n",
         "line 7: clock offset used before its arc was initialised"},
        {e + "                   3\n5\n",
         "line 10: clock offset used before its arc was initialised"},
        {h + "> 2021 12 21 00 00  0.0000000  0  1      R04\n3&100000000000000\n",
         "line 7: clock offset too long for its field"},
        {h + "> 2021 12 21 00 00  0.0000000  0  1      R04\n3&-10000000000000\n",
         "line 7: clock offset too long for its field"},
        // A file cut short.
        {h + "> 2021 12 21 00 00  0.0000000  0  1      R04\n",
         "line 6: the file ends inside an epoch: it is cut short"},
        {h + kEpoch, "line 7: the file ends inside an epoch: it is cut short"},
        {h + "> 2021 12 21 00 01 00.0000000  4  2\n" + headerLine("", "COMMENT") + "\n",
         "line 7: the file ends inside an epoch: it is cut short"},
        {h + kEpoch + "3&1 3&", "line 8: the last line has no line end: the file is cut short"},
    };
    for (const auto& c : cases) {
        EXPECT_ERROR_WITH_PATH(testing::drain(*decoderOf(c.text), 4096),
                               std::string(kPath) + ": Compact RINEX " + c.fault)
            << c.text;
    }
}

}  // namespace
}  // namespace chronoflip
