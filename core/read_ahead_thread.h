#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "core/chunk_survey.h"
#include "core/file_system.h"
#include "core/page_buffer.h"
#include "core/source_count.h"

namespace chronoflip {

// Reads a text file chunk by chunk on a thread of its own, a few chunks ahead of its caller,
// and surveys each chunk there: the reading overlaps the caller's work on the chunks before,
// as two cores are common even on office machines, and neither side waits for the other
// while the ring of buffers between them is neither full nor empty. A read's failure
// reaches the caller when it takes that chunk; chunks past the end of what the caller takes
// are read but never looked at.
class ReadAheadThread {
  public:
    // Each chunk of up to size bytes goes to offset in a buffer of offset + size bytes;
    // count, when given, is the file's, read as each chunk has been read. Given a mark, each
    // chunk's marked lines are found there too (see surveyChunk()).
    ReadAheadThread(InputFile& file, std::size_t offset, std::size_t size, SourceCount* count,
                    std::optional<LineMark> mark);
    // Waits for a read under way; the file is not read again.
    ~ReadAheadThread();
    ReadAheadThread(const ReadAheadThread&) = delete;
    ReadAheadThread& operator=(const ReadAheadThread&) = delete;

    // Takes the next chunk read ahead, waiting for it if need be: its buffer is swapped with
    // buffer and its marked lines with marked, the kept bytes at keptAt in buffer (at most
    // offset of them) moved to just before the chunk, and the buffer given back is read into
    // later; the count's taken part becomes what had been read by then. Returns the chunk's
    // survey (nothing read at the end of the file), or throws what its read threw.
    ChunkSurvey exchange(PageBuffer& buffer, MarkedLines& marked, std::size_t keptAt,
                         std::size_t kept);

  private:
    // Buffers read ahead besides the caller's: enough that a late wake-up of either thread
    // costs no waiting, few enough that memory stays small.
    static constexpr std::size_t kRing = 3;
    // Once the ring is full the thread sleeps until this many buffers are free again: each
    // wake-up costs the waking thread a system call, and on a virtual machine a trip
    // through the hypervisor to the other processor.
    static constexpr std::size_t kWakeAfter = 2;

    struct Chunk {
        PageBuffer buffer;
        MarkedLines marked;
        ChunkSurvey survey{};
        std::uint64_t sourceRead = 0;
        std::exception_ptr error;
    };

    void run();

    InputFile& file_;
    const std::size_t offset_;
    const std::size_t size_;
    SourceCount* const count_;
    const std::optional<LineMark> mark_;
    std::mutex mutex_;
    std::condition_variable filled_;  // a chunk was read
    std::condition_variable freed_;   // a chunk was taken
    // Chunks follow the file's order around the ring: ready_ of them, from next_ on, are read
    // and wait for the caller; the thread reads into the one after them.
    std::array<Chunk, kRing> ring_;
    std::size_t next_ = 0;
    std::size_t ready_ = 0;
    bool stopping_ = false;
    std::thread thread_;  // last: it starts once the members it uses are made
};

}  // namespace chronoflip
