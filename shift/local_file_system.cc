#include "file_system.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace chronoflip {

namespace {

// Paths travel through the program as UTF-8 text.
std::filesystem::path toPath(const std::string& path) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

#ifdef _WIN32
std::wstring widePath(const std::string& path) {
    return toPath(path).wstring();
}
int openFile(const std::string& path, int flags) {
    return _wopen(widePath(path).c_str(), flags | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long readFile(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(size > 1u << 30 ? 1u << 30 : size));
}
long long writeFile(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size > 1u << 30 ? 1u << 30 : size));
}
int closeFile(int fd) {
    return _close(fd);
}
constexpr int kReadFlags = _O_RDONLY;
constexpr int kCreateFlags = _O_WRONLY | _O_CREAT | _O_TRUNC;
#else
int openFile(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}
long long readFile(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
long long writeFile(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
// Don't retry close on EINTR: the descriptor is gone either way on Linux.
int closeFile(int fd) {
    return ::close(fd);
}
constexpr int kReadFlags = O_RDONLY;
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_TRUNC;
#endif

// A folder opens fine for reading on POSIX (Windows refuses it at the open); report it
// as the access failure it is.
void refuseFolder([[maybe_unused]] int fd) {
#ifndef _WIN32
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        closeFile(fd);
        throwSystemError(EACCES);
    }
#endif
}

// Owns an open descriptor; closes it on every path, reporting the failure of an explicit
// close only.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) closeFile(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void close() {
        const int fd = fd_;
        fd_ = -1;
        // Network and quota file systems may report a full disk only here.
        if (fd >= 0 && closeFile(fd) != 0) throwSystemError(errno);
    }

  private:
    int fd_;
};

class LocalInputFile final : public InputFile {
  public:
    explicit LocalInputFile(int fd) : fd_(fd) {}
    std::size_t read(char* buffer, std::size_t size) override {
        for (;;) {
            const long long n = readFile(fd_.get(), buffer, size);
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
            const long long n = writeFile(fd_.get(), data, size);
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
    const int fd = openFile(path, kReadFlags);
    if (fd < 0) throwSystemError(errno);
    refuseFolder(fd);
    return std::make_unique<LocalInputFile>(fd);
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    const int fd = openFile(path, kCreateFlags);
    if (fd < 0) throwSystemError(errno == EISDIR ? EACCES : errno);
    return std::make_unique<LocalOutputFile>(fd);
}

bool LocalFileSystem::exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(toPath(path), error);
}

bool LocalFileSystem::remove(const std::string& path) {
    std::error_code error;
    const auto p = toPath(path);
    // Only files are ever deleted here, never a folder that happens to carry the name.
    return std::filesystem::is_regular_file(p, error) && std::filesystem::remove(p, error);
}

bool LocalFileSystem::rename(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
#else
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
#endif
}

bool LocalFileSystem::sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(toPath(a), toPath(b), error);
}

}  // namespace chronoflip
