#include <gtest/gtest.h>

#include <optional>

#include "core/error.h"
#include "core/paths.h"
#include "decoder_helpers.h"
#include "readers/source_name.h"
#include "run_helpers.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::compressedFixture;
using testing::fileExists;
using testing::readBytes;
using testing::runFiles;
using testing::TempFolder;

TEST(SourceName, CompressionSuffixesComeOffBeforeTheKindLetter) {
    const struct {
        const char* path;
        Compression compression;
        std::optional<FileKind> kind;
        const char* output;
    } cases[] = {
        {"/gps/abcd0480.16d.Z", Compression::kUnixCompress, FileKind::kObservation,
         "/gps/abcd0480.16o"},
        {"/gps/KOSG0010.95D", Compression::kNone, FileKind::kObservation, "/gps/KOSG0010.95O"},
        {"/gps/brdc0480.16n.gz", Compression::kGzip, FileKind::kNavigation, "/gps/brdc0480.16n"},
        {"/gps/igs18901.sp3.z", Compression::kUnixCompress, FileKind::kSp3, "/gps/igs18901.sp3"},
        {"/gps/COD0MGXFIN_20160480000_01D_05M_ORB.SP3.GZ", Compression::kGzip, FileKind::kSp3,
         "/gps/COD0MGXFIN_20160480000_01D_05M_ORB.SP3"},
        {"/gps/abcd0480.16m.gz", Compression::kGzip, std::nullopt, "/gps/abcd0480.16m"},
        {"/gps/abcd0480.16o", Compression::kNone, FileKind::kObservation, "/gps/abcd0480.16o"},
        // RINEX 3 long names give the RINEX 2 short name: hourly files take the hour letter,
        // files of minutes the high-rate form.
        {"/gps/ACOR00ESP_R_20213550000_01D_30S_MO.crx.gz", Compression::kGzip,
         FileKind::kObservation, "/gps/acor3550.21o"},
        {"/gps/KMS300DNK_R_20221591000_01H_30S_MO.crx", Compression::kNone, FileKind::kObservation,
         "/gps/kms3159k.22o"},
        {"/gps/GRAS00FRA_R_20223151700_15M_01S_MO.crx.gz", Compression::kGzip,
         FileKind::kObservation, "/gps/gras315r00.22o"},
        {"/gps/ALAC00ESP_R_20220090000_01D_30S_MO.rnx.Z", Compression::kUnixCompress,
         FileKind::kObservation, "/gps/alac0090.22o"},
        {"/gps/BRDC00IGS_R_20201360000_01D_MN.rnx", Compression::kNone, FileKind::kNavigation,
         "/gps/brdc1360.20n"},
        {"/gps/KMS300DNK_R_20221591000_01H_MN.rnx.gz", Compression::kGzip, FileKind::kNavigation,
         "/gps/kms3159k.22n"},
        {"/gps/DUTH0630.22D", Compression::kNone, FileKind::kObservation, "/gps/DUTH0630.22O"},
        {"/gps/acor00esp_r_20213550000_01d_30s_mo.rnx", Compression::kNone, FileKind::kObservation,
         "/gps/acor3550.21o"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readSourceName(c.path).compression, c.compression) << c.path;
        EXPECT_EQ(fileKind(c.path), c.kind) << c.path;
        EXPECT_EQ(outputNamePath(c.path), c.output) << c.path;
    }
    EXPECT_TRUE(isCompactRinex("/gps/ACOR00ESP_R_20213550000_01D_30S_MO.crx.gz"));
    EXPECT_FALSE(isCompactRinex("/gps/ALAC00ESP_R_20220090000_01D_30S_MO.rnx"));
    // A name ending .rnx or .crx is taken in the long form only: no name is invented.
    for (const char* path : {"/gps/KUNZ00CZE.crx", "/gps/ACOR00ESP_R_20213552400_01D_30S_MO.rnx",
                             "/gps/BRDC00IGS_R_20201360000_01D_MN.crx",
                             "/gps/ACOR00ESP_R_20213550000_01D_30S_MM.rnx.gz",
                             "/gps/ACOR00ESP_R_2021355000_01D_30S_MO.rnx"}) {
        EXPECT_EQ(fileKind(path), std::nullopt) << path;
        EXPECT_THROW_MSG(outputNamePath(path), Error, std::string(kNameNotTaken));
    }
}

