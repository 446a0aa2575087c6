#pragma once

#include <cstdint>

#include "shift/run_observer.h"

namespace chronoflip {

// The progress of a run's file in hand, as its rewriter measures it, told to the observer.
class ProgressMeter {
  public:
    explicit ProgressMeter(RunObserver& observer) : observer_(observer) {}

    // A new source of size bytes; bytesTaken counts what has been read of it so far.
    void startSource(const std::uint64_t& bytesTaken, std::uint64_t size);

    // The rewriter's measure. Navigation and SP3 files count the lines read against a fixed
    // maximum, which longer files run past with the bar full. An observation file's bar
    // went from its first line to its last, its maximum being its number of lines: the
    // share of its bytes read draws the same bar without reading the file twice to count
    // them first.
    void countLines(std::int32_t maximum);
    void countBytes();
    // After every line (or navigation record, or observation epoch) read: lines more have
    // been read. Throws "Integer overflow" past 2^31 - 1 lines.
    void advance(std::int32_t lines = 1);

    // The start of a run: an empty bar.
    void empty();
    // The end of a file, whatever its kind: a full bar.
    void fill();

  private:
    void show(std::int64_t position);

    RunObserver& observer_;
    const std::uint64_t* bytesTaken_ = nullptr;
    std::uint64_t sourceSize_ = 0;
    bool countsBytes_ = false;
    std::int32_t linesRead_ = 0;
    // Until a rewriter measures a file, the bar is one step long.
    Progress progress_{0, 1};
};

}  // namespace chronoflip
