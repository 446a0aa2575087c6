#include <gtest/gtest.h>

#include "reports/report_paths.h"

namespace chronoflip {
namespace {

struct StripCase {
    PathStyle style;
    std::string path;
    int count;
    std::string stripped;
};

class PathTailStripTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(PathTailStripTest, RemovesComponentsUpToTheNthSeparator) {
    const StripCase& c = GetParam();
    EXPECT_EQ(pathTailStrip(c.path, static_cast<std::uint8_t>(c.count), c.style), c.stripped);
}

INSTANTIATE_TEST_SUITE_P(
    BothStyles, PathTailStripTest,
    ::testing::Values(
        StripCase{kWindowsPaths, R"(D:\A\B\Reports\Baseline)", 2, R"(D:\A\B)"},
        StripCase{kWindowsPaths, R"(D:\Baseline)", 2, "D:"},
        StripCase{kWindowsPaths, R"(D:\)", 2, "D:"}, StripCase{kWindowsPaths, "D:", 2, "D:"},
        StripCase{kWindowsPaths, R"(D:\A\B\Reports\Baseline)", 1, R"(D:\A\B\Reports)"},
        // Only the platform's separator counts.
        StripCase{kWindowsPaths, "D:/A/B/Reports/Baseline", 2, "D:"},
        StripCase{kLinuxPaths, "/home/ann/Survey/Reports/Baseline", 2, "/home/ann/Survey"},
        StripCase{kLinuxPaths, "/Reports/Baseline", 2, ""},
        StripCase{kLinuxPaths, "/Baseline", 2, ""}, StripCase{kLinuxPaths, "/", 2, ""},
        StripCase{kLinuxPaths, R"(/srv/data/A\B\Baseline)", 2, "/srv"},
        StripCase{kLinuxPaths, "", 2, ""}));

TEST(RinexFolder, SitsBelowTheProjectFolderWithAClosingSeparator) {
    EXPECT_EQ(rinexFolderOf(R"(D:\A\B)", kWindowsPaths), R"(D:\A\B\Data Files\RINEX Files\)");
    EXPECT_EQ(rinexFolderOf("D:", kWindowsPaths), R"(D:\Data Files\RINEX Files\)");
    EXPECT_EQ(rinexFolderOf("/home/ann/Survey", kLinuxPaths),
              "/home/ann/Survey/Data Files/RINEX Files/");
    EXPECT_EQ(rinexFolderOf("", kLinuxPaths), "/Data Files/RINEX Files/");
}

TEST(JoinPath, NeverDoublesTheSeparator) {
    EXPECT_EQ(joinPath(R"(D:\)", "Summary.html", kWindowsPaths), R"(D:\Summary.html)");
    EXPECT_EQ(joinPath(R"(D:\A)", "Summary.html", kWindowsPaths), R"(D:\A\Summary.html)");
    EXPECT_EQ(joinPath("/", "B1.html", kLinuxPaths), "/B1.html");
    EXPECT_EQ(joinPath("/srv/x", "B1.html", kLinuxPaths), "/srv/x/B1.html");
}

// What the reset uses when given no style: the platform's own.
TEST(PlatformPaths, AreTheDefault) {
#ifdef _WIN32
    EXPECT_EQ(pathTailStrip(R"(D:\A\B\Reports\Baseline)", 2), R"(D:\A\B)");
    EXPECT_EQ(pathTailStrip(R"(D:\Baseline)", 2), "D:");
    EXPECT_EQ(pathTailStrip(R"(D:\)", 2), "D:");
    EXPECT_EQ(rinexFolderOf(R"(D:\A\B)"), R"(D:\A\B\Data Files\RINEX Files\)");
    EXPECT_EQ(joinPath(R"(D:\A)", "Summary.html"), R"(D:\A\Summary.html)");
#else
    EXPECT_EQ(pathTailStrip("/home/ann/Survey/Reports/Baseline", 2), "/home/ann/Survey");
    EXPECT_EQ(rinexFolderOf("/home/ann/Survey"), "/home/ann/Survey/Data Files/RINEX Files/");
    EXPECT_EQ(joinPath("/srv/x", "B1.html"), "/srv/x/B1.html");
#endif
}

}  // namespace
}  // namespace chronoflip
