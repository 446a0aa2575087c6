#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "error.h"
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

// Owns an open descriptor; closes it on every path, reporting the failure of an explicit
// close only.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Network and quota file systems may report a full disk only here. Don't retry close
    // on EINTR: the descriptor is gone either way on Linux.
    void close() {
        const int fd = fd_;
        fd_ = -1;
        if (fd >= 0 && ::close(fd) != 0) throwSystemError(errno);
    }

  private:
    int fd_;
};

class LocalInputFile final : public InputFile {
  public:
    explicit LocalInputFile(int fd) : fd_(fd) {}
    std::size_t read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_.get(), buffer, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) throwSystemError(errno);
        }
    }
    void close() override { fd_.close(); }

  private:
    Descriptor fd_;
};

class LocalOutputFile final : public OutputFile {
  public:
    explicit LocalOutputFile(int fd) : fd_(fd) {}
    void write(const char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_.get(), data, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                throwSystemError(errno);
            }
            if (n == 0) throwSystemError(ENOSPC);
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    void close() override { fd_.close(); }

  private:
    Descriptor fd_;
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
