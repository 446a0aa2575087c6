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
        ChunkSurvey survey;
        std::exception_ptr error;
        try {
            char* const chunk = spare_.data() + offset_;
            survey = surveyChunk(chunk, file_.read(chunk, size_));
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        survey_ = survey;
        error_ = error;
        chunkReady_ = true;
        changed_.notify_all();
        // After the end, a Ctrl-Z or a failure nothing more is read.
        if (survey.read == 0 || survey.text < survey.read) return;
    }
}

ChunkSurvey ReadAheadThread::exchange(std::vector<char>& buffer, std::size_t keptAt,
                                      std::size_t kept) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return chunkReady_; });
    if (error_) std::rethrow_exception(error_);
    if (kept > 0) std::memcpy(spare_.data() + offset_ - kept, buffer.data() + keptAt, kept);
    buffer.swap(spare_);
    if (survey_.read > 0 && survey_.text == survey_.read) {
        chunkReady_ = false;
        changed_.notify_all();
    }
    return survey_;
}

}  // namespace chronoflip
