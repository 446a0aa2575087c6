#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <string_view>
#include <vector>

#include "core/chunk_survey.h"
#include "core/error.h"
#include "core/file_system.h"
#include "core/line_reader.h"
#include "core/line_scan.h"
#include "core/line_writer.h"
#include "memory_files.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::StringInput;
using testing::StringOutput;

std::vector<std::string> readAll(const std::string& bytes, std::size_t chunk, std::size_t buffer) {
    StringInput input(bytes, chunk);
    LineReader reader(input, buffer);
    std::vector<std::string> lines;
    while (!reader.atEnd()) lines.emplace_back(reader.next());
    EXPECT_EQ(reader.next(), "") << "reading past the end yields an empty line";
    EXPECT_TRUE(reader.atEnd());
    return lines;
}

using Lines = std::vector<std::string>;

const struct {
    std::string bytes;
    Lines lines;
} kLineCases[] = {
    {"", {}},
    {"a\r\nb\r\n", {"a", "b"}},
    {"a\nb\n", {"a", "b"}},
    {"a\nb", {"a", "b"}},
    {"a\r\n\r\n", {"a", ""}},
    {"\n", {""}},
    {"a\rb\r\nc", {"ab", "c"}},
    {"\r\r\r", {""}},
    {"a\r", {"a"}},
    {"ab\x1a"
     "cd\r\nef\r\n",
     {"ab"}},
    {"ab\r\n\x1a\r\nmore\r\n", {"ab"}},
    {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
};

TEST(LineReader, SplitsLinesTheWayTheOfficeProgramsWrote) {
    for (const auto& c : kLineCases) {
        // Every chunk and buffer size moves the line ends across refills.
        for (std::size_t chunk : {1u, 2u, 3u, 1000u}) {
            for (std::size_t buffer : {2u, 3u, 64u}) {
                EXPECT_EQ(readAll(c.bytes, chunk, buffer), c.lines)
                    << ::testing::PrintToString(c.bytes) << " chunk " << chunk << " buffer "
                    << buffer;
            }
        }
    }
}

TEST(LineReader, HandsOutLinesLongerThanItsBuffer) {
    const std::string longLine(100000, 'x');
    EXPECT_EQ(readAll(longLine + "\r\nshort\r\n" + longLine, 4096, 256),
              (Lines{longLine, "short", longLine}));
}

// Reads as the observation rewriter does: the whole lines the reader offers, and a line at a
// time with next() where it offers none.
Lines readInTurns(const std::string& bytes, std::size_t chunk, std::size_t buffer,
                  ReadAhead readAhead) {
    StringInput input(bytes, chunk);
    LineReader reader(input, buffer, readAhead);
    Lines lines;
    while (!reader.atEnd()) {
        const LineReader::LineBlock block = reader.wholeLines();
        if (block.text.empty()) {
            lines.emplace_back(reader.next());
            continue;
        }
        EXPECT_EQ(block.text.back(), '\n');
        std::string_view text(block.text.data(), block.text.size());
        std::size_t count = 0;
        while (!text.empty()) {
            const std::size_t lf = text.find('\n');
            std::string_view line = text.substr(0, lf);
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            } else {
                EXPECT_FALSE(block.crLf) << "a line ends with a bare LF";
            }
            EXPECT_EQ(line.find('\r'), std::string_view::npos) << "a lone CR is next()'s to drop";
            lines.emplace_back(line);
            text.remove_prefix(lf + 1);
            ++count;
        }
        EXPECT_EQ(block.lines, count);
    }
    return lines;
}

TEST(LineReader, WholeLinesTakeTurnsWithNextAtEveryReadBoundary) {
    std::vector cases(std::begin(kLineCases), std::end(kLineCases));
    cases.push_back(
        {"one\r\ntwo\nthree\r\n\r\nfour, longer than the others\r\nfi\rve\r\nsix\n"
         "seven\r\neight",
         {"one", "two", "three", "", "four, longer than the others", "five", "six", "seven",
          "eight"}});
    for (const auto& c : cases) {
        for (std::size_t chunk : {1u, 2u, 3u, 5u, 1000u}) {
            for (std::size_t buffer : {2u, 3u, 4u, 8u, 16u, 64u}) {
                for (ReadAhead readAhead : {ReadAhead::kOff, ReadAhead::kOn}) {
                    EXPECT_EQ(readInTurns(c.bytes, chunk, buffer, readAhead), c.lines)
                        << ::testing::PrintToString(c.bytes) << " chunk " << chunk << " buffer "
                        << buffer << " read ahead " << (readAhead == ReadAhead::kOn);
                }
            }
        }
    }
}

// Fails its failAt-th read the way a vanished network share would.
class FailingInput : public StringInput {
  public:
    FailingInput(std::string bytes, std::size_t chunk, int failAt)
        : StringInput(std::move(bytes), chunk), failAt_(failAt) {}
    std::size_t read(char* buffer, std::size_t size) override {
        if (++reads_ == failAt_) throw Error("Disk full");
        return StringInput::read(buffer, size);
    }

  private:
    int failAt_;
    int reads_ = 0;
};

TEST(LineReader, AFailedReadShowsWhereItsChunkWouldHaveBeen) {
    for (ReadAhead readAhead : {ReadAhead::kOff, ReadAhead::kOn}) {
        // One line a read: the third read fails.
        FailingInput input("a\r\nb\r\nc\r\nd\r\n", 3, 3);
        LineReader reader(input, 3, readAhead);
        EXPECT_EQ(reader.next(), "a");
        EXPECT_EQ(reader.next(), "b");
        EXPECT_TRUE(testing::throwsWithMessage<Error>([&] { reader.next(); }, "Disk full"));
    }
}

