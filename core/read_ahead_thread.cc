#include "core/read_ahead_thread.h"

#include <cstring>

namespace chronoflip {

namespace {

std::deque<PageBuffer> buffers(std::size_t count, std::size_t size) {
    std::deque<PageBuffer> made;
    for (std::size_t i = 0; i < count; ++i) made.emplace_back(size);
    return made;
}

}  // namespace

ReadAheadThread::ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size,
                                 SourceCount* count)
    : file_(file),
      offset_(offset),
      size_(size),
      count_(count),
      empty_(buffers(kRing, offset + size)),
      thread_([this] { run(); }) {}

ReadAheadThread::~ReadAheadThread() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    freed_.notify_one();
    thread_.join();
}

void ReadAheadThread::run() {
    for (;;) {
        Chunk chunk;
        {
            std::unique_lock lock(mutex_);
            if (empty_.empty()) {
                freed_.wait(lock, [this] { return empty_.size() >= kWakeAfter || stopping_; });
            }
            if (stopping_) return;
            chunk.buffer = std::move(empty_.front());
            empty_.pop_front();
        }
        try {
            char* const text = chunk.buffer.data() + offset_;
            chunk.survey = surveyChunk(text, file_.read(text, size_));
            if (count_ != nullptr) chunk.sourceRead = count_->read.load();
        } catch (...) {
            chunk.error = std::current_exception();
        }
        // After the end, a Ctrl-Z or a failure nothing more is read.
        const bool last = chunk.survey.read == 0 || chunk.survey.text < chunk.survey.read;
        {
            const std::lock_guard lock(mutex_);
            read_.push_back(std::move(chunk));
        }
        // Notified outside the lock, so the woken thread does not wait for it at once.
        filled_.notify_one();
        if (last) return;
    }
}

ChunkSurvey ReadAheadThread::exchange(PageBuffer& buffer, std::size_t keptAt,
                                      std::size_t kept) {
    std::unique_lock lock(mutex_);
    filled_.wait(lock, [this] { return !read_.empty(); });
    Chunk& chunk = read_.front();
    if (chunk.error) std::rethrow_exception(chunk.error);
    if (kept > 0) std::memcpy(chunk.buffer.data() + offset_ - kept, buffer.data() + keptAt, kept);
    buffer.swap(chunk.buffer);
    const ChunkSurvey survey = chunk.survey;
    if (count_ != nullptr) count_->taken = chunk.sourceRead;
    empty_.push_back(std::move(chunk.buffer));
    read_.pop_front();
    const bool wake = empty_.size() >= kWakeAfter;
    lock.unlock();
    if (wake) freed_.notify_one();
    return survey;
}

}  // namespace chronoflip
