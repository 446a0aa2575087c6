#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/error.h"
#include "core/file_handle.h"
#include "core/file_system.h"

namespace chronoflip {

namespace {

int openFile(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

class LocalInputFile final : public InputFile {
  public:
    explicit LocalInputFile(int fd) : file_(fd) {}
    std::size_t read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(file_.get(), buffer, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) throwSystemError(errno);
        }
    }
    void close() override {
        if (!file_.close()) throwSystemError(errno);
    }

  private:
    FileHandle file_;
};

class LocalOutputFile final : public OutputFile {
  public:
    explicit LocalOutputFile(int fd) : file_(fd) {}
    void write(const char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(file_.get(), data, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                throwSystemError(errno);
            }
            if (n == 0) throwSystemError(ENOSPC);
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    void close() override {
        if (!file_.close()) throwSystemError(errno);
    }

  private:
    FileHandle file_;
};

}  // namespace

std::unique_ptr<InputFile> LocalFileSystem::openRead(const std::string& path) {
    const int fd = openFile(path, O_RDONLY);
    if (fd < 0) throwSystemError(errno);
    auto file = std::make_unique<LocalInputFile>(fd);
    // A folder opens fine for reading here (Windows refuses it at the open); report it as
    // the access failure it is.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) throwSystemError(EACCES);
    return file;
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    const int fd = openFile(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) throwSystemError(errno == EISDIR ? EACCES : errno);
    return std::make_unique<LocalOutputFile>(fd);
}

bool LocalFileSystem::rename(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: link fails when the target exists.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

// The report files

namespace {

[[noreturn]] void throwErrno() {
    throw std::system_error(errno, std::system_category());
}

int openOrThrow(const std::string& path, int flags) {
    const int fd = openFile(path, flags);
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

std::string LocalFileSystem::readWhole(const std::string& path) {
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

void LocalFileSystem::replaceWhole(const std::string& path, std::string_view content) {
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