// A compressed or Compact RINEX source gives, under the plain name, the very work file its
// plain text gives.
TEST(CompressedSources, ShiftExactlyAsTheirPlainText) {
    const struct {
        const char* fixture;
        const char* source;
        const char* plain;      // the committed plain text
        const char* plainName;  // named as the plain source would be
    } cases[] = {
        {"compact_rinex.16d", "abcd0480.16d", "compact_rinex.16o", "abcd0480.16o"},
        {"compact_rinex.16d.Z", "abcd0480.16d.Z", "compact_rinex.16o", "abcd0480.16o"},
        {"compact_rinex.16d.gz", "ABCD0480.16D.GZ", "compact_rinex.16o", "ABCD0480.16O"},
        {"navigation.16n.gz", "brdc0480.16n.gz", "navigation.16n", "brdc0480.16n"},
        {"orbits.sp3.Z", "igs18844.sp3.Z", "orbits.sp3", "igs18844.sp3"},
        {"orbits.sp3.gz", "COD0MGXFIN_20160480000_01D_05M_ORB.SP3.gz", "orbits.sp3",
         "COD0MGXFIN_20160480000_01D_05M_ORB.SP3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        TempFolder compressed;
        TempFolder plain;
        const std::string bytes = readBytes(compressedFixture(c.fixture));
        const std::string source = compressed.write(c.source, bytes);
        CorrectionPair corrections;
        ASSERT_EQ(runFiles({source}, OutputMode::kKeepWorkFile, corrections).error, "");
        EXPECT_EQ(readBytes(source), bytes);
        const std::string expected =
            testing::shiftOne(plain, c.plainName, readBytes(testing::testData(c.plain)));
        EXPECT_EQ(readBytes(compressed.file(std::string("e_") + c.plainName)), expected);
    }
}

TEST(CompressedSources, OutputModesNameTheCopyFromThePlainName) {
    TempFolder folder;
    const std::string bytes = readBytes(compressedFixture("compact_rinex.16d.Z"));
    const std::string source = folder.write("abcd0480.16d.Z", bytes);
    const std::string plain = folder.file("abcd0480.16o");
    CorrectionPair corrections;

    ASSERT_EQ(runFiles({source}, OutputMode::kYearInExtension, corrections).error, "");
    const std::string shifted = readBytes(folder.file("abcd0480.88o"));
    EXPECT_NE(shifted.find(" 88  2 17  0  0  0.0000000  0 13G01"), std::string::npos);
    EXPECT_FALSE(fileExists(folder.file("e_abcd0480.16o")));

    // Overwrite mode takes the plain name; with no plain file there, no backup is made.
    ASSERT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error, "");
    EXPECT_EQ(readBytes(plain), shifted);
    EXPECT_FALSE(fileExists(plain + ".bak"));
    // A plain file already under that name becomes the backup, once: a second backup
    // would replace the first.
    folder.write("abcd0480.16o", "a plain file\r\n");
    ASSERT_EQ(runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error, "");
    EXPECT_EQ(readBytes(plain + ".bak"), "a plain file\r\n");
    EXPECT_EQ(
        runFiles({source}, OutputMode::kOverwriteWithBackup, corrections).error,
        "ErrorNr. 0Unable to rename " + plain + " to " + plain + ".bak: the backup already exists");
    EXPECT_EQ(readBytes(plain + ".bak"), "a plain file\r\n");
    EXPECT_EQ(readBytes(plain), shifted);
    EXPECT_EQ(readBytes(folder.file("e_abcd0480.16o")), shifted);
    EXPECT_EQ(readBytes(source), bytes);
}

std::string flipped(std::string bytes, std::size_t at) {
    bytes.at(at) ^= 0x55;
    return bytes;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// Whatever is wrong with a source's content, the run ends with its name and the fault;
// the source, a plain file under the output name and its backup stay as they were, and
// no final output name holds a partial copy.
TEST(CompressedSources, BadContentEndsTheRunAndLeavesNoPartialOutput) {
    const std::string gz = readBytes(compressedFixture("compact_rinex.16d.gz"));
    const std::string z = readBytes(compressedFixture("compact_rinex.16d.Z"));
    const std::string compact = readBytes(compressedFixture("compact_rinex.16d"));
    const std::string observation = readBytes(testing::testData("compact_rinex.16o"));
    const struct {
        const char* name;
        std::string bytes;
        const char* fault;
    } cases[] = {
        {"abcd0480.16o.gz", observation, "not gzip data"},
        {"abcd0480.16d.gz", gz.substr(0, gz.size() - 12),
         "gzip data ends early: the file is cut short"},
        {"abcd0480.16d.gz", flipped(gz, gz.size() - 6),
         "gzip data damaged: the CRC in its trailer does not match"},
        {"abcd0480.16n.Z", gz, "not data of Unix compress (.Z)"},
        {"abcd0480.16d.Z", flipped(z, 4), "compressed data damaged: code out of range"},
        {"abcd0480.16d", observation,
         "Compact RINEX line 1: not Compact RINEX 1.0: no \"1.0 "
         "COMPACT RINEX FORMAT\" CRINEX VERS / TYPE line"},
        {"abcd0480.16d", replaced(compact, "3&42 3&-42", "42 3&-42"),
         "Compact RINEX line 30: observation used before its arc was initialised"},
        {"abcd0480.16d", replaced(compact, "1000000 -1", "1000000 1"),
         "Compact RINEX line 26: observation too long for its F14.3 field"},
    };
    for (const auto& c : cases) {
        for (const OutputMode mode : testing::kAllOutputModes) {
            SCOPED_TRACE(std::string(c.name) + " " + testing::modeName(mode));
            TempFolder folder;
            const std::string source = folder.write(c.name, c.bytes);
            const std::string plain = outputNamePath(source);
            folder.write(std::string(namePart(plain)), "a plain file\r\n");
            CorrectionPair corrections;
            const auto outcome = runFiles({source}, mode, corrections);
            EXPECT_EQ(outcome.error, c.fault);
            EXPECT_EQ(outcome.errorPath, source);
            EXPECT_EQ(readBytes(source), c.bytes);
            EXPECT_EQ(readBytes(plain), "a plain file\r\n");
            EXPECT_FALSE(fileExists(plain + ".bak"));
            EXPECT_FALSE(fileExists(withExtension(plain, ".88o")));
        }
    }
}

}  // namespace
}  // namespace chronoflip
