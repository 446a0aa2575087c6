#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "error.h"
#include "file_handle.h"
#include "file_system.h"

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

}  // namespace chronoflip
