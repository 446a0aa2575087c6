#include "core/read_ahead_thread.h"

#include <cstring>

namespace chronoflip {

ReadAheadThread::ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size,
                                 SourceCount* count, std::optional<LineMark> mark)
    : file_(file), offset_(offset), size_(size), count_(count), mark_(mark), thread_([this] {
          run();
      }) {}

ReadAheadThread::~ReadAheadThread() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    freed_.notify_one();
    thread_.join();
}

void ReadAheadThread::run() {
    // The buffers are made here, so that the caller's start does not wait for them; running
    // out of memory reaches the caller as the first chunk's failure.
    try {
        for (Chunk& chunk : ring_) {
            chunk.buffer = PageBuffer(offset_ + size_);
            if (mark_) chunk.marked.starts.reserve(mostMarkedLines(size_, *mark_));
        }
    } catch (...) {
        {
            const std::lock_guard lock(mutex_);
            ring_[next_].error = std::current_exception();
            ready_ = 1;
        }
        filled_.notify_one();
        return;
    }
    for (;;) {
        Chunk* chunk;
        {
            std::unique_lock lock(mutex_);
            if (ready_ == kRing) {
                freed_.wait(lock, [this] { return kRing - ready_ >= kWakeAfter || stopping_; });
            }
            if (stopping_) return;
            // The caller takes only chunks that are ready, so this one stays the thread's.
            chunk = &ring_[(next_ + ready_) % kRing];
        }
        chunk->survey = {};
        chunk->error = nullptr;
        try {
            char* const text = chunk->buffer.data() + offset_;
            chunk->survey = surveyChunk(text, file_.read(text, size_), mark_, chunk->marked);
            if (count_ != nullptr) chunk->sourceRead = count_->read.load();
        } catch (...) {
            chunk->error = std::current_exception();
        }
        // After the end, a Ctrl-Z or a failure nothing more is read.
        const bool last = chunk->survey.read == 0 || chunk->survey.text < chunk->survey.read;
        {
            const std::lock_guard lock(mutex_);
            ++ready_;
        }
        // Notified outside the lock, so the woken thread does not wait for it at once.
        filled_.notify_one();
        if (last) return;
    }
}

ChunkSurvey ReadAheadThread::exchange(PageBuffer& buffer, MarkedLines& marked, std::size_t keptAt,
                                      std::size_t kept) {
    std::unique_lock lock(mutex_);
    filled_.wait(lock, [this] { return ready_ > 0; });
    Chunk& chunk = ring_[next_];
    if (chunk.error) std::rethrow_exception(chunk.error);
    if (kept > 0) std::memcpy(chunk.buffer.data() + offset_ - kept, buffer.data() + keptAt, kept);
    buffer.swap(chunk.buffer);
    std::swap(marked, chunk.marked);
    if (count_ != nullptr) count_->taken = chunk.sourceRead;
    // Once taken, the chunk is the thread's to read into again.
    const ChunkSurvey survey = chunk.survey;
    next_ = (next_ + 1) % kRing;
    --ready_;
    const bool wake = kRing - ready_ >= kWakeAfter;
    lock.unlock();
    if (wake) freed_.notify_one();
    return survey;
}

}  // namespace chronoflip
