#include "core/read_ahead_thread.h"

#include <cstring>

namespace chronoflip {

ReadAheadThread::ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size)
    : file_(file), offset_(offset), size_(size), spare_(offset + size), thread_([this] {
          run();
      }) {}

ReadAheadThread::~ReadAheadThread() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void ReadAheadThread::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !chunkReady_ || stopping_; });
        if (stopping_) return;
        lock.unlock();
        std::size_t n = 0;
        std::exception_ptr error;
        try {
            n = file_.read(spare_.data() + offset_, size_);
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        chunkSize_ = n;
        error_ = error;
        chunkReady_ = true;
        changed_.notify_all();
        // After the end or a failure there is nothing more to read.
        if (n == 0) return;
    }
}

std::size_t ReadAheadThread::exchange(std::vector<char>& buffer, std::size_t keptAt,
                                      std::size_t kept) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return chunkReady_; });
    if (error_) std::rethrow_exception(error_);
    if (kept > 0) std::memcpy(spare_.data() + offset_ - kept, buffer.data() + keptAt, kept);
    buffer.swap(spare_);
    if (chunkSize_ > 0) {
        chunkReady_ = false;
        changed_.notify_all();
    }
    return chunkSize_;
}

}  // namespace chronoflip
