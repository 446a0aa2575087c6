#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/error.h"
#include "core/file_handle.h"
#include "core/file_system.h"

namespace chronoflip {

bool closeNativeFile(FileHandle::Native native) {
    return ::close(native) == 0;
}

namespace {

// folderError stands for EISDIR: the engines call a folder in a file's place an access
// failure, as Windows does, while the report reset names it as the system does.
int openOrThrow(const std::string& path, int flags, int folderError = EISDIR) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throwSystemError(errno == EISDIR ? folderError : errno, path);
    return fd;
}

void writeAll(int fd, const char* data, std::size_t size, const std::string& path) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwSystemError(errno, path);
        }
        if (n == 0) throwSystemError(ENOSPC, path);
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

std::size_t readSome(int fd, char* buffer, std::size_t size, const std::string& path) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) throwSystemError(errno, path);
    }
}

void closeOrThrow(FileHandle& file, const std::string& path) {
    if (!file.close()) throwSystemError(errno, path);
}

// A folder opens fine for reading here (Windows refuses it at the open); it is reported
// as folderError.
FileHandle openForReading(const std::string& path, int folderError) {
    FileHandle file(openOrThrow(path, O_RDONLY, folderError));
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && S_ISDIR(info.st_mode)) {
        throwSystemError(folderError, path);
    }
    return file;
}

class LocalInputFile final : public InputFile {
  public:
    LocalInputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    std::size_t read(char* buffer, std::size_t size) override {
        return readSome(file_.get(), buffer, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

class LocalOutputFile final : public OutputFile {
  public:
    LocalOutputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    void write(const char* data, std::size_t size) override {
        writeAll(file_.get(), data, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view content) {
    // A leftover link at the temporary name must not lead the write elsewhere.
    FileHandle file(openOrThrow(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW));
    writeAll(file.get(), content.data(), content.size(), temporary);
    struct stat original {};
    if (::stat(target.c_str(), &original) == 0 &&
        ::fchmod(file.get(), original.st_mode & 07777) != 0) {
        throwSystemError(errno, temporary);
    }
    // The content must be on the disk before the rename makes it the report.
    if (::fsync(file.get()) != 0) throwSystemError(errno, temporary);
    closeOrThrow(file, temporary);
}

}  // namespace

std::unique_ptr<InputFile> LocalFileSystem::openRead(const std::string& path) {
    return std::make_unique<LocalInputFile>(openForReading(path, EACCES), path);
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    return std::make_unique<LocalOutputFile>(
        FileHandle(openOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC, EACCES)), path);
}

void LocalFileSystem::rename(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    if (errno == EINVAL || errno == ENOSYS) {
        // File systems without RENAME_NOREPLACE: link fails when the target exists.
        if (::link(from.c_str(), to.c_str()) == 0) {
            if (::unlink(from.c_str()) == 0) return;
            const int error = errno;
            ::unlink(to.c_str());
            errno = error;
        }
    }
    const std::error_code error(errno, std::system_category());
    throw Error(error.message(), from, error);
}

std::string LocalFileSystem::readWhole(const std::string& path) {
    FileHandle file = openForReading(path, EISDIR);
    std::string content;
    char buffer[64 * 1024];
    while (const std::size_t n = readSome(file.get(), buffer, sizeof buffer, path)) {
        content.append(buffer, n);
    }
    closeOrThrow(file, path);
    return content;
}

void LocalFileSystem::replaceWhole(const std::string& path, std::string_view content) {
    const std::string temporary = temporaryPath(path);
    try {
        writeTemporary(temporary, path, content);
        if (::rename(temporary.c_str(), path.c_str()) != 0) throwSystemError(errno, path);
    } catch (const Error&) {
        // Closed by now; a folder in its place is not removed by unlink.
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace chronoflip
