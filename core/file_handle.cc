#include "core/file_handle.h"

#ifdef _WIN32
#include "core/windows_api.h"
#else
#include <unistd.h>

#include <cerrno>
#endif

namespace chronoflip {

namespace {

// Don't retry a close interrupted by a signal: the descriptor is gone either way on Linux.
bool closeNative(FileHandle::Native native) {
#ifdef _WIN32
    return CloseHandle(native) != 0;
#else
    return ::close(native) == 0;
#endif
}

}  // namespace

FileHandle::~FileHandle() {
    if (open_) closeNative(native_);
}

bool FileHandle::close() {
    if (!open_) return true;
    open_ = false;
    return closeNative(native_);
}

int lastSystemError() {
#ifdef _WIN32
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

}  // namespace chronoflip
