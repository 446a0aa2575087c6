#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/error.h"
#include "core/native_file.h"

namespace chronoflip {

bool closeNativeFile(FileHandle::Native native) {
    return ::close(native) == 0;
}

namespace native {

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

}  // namespace

FileHandle openToRead(const std::string& path) {
    return openForReading(path, EACCES);
}

FileHandle openWholeToRead(const std::string& path) {
    return openForReading(path, EISDIR);
}

FileHandle create(const std::string& path) {
    return FileHandle(openOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC, EACCES));
}

FileHandle createTemporary(const std::string& temporary, const std::string& target) {
    FileHandle file(openOrThrow(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW));
    struct stat original {};
    if (::stat(target.c_str(), &original) == 0 &&
        ::fchmod(file.get(), original.st_mode & 07777) != 0) {
        throwSystemError(errno, temporary);
    }
    return file;
}

std::size_t readSome(const FileHandle& file, char* buffer, std::size_t size,
                     const std::string& path) {
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) throwSystemError(errno, path);
    }
}

void writeAll(const FileHandle& file, const char* data, std::size_t size, const std::string& path) {
    while (size > 0) {
        const ssize_t n = ::write(file.get(), data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwSystemError(errno, path);
        }
        if (n == 0) throwSystemError(ENOSPC, path);
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void flushToDisk(const FileHandle& file, const std::string& path) {
    if (::fsync(file.get()) != 0) throwSystemError(errno, path);
}

bool moveToFreeName(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS) {
        // File systems without RENAME_NOREPLACE: link fails when the target exists.
        if (::link(from.c_str(), to.c_str()) == 0) {
            if (::unlink(from.c_str()) == 0) return true;
            const int error = errno;
            ::unlink(to.c_str());
            errno = error;
        }
    }
    return false;
}

void moveOver(const std::string& temporary, const std::string& target) {
    if (::rename(temporary.c_str(), target.c_str()) != 0) throwSystemError(errno, target);
}

// unlink removes no folder.
void deleteQuietly(const std::string& path) {
    ::unlink(path.c_str());
}

}  // namespace native

}  // namespace chronoflip
