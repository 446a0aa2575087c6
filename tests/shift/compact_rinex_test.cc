#include <gtest/gtest.h>

#include <memory>

#include "core/error.h"
#include "decoder_helpers.h"
#include "memory_files.h"
#include "readers/compact_rinex_input.h"
#include "rinex_text.h"
#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::headerLine;
using testing::readBytes;
using testing::StringInput;

std::unique_ptr<InputFile> decoderOf(const std::string& bytes, std::size_t chunk = 1 << 20) {
    return std::make_unique<CompactRinexInput>(std::make_unique<StringInput>(bytes, chunk),
                                               "/gps/abcd0480.16d");
}

// The committed file holds what the real files lack: clock offsets (negative, below a
// second, exactly -1.5 s), more than twelve satellites, more than five types, blank and
// missing fields, flags changed and blanked, satellites leaving and arriving, arcs of
// orders 0 to 5 restarted, an event whose records change the types, and Ctrl-Z.
TEST(CompactRinex, RestoresTheRinexTextExactly) {
    const std::string compact = readBytes(testing::testData("compact_rinex.16d"));
    const std::string rinex = readBytes(testing::testData("compact_rinex.16o"));
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} << 20}) {
        for (const std::size_t request : {std::size_t{1}, std::size_t{100}, std::size_t{1} << 20}) {
            EXPECT_EQ(testing::drain(*decoderOf(compact, chunk), request), rinex)
                << "chunk " << chunk << " request " << request;
        }
    }
}

TEST(CompactRinex, RealFilesDecodeToTheirTwinsByteForByte) {
    const std::filesystem::path real = testing::realDataFolder();
    if (real.empty()) GTEST_SKIP() << "no real data folder beside the project";
    for (const auto& [compact, twin] :
         {std::pair{"KOSG0010.95D", "KOSG0010.95O"}, std::pair{"wsra0010.21d", "wsra0010.21o"}}) {
        EXPECT_TRUE(testing::drain(*decoderOf(readBytes((real / compact).string())), 1 << 16) ==
                    readBytes((real / twin).string()))
            << compact;
    }
}

std::string joined(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

const std::string kVersion =
    headerLine("1.0                 COMPACT RINEX FORMAT", "CRINEX VERS   / TYPE");
const std::string kProgram = headerLine("test", "CRINEX PROG / DATE");
const std::string& kRinex = testing::kObservationVersion;
const std::string kTypes = headerLine("     2    C1    L1", "# / TYPES OF OBSERV");
const std::string& kEnd = testing::kEndOfHeader;

// Header lines 1 to 5, then an epoch of G01 and G02 from line 6, its clock line on 7.
const std::string kEpoch = "&16  2 17  0  0  0.0000000  0  2G01G02\n\n";
const std::string kTwoSatellites = "3&1 3&2\n3&3 3&4\n";

TEST(CompactRinex, FaultsNameTheFileTheLineAndTheReason) {
    const std::string h = joined({kVersion, kProgram, kRinex, kTypes, kEnd});
    const std::string e = h + kEpoch + kTwoSatellites;
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {"", "file: the file is empty"},
        {"1.0                 COMPACT RINEX\n",
         "line 1: "
         "not Compact RINEX 1.0: no \"1.0 COMPACT RINEX FORMAT\" CRINEX VERS / TYPE line"},
        {"3.0" + h.substr(3),
         "line 1: "
         "not Compact RINEX 1.0: no \"1.0 COMPACT RINEX FORMAT\" CRINEX VERS / TYPE line"},
        {joined({kVersion, kRinex, kTypes, kEnd}), "line 2: no CRINEX PROG / DATE line"},
        {joined({kVersion, kProgram, "     3.04" + kRinex.substr(9), kTypes, kEnd}),
         "line 3: the RINEX header inside is not of version 2"},
        {joined({kVersion, kProgram, kRinex, "    x2" + kTypes.substr(6), kEnd}),
         "line 4: the number of observation types is not a number from 1 to 99"},
        {joined({kVersion, kProgram, kRinex, headerLine("", "COMMENT") + std::string(14, ' ') + "x",
                 kEnd}),
         "line 4: header line longer than 80 columns"},
        {joined({kVersion, kProgram, kRinex, kEnd}),
         "line 4: the header gives no # / TYPES OF OBSERV"},
        {joined({kVersion, kProgram, kRinex, kTypes}),
         "line 4: the file ends before END OF HEADER"},
        {h + " 16  2 17  0  0  0.0000000  0  2G01G02\n",
         "line 6: "
         "epoch line is a difference, but no epoch was initialised before it"},
        // Values used before their arc was started.
        {h + kEpoch + "3&1 2\n", "line 8: observation used before its arc was initialised"},
        {h + kEpoch + "3&1\n3&3 3&4\n\n\n1 1\n",
         "line 12: observation used before its arc was initialised"},
        {h + "&16  2 17  0  0  0.0000000  0  2G01G02\n5\n",
         "line 7: clock offset used before its arc was initialised"},
        {e + "\n3&5\n1 1\n1 1\n\n\n1 1\n1 1\n\n2\n",
         "line 19: clock offset used before its arc was initialised"},
        // Numbers the format cannot hold.
        {h + kEpoch + "3&1x 3&2\n", "line 8: malformed number \"3&1x\""},
        {h + kEpoch + "6&1 3&2\n", "line 8: malformed number \"6&1\""},
        {h + kEpoch + "3&1234567890123456789\n",
         "line 8: malformed number \"3&1234567890123456789\""},
        {h + kEpoch + "3&10000000000000\n", "line 8: observation too long for its F14.3 field"},
        {h + kEpoch + "3&9999999999999\n3&9999999999999\n\n\n1\n",
         "line 12: observation too long for its F14.3 field"},
        {h + "&16  2 17  0  0  0.0000000  0  2G01G02\n3&100000000000\n",
         "line 7: clock offset too long for its field"},
        {h + kEpoch + "3&1 3&2 12345\n",
         "line 8: flag string longer than two flags per observation type"},
        // Epoch lines.
        {e + "                            2\n", "line 10: malformed epoch line"},
        {h + "&16  2 17  0  0  0.0000000  0  2G01G01\n",
         "line 6: a satellite is listed twice in the epoch line"},
        {h + "&16  2 17  0  0  0.0000000  0  3G01G02\n",
         "line 6: epoch line lists fewer satellites than its count"},
        {h + "&16  2 17  0  0  0.0000000  0  1G01G02\n",
         "line 6: epoch line longer than its satellite list"},
        {h + "&                           4  1\n" + std::string(81, 'x') + "\n",
         "line 7: "
         "special record longer than 80 columns"},
        {e + "&                           4  0\n          1\n",
         "line 11: "
         "epoch line is a difference, but no epoch was initialised before it"},
        // A file cut short.
        {h + kEpoch, "line 7: the file ends inside an epoch: it is cut short"},
        {h + "&                           4  2\ncomment\n",
         "line 7: the file ends inside an epoch: it is cut short"},
        {h + kEpoch + "3&1 3&2\n3&3 3&",
         "line 9: the last line has no line end: the file is cut short"},
    };
    for (const auto& c : cases) {
        EXPECT_ERROR_WITH_PATH(testing::drain(*decoderOf(c.text), 4096),
                               "/gps/abcd0480.16d: Compact RINEX " + c.fault)
            << c.text;
    }
}

}  // namespace
}  // namespace chronoflip
