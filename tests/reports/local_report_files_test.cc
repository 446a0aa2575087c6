#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "reports/report_files.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

using testing::readBytes;
using testing::TempFolder;
namespace fs = std::filesystem;

// What the system says; on Windows its own codes (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
// ERROR_ACCESS_DENIED).
#ifdef _WIN32
constexpr int kNoSuchFile = 2;
constexpr int kNoSuchFolder = 3;
constexpr int kIsAFolder = 5;
#else
constexpr int kNoSuchFile = ENOENT;
constexpr int kNoSuchFolder = ENOENT;
constexpr int kIsAFolder = EISDIR;
#endif

int errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.code().value();
    }
    return 0;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class LocalReportFilesTest : public ::testing::Test {
  protected:
    TempFolder temp;
    LocalReportFiles files;
    const std::string report = temp.write("B1.html", "old\r\n");
};

TEST_F(LocalReportFilesTest, ReplacesTheContentKeepingThePermissions) {
#ifndef _WIN32
    ::chmod(report.c_str(), 0640);
#endif
    const std::string content("new\r\n\0\xff", 7);
    files.replaceWhole(report, content);
    EXPECT_EQ(readBytes(report), content);
    EXPECT_EQ(files.readWhole(report), content);
#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(::stat(report.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
#endif
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{"B1.html"}));
}

TEST_F(LocalReportFilesTest, AFolderInTheTemporaryFilesPlaceLeavesTheReportAlone) {
    fs::create_directory(LocalReportFiles::temporaryPath(report));
    EXPECT_EQ(errorOf([&] { files.replaceWhole(report, "new"); }), kIsAFolder);
    EXPECT_EQ(readBytes(report), "old\r\n");
    EXPECT_TRUE(fs::is_directory(LocalReportFiles::temporaryPath(report)));
}

TEST_F(LocalReportFilesTest, AFailedRenameLeavesNoTemporaryFile) {
    const std::string folder = (temp.path() / "B2.html").string();
    fs::create_directory(folder);
    EXPECT_EQ(errorOf([&] { files.replaceWhole(folder, "new"); }), kIsAFolder);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{"B1.html", "B2.html"}));
}

TEST_F(LocalReportFilesTest, ALeftoverLinkAtTheTemporaryNameIsNotFollowed) {
#ifdef _WIN32
    GTEST_SKIP() << "making a link needs a privilege that Windows (and wine) withholds";
#endif
    const std::string elsewhere = temp.write("elsewhere.txt", "keep me");
    fs::create_symlink(elsewhere, LocalReportFiles::temporaryPath(report));
    EXPECT_EQ(errorOf([&] { files.replaceWhole(report, "new"); }), ELOOP);
    EXPECT_EQ(readBytes(elsewhere), "keep me");
    EXPECT_EQ(readBytes(report), "old\r\n");
    files.replaceWhole(report, "new");  // the leftover is gone after the failure
    EXPECT_EQ(readBytes(report), "new");
}

TEST_F(LocalReportFilesTest, ReadingSomethingOtherThanAFileFails) {
    EXPECT_EQ(errorOf([&] { files.readWhole(temp.file("missing.html")); }), kNoSuchFile);
    EXPECT_EQ(errorOf([&] { files.readWhole(temp.path().string()); }), kIsAFolder);
    EXPECT_EQ(errorOf([&] { files.replaceWhole(temp.file("no/such/B1.html"), "x"); }),
              kNoSuchFolder);
}

}  // namespace
}  // namespace chronoflip
