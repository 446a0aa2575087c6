#include <gtest/gtest.h>

#include <vector>

#include "core/error.h"
#include "core/file_system.h"
#include "core/line_reader.h"
#include "core/line_writer.h"
#include "memory_files.h"

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

TEST(LineReader, SplitsLinesTheWayTheOfficeProgramsWrote) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
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
    for (const auto& c : cases) {
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
