#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>
#include <map>
#include <random>

#include "core/paths.h"
#include "faulty_file_system.h"
#include "readers/source_name.h"
#include "run_helpers.h"
#include "shift/processing_run.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::FaultyFileSystem;
using testing::fileExists;
using testing::readBytes;
using testing::record;
using testing::RecordingRunObserver;
using testing::TempFolder;
using Operation = FaultyFileSystem::Operation;

std::string gzipped(const std::string& text) {
    z_stream z{};
    EXPECT_EQ(
        deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY),
        Z_OK);
    std::string bytes(deflateBound(&z, text.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(bytes.data());
    z.avail_out = static_cast<uInt>(bytes.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    bytes.resize(z.total_out);
    deflateEnd(&z);
    return bytes;
}

// Gzipped Compact RINEX whose values, restarted each epoch, hardly compress: the decoders
// read its file in several calls too.
std::string compressedObservation() {
    std::string text =
        crlf({record("1.0                 COMPACT RINEX FORMAT", "CRINEX VERS   / TYPE"),
              record("test", "CRINEX PROG / DATE"),
              record("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE"),
              record("     2    C1    L1", "# / TYPES OF OBSERV"),
              record("  2016     2    17", "TIME OF FIRST OBS"), record("", "END OF HEADER")});
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        text += "&16  2 17 10 15 30.0000000  0  2G01G03\n\n";
        for (int satellite = 0; satellite < 2; ++satellite) {
            text += "3&" + std::to_string(random() % 1000000000) + " 3&" +
                    std::to_string(random() % 1000000000) + " 12\n";
        }
    }
    return gzipped(text);
}

// A gzipped RINEX 3 observation file, converted on its way to the rewriter.
std::string compressedRinex3Observation() {
    std::string text = crlf(
        {record("     3.04           OBSERVATION DATA    M", "RINEX VERSION / TYPE"),
         record("test", "PGM / RUN BY / DATE"), record("G    2 C1C L1C", "SYS / # / OBS TYPES"),
         record("R    2 C1C L1C", "SYS / # / OBS TYPES"),
         record("  2016     2    17     0     0    0.0000000     GPS", "TIME OF FIRST OBS"),
         record("", "END OF HEADER")});
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        text += "> 2016 02 17 10 15 30.0000000  0  2\n";
        for (const char* satellite : {"G01", "R03"}) {
            text += std::string(satellite) + "  " + std::to_string(random() % 10000000 + 10000000) +
                    ".123 7 1" + std::to_string(random() % 10000000 + 10000000) + ".45608\n";
        }
    }
    return gzipped(text);
}

// Sources larger than the 256 KiB buffers, so reading and writing each take several calls.
std::map<std::string, std::string> makeSources() {
    std::string obs =
        crlf({record("  2016     2    17", "TIME OF FIRST OBS"),
              record("  2016     2    18", "TIME OF LAST OBS"), record("", "END OF HEADER")});
    for (int i = 0; i < 2500; ++i) {
        obs += crlf({" 16  2 17 10 15 30.0000000  0  2G01G03",
                     "  22185176.129   116581505.78208  90844044.83608  22185175.6054"});
    }
    std::string nav = crlf({record("    0.9D-09 0.1D-13   405504     1886", "DELTA-UTC: A0,A1,T,W"),
                            record("", "END OF HEADER")});
    for (int i = 0; i < 1800; ++i) {
        nav += crlf({" 5 16  3  1  0  0  0.0", "a", "b", "c", "d",
                     "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 0.0D+00", "e",
                     "f"});
    }
    std::string sp3 = crlf({"#cP2016  2 18  0  0  0.00000000      96 ORBIT IGb08 FIT  AGY",
                            "## 1884 345600.00000000"});
    for (int i = 0; i < 3000; ++i) {
        sp3 += crlf({"*  2016  2 18  0  0  0.00000000",
                     "PG01  -6153.408320 -25374.128592  -1837.707108     37.516041"});
    }
    return {{"abcd0480.16o", obs},
            {"abcd0480.16n", nav},
            {"igs18844.sp3", sp3},
            {"wxyz0480.16d.gz", compressedObservation()},
            {"TEST00XXX_R_20160480000_01D_30S_MO.rnx.gz", compressedRinex3Observation()}};
}

