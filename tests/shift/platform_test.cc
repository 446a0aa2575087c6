// Paths, error messages and the computer's own files, each in the platform's own terms:
// the same cases run with POSIX paths and errno on Linux, with drive letters, backslashes
// and the system's error codes on Windows.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <system_error>

#include "core/error.h"
#include "core/file_system.h"
#include "core/line_writer.h"
#include "core/paths.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

using testing::readBytes;
using testing::TempFolder;

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

#ifdef _WIN32
TEST(Paths, SplitAtTheLastBackslashSlashOrDriveColon) {
    EXPECT_EQ(workFilePath(R"(D:\GPS\abcd0010.16o)"), R"(D:\GPS\e_abcd0010.16o)");
    EXPECT_EQ(workFilePath("D:abcd0010.16o"), "D:e_abcd0010.16o");
    EXPECT_EQ(workFilePath(R"(\\server\share\gps/abcd0010.16o)"),
              R"(\\server\share\gps/e_abcd0010.16o)");
    EXPECT_EQ(workFilePath("abcd0010.16o"), "e_abcd0010.16o");
    EXPECT_EQ(withExtension(R"(D:\GPS\abcd0010.16o)", ".88o"), R"(D:\GPS\abcd0010.88o)");
    EXPECT_EQ(withExtension(R"(D:\gps.d\abcd)", ".88o"), R"(D:\gps.d\abcd.88o)");
    EXPECT_EQ(withExtension("D:abcd", ".88n"), "D:abcd.88n");
    EXPECT_EQ(withExtension(R"(D:\GPS\a.b.16N)", ".88N"), R"(D:\GPS\a.b.88N)");
    EXPECT_EQ(backupPath(R"(D:\GPS\abcd0010.16o)"), R"(D:\GPS\abcd0010.16o.bak)");
    EXPECT_EQ(namePart(R"(D:\GPS\x/abcd.16o)"), "abcd.16o");
    EXPECT_EQ(folderPart(R"(D:\GPS\x\abcd.16o)"), R"(D:\GPS\x\)");
    EXPECT_EQ(folderPart("D:abcd.16o"), "D:");
    EXPECT_EQ(kindLetter(R"(D:\GPS\ABCD0010.16O)"), 'o');
}
#else
TEST(Paths, SplitAtTheLastSlashOnly) {
    EXPECT_EQ(workFilePath("/gps/abcd0010.16o"), "/gps/e_abcd0010.16o");
    EXPECT_EQ(workFilePath("abcd0010.16o"), "e_abcd0010.16o");
    // Backslashes and colons are ordinary name characters here.
    EXPECT_EQ(workFilePath(R"(/gps/D:\abcd0010.16o)"), R"(/gps/e_D:\abcd0010.16o)");
    EXPECT_EQ(withExtension("/gps/abcd0010.16o", ".88o"), "/gps/abcd0010.88o");
    EXPECT_EQ(withExtension("/gps.d/abcd", ".88o"), "/gps.d/abcd.88o");
    EXPECT_EQ(withExtension("/gps/a.b.16n", ".88n"), "/gps/a.b.88n");
    EXPECT_EQ(backupPath("/gps/abcd0010.16o"), "/gps/abcd0010.16o.bak");
    EXPECT_EQ(namePart("/gps/x/abcd.16o"), "abcd.16o");
    EXPECT_EQ(folderPart("/gps/x/abcd.16o"), "/gps/x/");
    EXPECT_EQ(kindLetter("/gps/ABCD0010.16O"), 'o');
}
#endif

TEST(Paths, KindLetterIsTheLastCharacterInLowerCase) {
    EXPECT_EQ(kindLetter("data.123"), '3');
    EXPECT_EQ(kindLetter("X.16N"), 'n');
    EXPECT_EQ(kindLetter(""), 0);
}

TEST(IoErrors, CarryTheUsersMessages) {
    EXPECT_EQ(ioErrorMessage(2), "File not found");
    EXPECT_EQ(ioErrorMessage(101), "Disk full");
    EXPECT_EQ(ioErrorMessage(32), "I/O error 32");
    const auto systemError = [](int code) {
        return messageOf([&] { throwSystemError(code, "x"); });
    };
#ifdef _WIN32
    // The system's own codes are the program's numbering; only a full disk is renamed.
    EXPECT_EQ(systemError(2), "File not found");       // ERROR_FILE_NOT_FOUND
    EXPECT_EQ(systemError(3), "Invalid filename");     // ERROR_PATH_NOT_FOUND
    EXPECT_EQ(systemError(4), "Too many open files");  // ERROR_TOO_MANY_OPEN_FILES
    EXPECT_EQ(systemError(5), "File access denied");   // ERROR_ACCESS_DENIED
    EXPECT_EQ(systemError(32), "I/O error 32");        // ERROR_SHARING_VIOLATION
    EXPECT_EQ(systemError(112), "Disk full");          // ERROR_DISK_FULL
    EXPECT_EQ(systemError(39), "Disk full");           // ERROR_HANDLE_DISK_FULL
    EXPECT_EQ(systemError(123), "I/O error 123");      // ERROR_INVALID_NAME
#else
    EXPECT_EQ(systemError(ENOENT), "File not found");
    EXPECT_EQ(systemError(ENOTDIR), "Invalid filename");
    EXPECT_EQ(systemError(EMFILE), "Too many open files");
    EXPECT_EQ(systemError(EACCES), "File access denied");
    EXPECT_EQ(systemError(ENOSPC), "Disk full");
    EXPECT_EQ(systemError(EIO), "I/O error 5");
#endif
    // The C++ library's errors name C library numbers on every platform.
    const auto libraryError = [](std::errc error) {
        return messageOf([&] { throwSystemError(std::make_error_code(error), "x"); });
    };
    EXPECT_EQ(libraryError(std::errc::no_such_file_or_directory), "File not found");
    EXPECT_EQ(libraryError(std::errc::permission_denied), "File access denied");
    EXPECT_EQ(libraryError(std::errc::no_space_on_device), "Disk full");
    EXPECT_EQ(libraryError(std::errc::io_error), "I/O error " + std::to_string(EIO));
}