// The starts of the lines LineScan finds, looked for a line at a time.
std::vector<std::size_t> markedOneByOne(std::string_view lines, std::size_t markIndex, char mark) {
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < lines.size();) {
        const std::size_t lf = lines.find('\n', start);
        if (lf - start > markIndex && lines[start + markIndex] == mark) starts.push_back(start);
        start = lf + 1;
    }
    return starts;
}

// Lines of every length up to past two windows, marks inside them and just past their end,
// so that finds fall on every place of the 64-byte windows.
TEST(LineScan, FindsWhatALineByLineLookFinds) {
    std::mt19937 random(5);
    for (std::size_t size = 0; size < 300; ++size) {
        std::string lines;
        while (lines.size() < size) {
            std::string line(random() % 140, 'x');
            for (char& c : line) {
                if (random() % 4 == 0) c = '.';
            }
            lines += line + (random() % 3 == 0 ? "\n" : "\r\n");
        }
        for (std::size_t markIndex : {0u, 1u, 18u, 63u}) {
            LineScan scan(lines, {markIndex, '.'});
            std::vector<std::size_t> starts;
            for (std::size_t offset = 0; scan.next(offset);) starts.push_back(offset);
            EXPECT_EQ(starts, markedOneByOne(lines, markIndex, '.')) << lines;
        }
    }
}

// Texts of every length up to several of the 64-byte steps, of CR, LF and Ctrl-Z among
// other bytes: the survey says what a byte-by-byte look says.
TEST(ChunkSurvey, SaysWhatAByteByByteLookSays) {
    std::mt19937 random(3);
    const char bytes[] = {'\r', '\n', 'x', '\r', '\n', 'y', 26};
    for (std::size_t size = 0; size < 600; ++size) {
        std::string text(size, 'x');
        for (char& c : text) c = bytes[random() % (size % 7 == 0 ? 7 : 6)];
        const ChunkSurvey survey = surveyChunk(text.data(), text.size());
        const std::string_view kept = std::string_view(text).substr(0, text.find('\x1a'));
        EXPECT_EQ(survey.read, size);
        EXPECT_EQ(survey.text, kept.size());
        EXPECT_EQ(survey.lfs, static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '\n')));
        bool loneCr = false;
        bool bareLf = !kept.empty() && kept[0] == '\n';
        for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
            loneCr = loneCr || (kept[i] == '\r' && kept[i + 1] != '\n');
            bareLf = bareLf || (kept[i] != '\r' && kept[i + 1] == '\n');
        }
        EXPECT_EQ(survey.loneCr, loneCr) << text;
        EXPECT_EQ(survey.bareLf, bareLf) << text;
    }
}

// CR LF text with one stray CR or one LF without CR, at every place of the steps and at the
// step boundaries: found wherever it lies.
TEST(ChunkSurvey, FindsOneStrayLineEndAnywhere) {
    std::string text;
    while (text.size() < 400) text += std::string(text.size() % 61, 'x') + "\r\n";
    EXPECT_FALSE(surveyChunk(text.data(), text.size()).loneCr);
    EXPECT_FALSE(surveyChunk(text.data(), text.size()).bareLf);
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        std::string stray = text;
        if (stray[at] == '\r') {
            stray[at] = 'x';  // its LF is now bare
        } else if (stray[at] != '\n') {
            stray[at] = '\r';  // not followed by LF
        } else {
            continue;
        }
        const ChunkSurvey survey = surveyChunk(stray.data(), stray.size());
        EXPECT_TRUE(survey.loneCr || survey.bareLf) << at;
        EXPECT_EQ(survey.loneCr, text[at] != '\r') << at;
        EXPECT_EQ(survey.lfs, static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    }
}

// A Ctrl-Z at every place of the steps ends the text there; the CR LF before it counts as
// before, and a CR cut from its LF by it is the text's last byte, not a stray one.
TEST(ChunkSurvey, EndsTheTextAtACtrlZAnywhere) {
    std::string text;
    while (text.size() < 400) text += std::string(text.size() % 61, 'x') + "\r\n";
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string cut = text;
        cut[at] = 26;
        const ChunkSurvey survey = surveyChunk(cut.data(), cut.size());
        EXPECT_EQ(survey.text, at);
        EXPECT_EQ(survey.lfs,
                  static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n')))
            << at;
        EXPECT_FALSE(survey.loneCr) << at;
        EXPECT_FALSE(survey.bareLf) << at;
    }
}

TEST(LineWriter, EndsEveryLineWithCrLfAndPassesLongTextThrough) {
    StringOutput output;
    LineWriter writer(output, 64);
    writer.line("abc");
    writer.put("x");
    writer.putInt(-42, 5);
    writer.endLine();
    const std::string big(200, 'y');
    writer.line(big);
    writer.flush();
    EXPECT_EQ(output.bytes, "abc\r\nx  -42\r\n" + big + "\r\n");
}

TEST(LineWriter, PassesLargeTextFromWhereItLies) {
    StringOutput output;
    LineWriter writer(output, 64);
    writer.put("ab");
    writer.pass("small\r\n");
    EXPECT_EQ(output.bytes, "") << "small text is gathered";
    const std::string large(16, 'z');
    writer.pass(large);
    EXPECT_EQ(output.bytes, "absmall\r\n" + large) << "written at once, after what was buffered";
}

TEST(LineWriter, TakesEmptyPiecesWithoutData) {
    StringOutput output;
    LineWriter writer(output, 64);
    writer.put(std::string_view{});
    writer.line(std::string_view{});
    writer.flush();
    EXPECT_EQ(output.bytes, "\r\n");
}

}  // namespace
}  // namespace chronoflip
