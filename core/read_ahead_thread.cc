#include "core/read_ahead_thread.h"

#include <cstring>

namespace chronoflip {

ReadAheadThread::ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size,
                                 SourceCount* count)
    : file_(file),
      offset_(offset),
      size_(size),
      count_(count),
      empty_(kRing, std::vector<char>(offset + size)),
      thread_([this] { run(); }) {}

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
        changed_.wait(lock, [this] { return !empty_.empty() || stopping_; });
        if (stopping_) return;
        Chunk chunk{
            .buffer = std::move(empty_.front()), .survey = {}, .sourceRead = 0, .error = nullptr};
        empty_.pop_front();
        lock.unlock();
        try {
            char* const text = chunk.buffer.data() + offset_;
            chunk.survey = surveyChunk(text, file_.read(text, size_));
            if (count_ != nullptr) chunk.sourceRead = count_->read.load();
        } catch (...) {
            chunk.error = std::current_exception();
        }
        // After the end, a Ctrl-Z or a failure nothing more is read.
        const bool last = chunk.survey.read == 0 || chunk.survey.text < chunk.survey.read;
        lock.lock();
        read_.push_back(std::move(chunk));
        changed_.notify_all();
        if (last) return;
    }
}

ChunkSurvey ReadAheadThread::exchange(std::vector<char>& buffer, std::size_t keptAt,
                                      std::size_t kept) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !read_.empty(); });
    Chunk& chunk = read_.front();
    if (chunk.error) std::rethrow_exception(chunk.error);
    if (kept > 0) std::memcpy(chunk.buffer.data() + offset_ - kept, buffer.data() + keptAt, kept);
    buffer.swap(chunk.buffer);
    const ChunkSurvey survey = chunk.survey;
    if (count_ != nullptr) count_->taken = chunk.sourceRead;
    empty_.push_back(std::move(chunk.buffer));
    read_.pop_front();
    changed_.notify_all();
    return survey;
}

}  // namespace chronoflip
