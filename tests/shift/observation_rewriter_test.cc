#include <gtest/gtest.h>

#include <cstdint>

#include "core/line_reader.h"
#include "core/line_writer.h"
#include "memory_files.h"
#include "rinex_text.h"
#include "run_helpers.h"
#include "shift/progress_meter.h"
#include "shift/rewriter.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::headerLine;
using testing::shiftError;
using testing::shiftOne;
using testing::TempFolder;

const std::string& kVersion = testing::kObservationVersion;
const std::string kMarker = headerLine("ABCD", "MARKER NAME");
const std::string kFirst =
    headerLine("  2016     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS");
const std::string kLast =
    headerLine("  2016     2    18     0    14   30.0000000     GPS", "TIME OF LAST OBS");
const std::string kLeap = headerLine("    17", "LEAP SECONDS");
const std::string& kEnd = testing::kEndOfHeader;

const std::string& kBlockTop = testing::kBlockRule;
const std::string& kStamp = testing::kBlockStamp;
const std::string& kHeading = testing::kBlockHeading;
const std::string kYearWeek = ":                  Year 2016-28  Week     -1461           : COMMENT";
const std::string kOldFirst = ":                  2016   2 17 OLD TIME OF FIRST OBS      : COMMENT";
const std::string kOldLast = ":                  2016   2 18 OLD TIME OF LAST  OBS      : COMMENT";

