#include "shift_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/file_system.h"
#include "core/line_reader.h"
#include "readers/decoded_input.h"
#include "rinex_text.h"

namespace chronoflip::testing {

namespace {

constexpr int kYearShift = 28;
constexpr int kWeekShift = 1461;

std::string rightAligned(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width - std::min(width, text.size()), ' ') + text;
}

// A D19.12 field such as " .182500000000D+04" as a number.
double fortranNumber(std::string text) {
    std::replace(text.begin(), text.end(), 'D', 'E');
    return std::strtod(text.c_str(), nullptr);
}

// A DELTA-UTC header line: W, the week of the UTC parameters, in columns 51-59, moves back
// when it lies above the shift; the rest of the line up to column 80 stays. A week below
// it (a week number cut to 10 bits, or one written so in RINEX 3) leaves the line as it is.
void expectShiftedUtcLine(const std::string& in, const std::string& out) {
    const int week = std::stoi(in.substr(50, 9));
    if (week <= kWeekShift) {
        EXPECT_EQ(out, in);
        return;
    }
    EXPECT_EQ(out, in.substr(0, 50) + rightAligned(week - kWeekShift, 9) + in.substr(59, 21));
}

// The first line of an ephemeris record: the two-digit year in columns 4-5 moves back 28
// years, right-aligned in columns 3-5; satellite, month, day, time and clock stay.
void expectShiftedEpochLine(const std::string& in, const std::string& out) {
    const int year = std::stoi(in.substr(3, 2));
    EXPECT_EQ(out,
              in.substr(0, 2) + rightAligned((year + 100 - kYearShift) % 100, 3) + in.substr(5))
        << in;
}

// BROADCAST ORBIT 5: the GPS week, the third D19.12 field (columns 42-60), moves back 1461
// weeks. Only its mantissa in columns 43-48 is rewritten, in the same six columns for every
// week these files hold; nothing past column 79 is written.
void expectShiftedWeekLine(const std::string& in, const std::string& out) {
    ASSERT_EQ(out.size(), std::min<std::size_t>(in.size(), 79)) << in;
    EXPECT_EQ(out, in.substr(0, 42) + out.substr(42, 6) + in.substr(48, 31));
    const double week = fortranNumber(in.substr(41, 19)) - kWeekShift;
    EXPECT_EQ(fortranNumber(out.substr(41, 19)), week) << in;
    // A week written without a leading zero (" .1825") keeps that style; a negative week
    // puts its sign in the blank.
    EXPECT_EQ(out[42] == ' ', in[42] == ' ' && week >= 0) << in;
}

}  // namespace

std::vector<std::string> linesOf(const std::string& path) {
    LocalFileSystem files;
    auto input = openDecoded(files, path);
    LineReader reader(*input);
    std::vector<std::string> lines;
    while (!reader.atEnd()) lines.emplace_back(reader.next());
    return lines;
}

void expectShiftedNavigation(const std::vector<std::string>& in,
                             const std::vector<std::string>& out) {
    const auto isEnd = [](const std::string& l) { return l.find("END OF HEADER") == 60; };
    const std::size_t end = std::find_if(in.begin(), in.end(), isEnd) - in.begin();
    ASSERT_LT(end + 1, in.size());
    constexpr std::size_t kRecordLines = 8;
    constexpr std::size_t kBlockLines = 5;
    ASSERT_EQ((in.size() - end - 1) % kRecordLines, 0u) << "the source ends inside a record";
    ASSERT_EQ(out.size(), in.size() + kBlockLines);

    std::string utcWeek = "    ";
    for (std::size_t i = 0; i < end; ++i) {
        const std::string label = in[i].size() > 60 ? in[i].substr(60) : "";
        if (label.starts_with("DELTA-UTC: A0,A1,T,W")) {
            expectShiftedUtcLine(in[i], out[i]);
            const int week = std::stoi(in[i].substr(50, 9));
            if (week > kWeekShift) utcWeek = std::to_string(week);
        } else if (label.starts_with("LEAP SECONDS")) {
            EXPECT_EQ(out[i], in[i].substr(0, 60) + "COMMENT");
        } else {
            EXPECT_EQ(out[i], in[i]);
        }
    }

    // Two-digit years 80-99 are 1980-1999, 00-79 are 2000-2079.
    const int yy = std::stoi(in[end + 1].substr(3, 2));
    const int firstYear = yy + (yy >= 80 ? 1900 : 2000);
    EXPECT_EQ(out[end], kBlockRule);
    EXPECT_EQ(out[end + 2], kBlockHeading);
    EXPECT_EQ(out[end + 3], ":                  Year " + std::to_string(firstYear) + "-28  Week " +
                                utcWeek + "-1461           : COMMENT");
    EXPECT_EQ(out[end + 4], kBlockRule);
    EXPECT_EQ(out[end + kBlockLines], in[end]);

    for (std::size_t i = end + 1; i < in.size(); ++i) {
        const std::size_t line = (i - end - 1) % kRecordLines;
        const std::string& shifted = out[i + kBlockLines];
        if (line == 0) {
            expectShiftedEpochLine(in[i], shifted);
        } else if (line == 5) {
            expectShiftedWeekLine(in[i], shifted);
        } else {
            EXPECT_EQ(shifted, in[i]);
        }
    }
}

}  // namespace chronoflip::testing
