#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <system_error>

#include "file_handle.h"
#include "report_files.h"

namespace chronoflip {

namespace {

[[noreturn]] void throwErrno() {
    throw std::system_error(errno, std::system_category());
}

int openOrThrow(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throwErrno();
    return fd;
}

void writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno();
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
}

void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view content) {
    // A leftover link at the temporary name must not lead the write elsewhere.
    FileHandle file(openOrThrow(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW));
    writeAll(file.get(), content);
    struct stat original {};
    if (::stat(target.c_str(), &original) == 0 &&
        ::fchmod(file.get(), original.st_mode & 07777) != 0) {
        throwErrno();
    }
    // The content must be on the disk before the rename makes it the report.
    if (::fsync(file.get()) != 0) throwErrno();
    if (!file.close()) throwErrno();
}

}  // namespace

std::string LocalReportFiles::readWhole(const std::string& path) {
    FileHandle file(openOrThrow(path, O_RDONLY));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throwErrno();
    if (S_ISDIR(info.st_mode)) throw std::system_error(EISDIR, std::system_category());
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno();
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    if (!file.close()) throwErrno();
    return content;
}

void LocalReportFiles::replaceWhole(const std::string& path, std::string_view content) {
    const std::string temporary = temporaryPath(path);
    try {
        writeTemporary(temporary, path, content);
        if (::rename(temporary.c_str(), path.c_str()) != 0) throwErrno();
    } catch (const std::system_error&) {
        // Closed by now; a folder in its place is not removed by unlink.
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace chronoflip
