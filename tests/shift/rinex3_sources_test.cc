#include <gtest/gtest.h>

#include "core/paths.h"
#include "readers/source_name.h"
#include "run_helpers.h"

namespace chronoflip {
namespace {

using testing::fileExists;
using testing::readBytes;
using testing::runFiles;
using testing::TempFolder;

constexpr const char* kLongName = "DEMO00XXX_R_20100640000_01D_30S_MO.rnx";

std::string demo() {
    return readBytes(std::string(CHRONOFLIP_READERS_TEST_DATA) + "/" + kLongName);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The RINEX 2.11 copy is named as the RINEX 2 file of the same data would be, then the
// output modes work as for any RINEX 2 file; the RINEX 3 source is never touched.
TEST(Rinex3Sources, OutputModesNameTheCopyFromTheShortName) {
    TempFolder folder;
    const std::string source = folder.write(kLongName, demo());
    const std::string plain = folder.file("demo0640.10o");
    CorrectionPair corrections;

    const auto prefixRun = runFiles({source}, OutputMode::kKeepWorkFile, corrections);
    ASSERT_EQ(prefixRun.error, "");
    EXPECT_EQ(prefixRun.observer.log,
              (std::vector<std::string>{
                  source,
                  "RINEX 3.01 converted to 2.11; systems left out: Galileo (E), SBAS (S), "
                  "BeiDou (C)",
                  "", "                       --- F I N I S H E D ---"}));
    const std::string shifted = readBytes(folder.file("e_demo0640.10o"));
    EXPECT_TRUE(holds(shifted, " 82  3  5  0  0 00.0000000  0  3G13R19G07"));
    EXPECT_TRUE(
        holds(shifted, "  1982     3     5     0     0    0.0000000     GPS         TIME OF"));
    EXPECT_FALSE(holds(shifted, " 10  3  5"));

    ASSERT_EQ(runFiles({source}, OutputMode::kYearInExtension, corrections).error, "");
    EXPECT_EQ(readBytes(folder.file("demo0640.82o")), shifted);

    ASSERT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error, "");
    EXPECT_EQ(readBytes(plain), shifted);
    EXPECT_FALSE(fileExists(plain + ".bak"));
    // A RINEX 2 file already under the short name is kept as its backup, once.
    folder.write("demo0640.10o", "a RINEX 2 file\r\n");
    ASSERT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error, "");
    EXPECT_EQ(readBytes(plain + ".bak"), "a RINEX 2 file\r\n");
    EXPECT_EQ(
        runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error,
        "ErrorNr. 0Unable to rename " + plain + " to " + plain + ".bak: the backup already exists");
    EXPECT_EQ(readBytes(plain + ".bak"), "a RINEX 2 file\r\n");
    EXPECT_EQ(readBytes(source), demo());
}

// The version in the first line decides, not the name: a RINEX 3 file under a RINEX 2
// name has every epoch shifted, not its header alone.
TEST(Rinex3Sources, ARinex2NameDoesNotHideRinex3Content) {
    TempFolder folder;
    const std::string shifted = testing::shiftOne(folder, "DEMO0640.10O", demo());
    EXPECT_TRUE(holds(shifted, "Source DEMO0640.10O      "));
    EXPECT_TRUE(holds(shifted, "\r\n 82  3  5  0  0 00.0000000  0  3G13R19G07"));
    EXPECT_TRUE(holds(shifted, "\r\n 82  3  5  0  0 30.0000000  0  1R11\r\n"));
    EXPECT_FALSE(holds(shifted, " 10  3  5"));
}

// A fault ends the run with the file's name; the source, a file under the short name and
// its backup stay as they were, and no final name holds a partial copy.
TEST(Rinex3Sources, BadContentOrNameEndsTheRunAndLeavesNoPartialOutput) {
    const struct {
        const char* name;
        std::string bytes;
        std::string fault;
    } cases[] = {
        {kLongName, replaced(demo(), "     3.01", "     3.06"),
         "RINEX version 3.06, file type \"O\", system \"M\": a version not converted (converted "
         "are RINEX 3.00 to 3.05 and 4.00 to 4.02 observation files, and navigation files of GPS "
         "or mixed systems)"},
        {kLongName, demo().substr(0, demo().size() - 10),
         "RINEX 3 line 38: the last line has no line end: the file is cut short"},
        {"DEMO00XXX_R_20100640000_01D_MN.rnx", demo(),
         "the file holds RINEX 3.01 observation data, but its name says navigation data"},
        {"DEMO00XXX.rnx", demo(), std::string(kNameNotTaken)},
    };
    for (const auto& c : cases) {
        for (const OutputMode mode : testing::kAllOutputModes) {
            SCOPED_TRACE(std::string(c.name) + " " + testing::modeName(mode));
            TempFolder folder;
            const std::string source = folder.write(c.name, c.bytes);
            const std::string plain = folder.file("demo0640.10o");
            folder.write("demo0640.10o", "a RINEX 2 file\r\n");
            CorrectionPair corrections;
            const auto outcome = runFiles({source}, mode, corrections);
            EXPECT_EQ(outcome.error, c.fault);
            EXPECT_EQ(outcome.errorPath, source);
            EXPECT_EQ(readBytes(source), c.bytes);
            EXPECT_EQ(readBytes(plain), "a RINEX 2 file\r\n");
            EXPECT_FALSE(fileExists(plain + ".bak"));
            EXPECT_FALSE(fileExists(folder.file("demo0640.82o")));
        }
    }
}

}  // namespace
}  // namespace chronoflip
