#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/year_week_line.h"
#include "reports/pair_search.h"
#include "shift/comment_block.h"

namespace chronoflip {
namespace {

class TextInput final : public InputFile {
  public:
    explicit TextInput(std::string text) : text_(std::move(text)) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, text_.size() - offset_);
        std::memcpy(buffer, text_.data() + offset_, n);
        offset_ += n;
        return n;
    }
    void close() override {}

  private:
    std::string text_;
    std::size_t offset_ = 0;
};

std::string yearWeekLine(std::uint16_t years, std::uint16_t weeks) {
    return rinexYearWeekLine(2016, 0, {years, weeks});
}

// The year/week line as the date shift writes it (or with other text put in from column
// `first`), read back.
std::string withText(std::string line, std::size_t first, const std::string& text) {
    return line.replace(first - 1, text.size(), text);
}

struct LineCase {
    std::string line;
    std::optional<CorrectionPair> pair;
};

class YearWeekLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(YearWeekLineTest, ReadsThePairFromColumns30And44) {
    EXPECT_EQ(readRinexYearWeekLine(GetParam().line), GetParam().pair);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, YearWeekLineTest,
    ::testing::Values(LineCase{yearWeekLine(28, 1461), CorrectionPair{28, 1461}},
                      LineCase{yearWeekLine(6, 313), CorrectionPair{6, 313}},  // "6 " and "313 "
                      LineCase{rinexYearWeekLine(2016, 1877, {28, 1461}), CorrectionPair{28, 1461}},
                      LineCase{":                  Year", CorrectionPair{0, 0}},
                      LineCase{withText(withText(yearWeekLine(28, 1461), 30, "-5"), 44, "-999"),
                               CorrectionPair{65531, 64537}},  // cut to 16 bits
                      LineCase{withText(yearWeekLine(28, 1461), 30, "x1"), CorrectionPair{1, 1461}},
                      LineCase{":                  year 2016-28  Week     -1461", std::nullopt},
                      LineCase{" :                  Year 2016-28  Week     -1461", std::nullopt},
                      LineCase{"", std::nullopt}));

TEST(AcceptedPair, EachValueIsCheckedOnItsOwn) {
    for (std::uint16_t year : {5, 6, 22, 28}) {
        for (std::uint16_t week : {261, 313, 1148, 1461}) {
            EXPECT_TRUE(isAcceptedPair({year, week})) << year << "/" << week;
        }
    }
    for (const CorrectionPair pair : {CorrectionPair{28, 1460}, CorrectionPair{0, 0},
                                      CorrectionPair{29, 1461}, CorrectionPair{7, 313}}) {
        EXPECT_FALSE(isAcceptedPair(pair)) << pair.years << "/" << pair.weeks;
    }
}

struct SearchCase {
    std::vector<std::string> lines;
    PairSearchResult result;
    int logged;
};

class PairSearchTest : public ::testing::TestWithParam<SearchCase> {};

// The whole file is read: the last year/week line decides, valid or not.
TEST_P(PairSearchTest, TheLastYearWeekLineDecides) {
    std::string text;
    for (const std::string& line : GetParam().lines) text += line + "\r\n";
    TextInput input(text);
    LineReader reader(input, 16);  // lines cross buffer refills
    int logged = 0;
    const PairSearchResult result =
        searchCorrectionPair(reader, [&](const CorrectionPair&) { ++logged; });
    EXPECT_EQ(result.pair, GetParam().result.pair);
    EXPECT_EQ(result.found, GetParam().result.found);
    EXPECT_EQ(logged, GetParam().logged);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PairSearchTest,
    ::testing::Values(
        SearchCase{{}, {{0, 0}, false}, 0},
        SearchCase{{"header", "END OF HEADER"}, {{0, 0}, false}, 0},
        SearchCase{{yearWeekLine(28, 1461)}, {{28, 1461}, true}, 1},
        SearchCase{{yearWeekLine(28, 1461), "x", yearWeekLine(28, 1460)}, {{28, 1460}, false}, 2},
        SearchCase{{yearWeekLine(22, 1460), yearWeekLine(28, 1461)}, {{28, 1461}, true}, 2},
        SearchCase{{yearWeekLine(5, 1461)}, {{5, 1461}, true}, 1},
        // Ctrl-Z ends the file as the line reader reads it.
        SearchCase{{yearWeekLine(6, 313), "\x1a", yearWeekLine(7, 313)}, {{6, 313}, true}, 1}));

}  // namespace
}  // namespace chronoflip
