#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "core/error.h"
#include "core/folder_listing.h"
#include "core/wildcard_mask.h"
#include "reports/report_list.h"
#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

struct MaskCase {
    std::string name;
    std::string mask;
    bool matches;
};

class MaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTest, MatchesWildcardsWithoutRegardToCase) {
    EXPECT_EQ(matchesMask(GetParam().name, GetParam().mask), GetParam().matches)
        << GetParam().name << " against " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTest,
    ::testing::Values(
        MaskCase{"B0001.html", "B*.html", true}, MaskCase{"b0001.HTML", "B*.html", true},
        MaskCase{"B.html", "B*.html", true}, MaskCase{"A0001.html", "B*.html", false},
        MaskCase{"B0001.htm", "B*.html", false}, MaskCase{"B0001.html.bak", "B*.html", false},
        MaskCase{"abcd0480.16o", "*.*o", true}, MaskCase{"KOSG0010.95O", "*.*o", true},
        MaskCase{"abcd0480.16n", "*.*o", false}, MaskCase{"o", "*.*o", false},
        MaskCase{"a.b.o", "*.*o", true}, MaskCase{"abc", "a?c", true}, MaskCase{"ac", "a?c", false},
        MaskCase{"abbc", "a?c", false}, MaskCase{"x.txt", "*.html;*.TXT", true},
        MaskCase{"x.doc", "*.html;*.txt", false}, MaskCase{"x", ";x", true},
        MaskCase{"", "*", true}, MaskCase{"a", "", false},
        MaskCase{std::string(60, 'a') + "b", "*a*a*a*a*a*a*a*a*a*a*c", false},
        MaskCase{"\xe9t\xe9.html", "?T?.HTML", true}));

TEST(CaseInsensitiveOrder, SortsLettersTogetherWhateverTheirCase) {
    std::vector<std::string> names{"b2.html", "B10.html", "a.HTML", "B1.html", "b1.html", "_x"};
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    const std::vector<std::string> expected{"_x",      "a.HTML",   "B1.html",
                                            "b1.html", "B10.html", "b2.html"};
    EXPECT_EQ(names, expected);
}

class FolderTest : public ::testing::Test {
  protected:
    FolderTest() {
        for (const char* name : {"B1.html", "b2.HTML", "B10.html", "C1.html", ".B0.html",
                                 "abcd0480.16o", "ABCD0490.16O"}) {
            temp.write(name, "x");
        }
        fs::create_directory(temp.path() / "B3.html");
#ifndef _WIN32  // links need privileges on Windows, and it has no named pipes in folders
        fs::create_symlink(temp.path() / "B1.html", temp.path() / "B4.html");
        fs::create_symlink(temp.path() / "gone.html", temp.path() / "B5.html");
        ::mkfifo((temp.path() / "B6.html").c_str(), 0600);
#endif
    }
    // The platform's full path of a name inside the folder.
    std::string inside(const std::string& name) const {
        return (temp.path() / name).string();
    }

    TempFolder temp;
    const std::string folder = temp.path().string();
    const std::string root = temp.path().root_path().string();
#ifdef _WIN32
    const std::vector<std::string> reports{"B1.html", "B10.html", "b2.HTML"};
#else
    const std::vector<std::string> reports{"B1.html", "B10.html", "b2.HTML", "B4.html"};
#endif
    const std::size_t reportCount = reports.size();
};

TEST_F(FolderTest, ListsMatchingFilesOnlySortedWithoutRegardToCase) {
    EXPECT_EQ(listFolderFiles(folder, "B*.html"), reports);
    const std::vector<std::string> observations{"abcd0480.16o", "ABCD0490.16O"};
    EXPECT_EQ(listFolderFiles(folder, "*.*o"), observations);
    EXPECT_EQ(listFolderFiles(folder, "C*;*.16O").size(), 3u);
}