TEST(ObservationRewrite, WorkedExampleByteForByte) {
    TempFolder folder;
    const std::string source =
        kVersion + "\n" + kMarker + "\r\n" + kFirst + "\r\n" + kLast + "\r\n" + kLeap + "\r\n" +
        kEnd + "\r\n" +
        " 16  2 17 10 15 30.0000000  0  8G01G03G06G11G14G19G22G32\r\n"
        "  22185176.129   116581505.78208  90844044.83608  22185175.6054    22185177.3204\r\n"
        " 30  1  1  0  0  0.0000000  0  5G01G02G05G07G09\r\n"
        " 28  6 30 12  0  0.0000000  0  4G01G02G05G07\r\n"
        " 00  1  1  0  0  0.0000000  0  4G01G02G05G07";
    EXPECT_EQ(
        shiftOne(folder, "abcd0480.16o", source),
        crlf(
            {kVersion, kMarker,
             headerLine("  1988     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
             headerLine("  1988     2    18     0    14   30.0000000     GPS", "TIME OF LAST OBS"),
             headerLine("    17", "COMMENT"), kBlockTop, kStamp, kHeading, kYearWeek, kOldFirst,
             kOldLast, kBlockTop, kEnd, " 88  2 17 10 15 30.0000000  0  8G01G03G06G11G14G19G22G32",
             "  22185176.129   116581505.78208  90844044.83608  22185175.6054    22185177.3204",
             " 02  1  1  0  0  0.0000000  0  5G01G02G05G07G09",
             " 00  6 30 12  0  0.0000000  0  4G01G02G05G07",
             " 72  1  1  0  0  0.0000000  0  4G01G02G05G07"}));
}

TEST(ObservationRewrite, EpochYearsWrapAndOnlyColumn19Decides) {
    TempFolder folder;
    const struct {
        std::string in, out;
    } lines[] = {
        {" 27  1  1  0  0  0.0000000  0  1G01", " 99  1  1  0  0  0.0000000  0  1G01"},
        {" 99 12 31 23 59 59.0000000  0  1G01", " 71 12 31 23 59 59.0000000  0  1G01"},
        {" 29  1  1  0  0  0.0000000  0  1G01", " 01  1  1  0  0  0.0000000  0  1G01"},
        // A comment inside an event record with a point in column 19 is treated as an epoch.
        {"ABC DEF GHIJKLMNOP.Q", " 72 DEF GHIJKLMNOP.Q"},
        {std::string(18, ' ') + ".", " 72" + std::string(15, ' ') + "."},
        {" -5" + std::string(15, ' ') + ".", "65503" + std::string(15, ' ') + "."},
        // Too short, or no point in column 19: copied as they are.
        {" 16  2 17 10 15 30", " 16  2 17 10 15 30"},
        {" 16  2 17 10 15 3.0000000", " 16  2 17 10 15 3.0000000"},
        {"", ""},
    };
    std::string in = crlf({kFirst, kEnd});
    std::string expected = crlf(
        {headerLine("  1988     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
         kBlockTop, kStamp, kHeading, kYearWeek, kOldFirst, kBlockTop, kEnd});
    for (const auto& line : lines) {
        in += line.in + "\r\n";
        expected += line.out + "\r\n";
    }
    EXPECT_EQ(shiftOne(folder, "a.16o", in), expected);
}

TEST(ObservationRewrite, HeaderOddities) {
    TempFolder folder;
    // Without END OF HEADER the whole file is header: records still change, epochs don't.
    EXPECT_EQ(
        shiftOne(folder, "noend.16o", crlf({kFirst, kLeap, " 16  2 17 10 15 30.0000000  0  1G01"})),
        crlf(
            {headerLine("  1988     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
             headerLine("    17", "COMMENT"), " 16  2 17 10 15 30.0000000  0  1G01"}));

    // A two-digit first year is written unpadded, moving the line; TIME OF LAST OBS before
    // TIME OF FIRST OBS uses the pair as it stood (0 in a fresh program); month 12 day 5.
    EXPECT_EQ(
        shiftOne(folder, "odd.16o",
                 crlf({headerLine("  2015    12     5", "TIME OF LAST OBS"),
                       headerLine("    16     2    17", "TIME OF FIRST OBS"), kEnd})),
        crlf({headerLine("  2015    12     5", "TIME OF LAST OBS"),
              headerLine("  -12     2    17", "TIME OF FIRST OBS").erase(59, 1), kBlockTop, kStamp,
              kHeading, ":                  Year 16-28  Week     -1461             : COMMENT",
              ":                  16   2 17 OLD TIME OF FIRST OBS      : COMMENT",
              ":                  2015  12  5 OLD TIME OF LAST  OBS      : COMMENT", kBlockTop,
              kEnd}));

    // A second TIME OF FIRST OBS wins; a short line is never a record.
    const std::string shortLine = "  2016     2    17    TIME OF FIRST OBS";
    EXPECT_EQ(
        shiftOne(
            folder, "twice.16o",
            crlf({kFirst, shortLine, headerLine("  2017     3     4", "TIME OF FIRST OBS"), kEnd})),
        crlf(
            {headerLine("  1988     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
             shortLine, headerLine("  1989     3     4", "TIME OF FIRST OBS"), kBlockTop, kStamp,
             kHeading, ":                  Year 2017-28  Week     -1461           : COMMENT",
             ":                  2017   3  4 OLD TIME OF FIRST OBS      : COMMENT", kBlockTop,
             kEnd}));
}

TEST(ObservationRewrite, FailuresEndTheRunWithTheirMessage) {
    TempFolder folder;
    const auto first = [](const std::string& date) {
        return headerLine(date, "TIME OF FIRST OBS");
    };
    EXPECT_EQ(shiftError(folder, "m0.16o", crlf({first("  2016     0    17"), kEnd})),
              "Invalid argument to date encode");
    EXPECT_EQ(shiftError(folder, "m13.16o", crlf({first("  2016    13    17"), kEnd})),
              "Invalid argument to date encode");
    EXPECT_EQ(shiftError(folder, "d30.16o", crlf({first("  2015     2    29"), kEnd})),
              "Invalid argument to date encode");
    EXPECT_EQ(shiftError(folder, "y0.16o", crlf({first("     0     2    17"), kEnd})),
              "Invalid argument to date encode");
    EXPECT_EQ(shiftError(folder, "y16.16o", crlf({first("    16     2    17"), kEnd}),
                         OutputMode::kYearInExtension),
              "Range check error");
    EXPECT_EQ(
        shiftError(folder, "nofirst.16o", crlf({kMarker, kEnd, " 16  1  1  0  0  0.0000000"})),
        "TIME OF FIRST OBS missing in header");
    EXPECT_EQ(shiftError(folder, "empty.16o", ""), "TIME OF FIRST OBS missing in header");
    // The partial work file keeps what was written before the failing record.
    EXPECT_EQ(testing::readBytes(folder.file("e_m0.16o")), "");
    EXPECT_EQ(testing::readBytes(folder.file("e_nofirst.16o")), crlf({kMarker}));
}

// The rewriter alone, reading the source in reads of chunk bytes into a reader of the given
// buffer size; its small writer writes lines of 16 bytes or more from where they lie.
std::string rewriteInReads(const std::string& source, std::size_t chunk, std::size_t buffer,
                           ReadAhead readAhead) {
    testing::StringInput input(source, chunk);
    testing::StringOutput output;
    LineReader reader(input, buffer, readAhead, nullptr, kEpochLineMark);
    LineWriter writer(output, 64);
    testing::MemoryFileSystem files;
    CorrectionPair corrections;
    testing::RecordingRunObserver observer;
    ProgressMeter progress(observer);
    const std::uint64_t taken = 0;
    progress.startSource(taken, source.size());
    const std::string path = "abcd0480.16o";
    RewriteJob job{.source = reader,
                   .work = writer,
                   .sourcePath = path,
                   .files = files,
                   .stamp = "stamp",
                   .buildYearExtension = false,
                   .corrections = corrections,
                   .progress = progress};
    rewriteObservation(job);
    writer.flush();
    return output.bytes;
}

// The data section is rewritten where the reader holds it: wherever a read ends, in an
// epoch line, between its CR and LF or anywhere else, and whatever its line ends, the bytes
// are those a line-by-line rewrite gives.
TEST(ObservationRewrite, EveryReadBoundaryGivesTheSameBytes) {
    const std::string header = crlf({kFirst, kEnd});
    const std::vector<std::string> in = {
        " 16  2 17 10 15 30.0000000  0  2G01G03",
        "  22185176.129   116581505.78208  90844044.83608",
        "",
        " 16  2 17 10 15 31.0000000  4  1",
        "   A COMMENT INSIDE THE DATA                               COMMENT",
        " -5  2 17 10 15 32.0000000  0  1G01",
        " 05  2 17 10 15 33.0000000  0  1G01",
        " 30  1  1  0  0  0.0000000  0  1G01",
        "short"};
    const std::vector<std::string> out = {
        " 88  2 17 10 15 30.0000000  0  2G01G03",
        "  22185176.129   116581505.78208  90844044.83608",
        "",
        " 88  2 17 10 15 31.0000000  4  1",
        "   A COMMENT INSIDE THE DATA                               COMMENT",
        "65503  2 17 10 15 32.0000000  0  1G01",
        " 77  2 17 10 15 33.0000000  0  1G01",
        " 02  1  1  0  0  0.0000000  0  1G01",
        "short"};
    const auto joined = [](const std::vector<std::string>& lines, int times, auto lineEnd) {
        std::string text;
        for (int time = 0; time < times; ++time) {
            for (std::size_t i = 0; i < lines.size(); ++i) text += lines[i] + lineEnd(i);
        }
        return text;
    };
    const auto crLf = [](std::size_t) { return "\r\n"; };
    const std::string expected =
        rewriteInReads(header, 1000, 1000, ReadAhead::kOff) + joined(out, 3, crLf);

    std::string loneCr = joined(in, 3, [](std::size_t i) { return i % 2 ? "\n" : "\r\n"; });
    loneCr.insert(loneCr.find("116581505"), "\r");
    const std::string sources[] = {
        joined(in, 3, crLf),
        joined(in, 3, [](std::size_t) { return "\n"; }),
        loneCr,
        joined(in, 3, crLf).substr(0, joined(in, 3, crLf).size() - 2),
        joined(in, 3, crLf) + "\x1a" + " 16  2 17 10 15 34.0000000  0  1G01\r\n",
    };
    // Reading ahead hands over each read between threads: its runs leave out the smallest
    // reads and buffers, which take the same paths in the reader.
    for (const std::string& data : sources) {
        for (std::size_t chunk : {1u, 3u, 7u, 50u, 1000u}) {
            for (std::size_t buffer : {2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u, 144u, 233u, 610u}) {
                for (ReadAhead readAhead : {ReadAhead::kOff, ReadAhead::kOn}) {
                    if (readAhead == ReadAhead::kOn && (chunk < 7 || buffer < 8)) continue;
                    EXPECT_EQ(rewriteInReads(header + data, chunk, buffer, readAhead), expected)
                        << ::testing::PrintToString(data) << " chunk " << chunk << " buffer "
                        << buffer << " read ahead " << (readAhead == ReadAhead::kOn);
                }
            }
        }
    }
}

}  // namespace
}  // namespace chronoflip
