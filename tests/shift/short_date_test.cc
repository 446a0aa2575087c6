#include "core/short_date.h"

#include <gtest/gtest.h>

namespace chronoflip {
namespace {

struct FoldCase {
    std::wstring platformText;
    std::string stamped;
};

class ShortDateFold : public ::testing::TestWithParam<FoldCase> {};

// The stamp goes into RINEX and SP3 headers, which are ASCII with fixed columns.
TEST_P(ShortDateFold, KeepsTheUsersFormatInPrintableAscii) {
    std::tm date{};
    date.tm_year = 2026 - 1900;
    date.tm_mon = 11;
    date.tm_mday = 8;
    EXPECT_EQ(asciiDateText(GetParam().platformText, date), GetParam().stamped);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ShortDateFold,
    ::testing::Values(
        FoldCase{L"12/08/26", "12/08/26"}, FoldCase{L"08.12.2026", "08.12.2026"},
        // Arabic-Indic digits with right-to-left marks; Persian digits.
        FoldCase{L"\u0668\u200f/\u0661\u0662\u200f/\u0662\u0660\u0662\u0666", "8/12/2026"},
        FoldCase{L"\u06f2\u06f6/\u06f1\u06f2/\u06f0\u06f8", "26/12/08"},
        FoldCase{L"08.\u00a012.\u00a02026", "08. 12. 2026"},
        // Words of another script have no ASCII spelling: the ISO date reads everywhere.
        FoldCase{L"2026\u5e7412\u670808\u65e5", "2026-12-08"},
        FoldCase{L"08 \u062f\u064a\u0633, 2026", "2026-12-08"},
        FoldCase{L"12\t08\t26", "2026-12-08"},
        // Too long for the stamp's line of the comment blocks, or nothing at all.
        FoldCase{L"Tuesday, 08 December, 2026", "2026-12-08"}, FoldCase{L"", "2026-12-08"}));

}  // namespace
}  // namespace chronoflip
