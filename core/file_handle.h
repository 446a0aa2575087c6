#pragma once

#include <utility>

namespace chronoflip {

// Owns an open file of the platform: a descriptor on POSIX, a HANDLE on Windows. It is
// closed on every path; an explicit close() says whether it worked, so that each owner
// raises the error of its own contract.
class FileHandle {
  public:
#ifdef _WIN32
    using Native = void*;
#else
    using Native = int;
#endif

    // Takes an open file; callers check the open's result first.
    explicit FileHandle(Native native) : native_(native) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept
        : native_(other.native_), open_(std::exchange(other.open_, false)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    Native get() const {
        return native_;
    }
    // Closes the file now; false when the system reported a failure (network and quota
    // file systems may report a full disk only here), the error in lastSystemError().
    bool close();

  private:
    Native native_;
    bool open_ = true;
};

// Closes an open file of the platform; false when the system reported a failure. A close
// interrupted by a signal is not retried: the descriptor is gone either way on Linux.
bool closeNativeFile(FileHandle::Native native);

}  // namespace chronoflip