TEST_F(FolderTest, AFolderThatCannotBeEnteredIsAnInputOutputError) {
    EXPECT_THROW_MSG(listFolderFiles(inside("missing"), "*"), Error, "File not found");
    EXPECT_THROW_MSG(enterableFolder(folder, "missing"), Error, "File not found");
    EXPECT_THROW_MSG(enterableFolder(folder, "missing/deeper"), Error, "Invalid filename");
#ifdef _WIN32
    EXPECT_THROW_MSG(enterableFolder(folder, "B1.html"), Error, "I/O error 267");
#else
    EXPECT_THROW_MSG(enterableFolder(folder, "B1.html"), Error, "Invalid filename");
#endif
    EXPECT_THROW_MSG(enterableFolder(folder, "B1.html/x"), Error, "Invalid filename");
}

TEST_F(FolderTest, EnteredFoldersAreFullPathsWithoutAClosingSeparator) {
    EXPECT_EQ(enterableFolder(root, inside("")), folder);
    EXPECT_EQ(enterableFolder(folder, "B3.html"), inside("B3.html"));
    EXPECT_EQ(enterableFolder(inside("B3.html"), "../B3.html/./"), inside("B3.html"));
    EXPECT_EQ(enterableFolder(folder, root), root);
}

TEST_F(FolderTest, ReportListListsItsFolderAfreshOnlyWhenFolderOrMaskChange) {
    WorkingFolder working(root);
    ReportList list(working);
    EXPECT_TRUE(list.entries().empty());
    list.setFolder(inside(""));
    EXPECT_EQ(list.folder(), folder);
    EXPECT_EQ(working.path(), folder);
    EXPECT_EQ(list.entries().size(), reportCount);

    temp.write("B7.html", "x");
    list.setFolder(folder);  // the same folder: not listed again
    EXPECT_EQ(list.entries().size(), reportCount);
    list.setMask("*.*o");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"abcd0480.16o", "ABCD0490.16O"}));
    list.setMask("B*.html");
    EXPECT_EQ(list.entries().size(), reportCount + 1);
    EXPECT_EQ(list.entries()[reportCount], "B7.html");
}

TEST_F(FolderTest, ReportListStaysAsItWasWhenAFolderCannotBeEntered) {
    WorkingFolder working(folder);
    ReportList list(working);
    list.setFolder(folder);
    EXPECT_THROW_MSG(list.setFolder("missing/deeper"), Error, "Invalid filename");
    EXPECT_EQ(list.folder(), folder);
    EXPECT_EQ(working.path(), folder);
    EXPECT_EQ(list.entries().size(), reportCount);
}

// The report reset lists folders itself; the window's list shows what it listed.
TEST_F(FolderTest, ReportListShowsAListingMadeElsewhereAndEntersItsFolder) {
    WorkingFolder working(root);
    ReportList list(working);
    list.showListing({folder, "*.*o", {"abcd0480.16o"}});
    EXPECT_EQ(list.folder(), folder);
    EXPECT_EQ(list.mask(), "*.*o");
    EXPECT_EQ(list.entries(), std::vector<std::string>{"abcd0480.16o"});
    EXPECT_EQ(working.path(), folder);
    // Its folder and mask are the list's own from then on.
    list.setMask("B*.html");
    EXPECT_EQ(list.entries().size(), reportCount);
}

TEST_F(FolderTest, ApplyPathTakesFolderAndMaskAsTheReportsCommandDoes) {
    WorkingFolder working(root);
    ReportList list(working, "*");
    list.applyPath("");
    EXPECT_EQ(list.folder(), "");
    list.applyPath(inside("B3.html"));  // names a folder: entered
    EXPECT_EQ(list.folder(), inside("B3.html"));
    list.applyPath(folder);
    list.applyPath("B*.html");  // no folder part: the working folder stays the list's
    EXPECT_EQ(list.folder(), folder);
    EXPECT_EQ(list.mask(), "B*.html");
    EXPECT_EQ(list.entries().size(), reportCount);
    list.applyPath(inside("*.*O"));
    EXPECT_EQ(list.mask(), "*.*O");
    EXPECT_EQ(list.entries().size(), 2u);
}

}  // namespace
}  // namespace chronoflip