const std::vector<std::string> kOrder = {"abcd0480.16o", "abcd0480.16n", "igs18844.sp3",
                                         "wxyz0480.16d.gz",
                                         "TEST00XXX_R_20160480000_01D_30S_MO.rnx.gz"};

std::string outputPath(const TempFolder& folder, const std::string& name, OutputMode mode) {
    const std::string plain = outputNamePath(folder.file(name));
    const FileKind kind = *fileKind(name);
    if (mode == OutputMode::kYearInExtension && kind != FileKind::kSp3) {
        return withExtension(plain, std::string(".88") + kindLetter(kind));
    }
    if (mode == OutputMode::kOverwriteWithBackup) return plain;
    return workFilePath(plain);
}

struct Attempt {
    std::string error;
    int operations = 0;
};

Attempt runWithFault(const TempFolder& folder, OutputMode mode, Operation operation, int failAt) {
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directory(folder.path());
    for (const auto& [name, text] : makeSources()) folder.write(name, text);
    FaultyFileSystem files(operation, failAt);
    RunRequest request{{}, mode, "18/02/2016"};
    for (const std::string& name : kOrder) request.files.push_back(folder.file(name));
    RecordingRunObserver observer;
    CorrectionPair corrections;
    Attempt attempt;
    try {
        runProcessing(request, observer, corrections, files);
    } catch (const std::exception& e) {
        attempt.error = e.what();
    }
    attempt.operations = files.count();
    return attempt;
}

// Whatever single operation fails, in whatever mode: each source's text still exists,
// unchanged, under its own name or as its backup (a compressed source always under its
// own), and every file under a final output name is a complete shifted copy.
TEST(FaultInjection, NoFailureAnywhereLosesOrHalfWritesAFile) {
    const auto sources = makeSources();
    TempFolder folder;
    for (const OutputMode mode : testing::kAllOutputModes) {
        std::map<std::string, std::string> shifted;
        ASSERT_EQ(runWithFault(folder, mode, Operation::kOpen, 0).error, "");
        for (const std::string& name : kOrder)
            shifted[name] = readBytes(outputPath(folder, name, mode));

        for (Operation operation :
             {Operation::kOpen, Operation::kCreate, Operation::kRead, Operation::kWrite,
              Operation::kClose, Operation::kRemove, Operation::kRename}) {
            const int total = runWithFault(folder, mode, operation, 0).operations;
            for (int failAt = 1; failAt <= total; ++failAt) {
                SCOPED_TRACE(testing::modeName(mode) + " operation " +
                             std::to_string(static_cast<int>(operation)) + " #" +
                             std::to_string(failAt));
                const Attempt attempt = runWithFault(folder, mode, operation, failAt);
                if (operation == Operation::kRemove) {
                    // A failed delete is never reported by itself.
                } else if (operation == Operation::kRename) {
                    EXPECT_NE(attempt.error.find("Unable to rename"), std::string::npos);
                } else {
                    EXPECT_EQ(attempt.error, "Disk full");
                }
                for (const std::string& name : kOrder) {
                    const std::string source = folder.file(name);
                    const std::string original = sources.at(name);
                    const bool kept = fileExists(source) && readBytes(source) == original;
                    const bool backedUp = readBytes(source + ".bak") == original;
                    EXPECT_TRUE(kept || backedUp) << name << " lost";
                    const std::string plain = outputNamePath(source);
                    if (plain != source) {
                        EXPECT_TRUE(kept) << name << " moved";
                    }
                    // The e_ work file may be partial by design; the names a user takes as
                    // finished output must never be.
                    const std::string output = outputPath(folder, name, mode);
                    if (output != workFilePath(plain) && fileExists(output) &&
                        !(output == source && kept)) {
                        EXPECT_TRUE(readBytes(output) == shifted[name])
                            << output << " half written";
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace chronoflip