class LocalFilesTest : public ::testing::Test {
  protected:
    TempFolder temp;
    LocalFileSystem files;
    const std::string source = temp.write("abcd0010.16o", "source\r\n");
    const std::string missingFolder = temp.file("missing") + temp.file("").back() + "x.16o";
};

// The folder above is missing: Windows says "path not found", POSIX "no such file".
#ifdef _WIN32
constexpr const char* kMissingFolderMessage = "Invalid filename";
#else
constexpr const char* kMissingFolderMessage = "File not found";
#endif

TEST_F(LocalFilesTest, ReportFailuresInTheUsersWords) {
    EXPECT_EQ(messageOf([&] { files.openRead(temp.file("missing.16o")); }), "File not found");
    EXPECT_EQ(messageOf([&] { files.openRead(missingFolder); }), kMissingFolderMessage);
    EXPECT_EQ(messageOf([&] { files.openRead(temp.path().string()); }), "File access denied");
    EXPECT_EQ(messageOf([&] { files.create(missingFolder); }), kMissingFolderMessage);
    EXPECT_EQ(messageOf([&] { files.create(temp.path().string()); }), "File access denied");
#ifndef _WIN32
    EXPECT_EQ(messageOf([&] { files.openRead(source + "/x.16o"); }), "Invalid filename");
#endif
}

TEST_F(LocalFilesTest, AFullDiskIsReported) {
#ifdef _WIN32
    const std::string full = R"(Z:\dev\full)";  // wine's view of the Linux device
    if (!files.exists(full) && !std::ifstream(full)) {
        GTEST_SKIP() << "no always-full device outside wine";
    }
#else
    const std::string full = "/dev/full";
#endif
    EXPECT_EQ(messageOf([&] {
                  auto output = files.create(full);
                  LineWriter writer(*output);
                  writer.line("data");
                  writer.flush();
              }),
              "Disk full");
}

TEST_F(LocalFilesTest, ARenameNeverReplacesAFileAndSaysWhy) {
    const std::string target = temp.write("abcd0010.88o", "target\r\n");
    try {
        files.rename(source, target);
        ADD_FAILURE() << "the rename replaced the target";
    } catch (const Error& error) {
        EXPECT_EQ(error.path(), source);
        EXPECT_TRUE(error.code());
        EXPECT_EQ(error.what(), error.code().message());
    }
    EXPECT_EQ(readBytes(source), "source\r\n");
    EXPECT_EQ(readBytes(target), "target\r\n");
    files.remove(target);
    files.rename(source, target);
    EXPECT_EQ(readBytes(target), "source\r\n");
    EXPECT_FALSE(files.exists(source));
}

TEST_F(LocalFilesTest, OnlyFilesAreDeleted) {
    files.remove(temp.path().string());
    EXPECT_TRUE(std::filesystem::is_directory(temp.path()));
    files.remove(temp.file("missing.16o"));
    files.remove(source);
    EXPECT_FALSE(files.exists(source));
}

TEST_F(LocalFilesTest, SameFileSeesThroughOtherSpellings) {
    EXPECT_TRUE(files.sameFile(source, temp.file("./abcd0010.16o")));
    EXPECT_FALSE(files.sameFile(source, temp.write("abcd0010.88o", "x")));
#ifdef _WIN32
    EXPECT_TRUE(files.sameFile(source, temp.file("ABCD0010.16O")));  // names ignore case
#endif
}

#ifdef _WIN32
// A file another program still writes (a download, a logger) is not shifted half-written.
TEST_F(LocalFilesTest, AFileStillBeingWrittenIsRefused) {
    std::ofstream writer(source, std::ios::app | std::ios::binary);
    ASSERT_TRUE(writer.is_open());
    EXPECT_EQ(messageOf([&] { files.openRead(source); }), "I/O error 32");
}
#endif

}  // namespace
}  // namespace chronoflip
