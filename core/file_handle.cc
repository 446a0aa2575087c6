#include "core/file_handle.h"

namespace chronoflip {

FileHandle::~FileHandle() {
    if (open_) closeNativeFile(native_);
}

bool FileHandle::close() {
    if (!open_) return true;
    open_ = false;
    return closeNativeFile(native_);
}

}  // namespace chronoflip
