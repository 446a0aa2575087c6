#pragma once

#include <atomic>
#include <cstdint>

namespace chronoflip {

// A source's bytes as read beneath any decoder, counted on whichever thread reads, and
// what a line reader has handed on of them: the count as it stood when the chunk in hand
// was read. A progress bar shows the latter, which reading ahead does not run ahead of.
struct SourceCount {
    std::atomic<std::uint64_t> read = 0;
    std::uint64_t taken = 0;
};

}  // namespace chronoflip
