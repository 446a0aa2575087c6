#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "core/chunk_survey.h"
#include "core/file_system.h"

namespace chronoflip {

// Reads a text file chunk by chunk on a thread of its own, one chunk ahead of its caller,
// and surveys each chunk there: the reading overlaps the caller's work on the chunk before,
// as two cores are common even on office machines. A read's failure reaches the caller
// when it takes that chunk; a chunk past the end of what the caller takes is read but never
// looked at.
class ReadAheadThread {
  public:
    // Each chunk of up to size bytes goes to offset in a buffer of offset + size bytes.
    ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size);
    // Waits for a read under way; the file is not read again.
    ~ReadAheadThread();
    ReadAheadThread(const ReadAheadThread&) = delete;
    ReadAheadThread& operator=(const ReadAheadThread&) = delete;

    // Waits for the chunk read ahead and swaps its buffer with buffer, the kept bytes at
    // keptAt in buffer (at most offset of them) moved to just before the chunk; then reads
    // the next chunk into the buffer given back. Returns the chunk's survey (nothing read at
    // the end of the file), or throws what its read threw.
    ChunkSurvey exchange(std::vector<char>& buffer, std::size_t keptAt, std::size_t kept);

  private:
    void run();

    InputFile& file_;
    const std::size_t offset_;
    const std::size_t size_;
    std::vector<char> spare_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool chunkReady_ = false;  // spare_ holds the chunk read ahead, or error_ its failure
    bool stopping_ = false;
    ChunkSurvey survey_;
    std::exception_ptr error_;
    std::thread thread_;  // last: it starts once the members it uses are made
};

}  // namespace chronoflip
