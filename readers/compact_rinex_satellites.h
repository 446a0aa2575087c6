#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "readers/compact_rinex_arc.h"
#include "readers/numbered_lines.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// What becomes of the two flags (LLI, signal strength) of a blank observation: Compact
// RINEX 1.0 blanks them, 3.0 keeps them and writes them beside the blank value.
enum class BlankFieldFlags { kCleared, kKept };

// The observations of the satellites of the epoch being decoded and of the one before it:
// each satellite's arcs and flags, found again by its ID in the next epoch. A satellite
// absent from the epoch before, and every satellite after forget(), starts afresh. The
// storage grows to the largest epoch and is then reused.
class CompactRinexSatellites {
  public:
    explicit CompactRinexSatellites(BlankFieldFlags blankFlags) : blankFlags_(blankFlags) {}

    // Every satellite of the next epoch starts afresh.
    void forget() { previous_.clear(); }
    // Starts listing the satellites of the next epoch.
    void startEpoch() { current_.clear(); }
    // Lists the epoch's next satellite, key as satelliteKey() makes it, with its number of
    // observation types; false when the epoch lists it already.
    bool add(std::uint32_t key, std::size_t types);
    // Decodes the data line of the satellite listed index-th: the observations separated by
    // single blanks (an empty one is blank, missing ones at the end too), then after one
    // more blank the flag string, a difference against the satellite's flags. Fails on
    // lines for a malformed or out-of-range number, a value whose arc has not started, and
    // a flag string longer than two flags per type.
    void decode(std::size_t index, std::string_view line, const NumberedLines& lines);
    // Writes observation type of the satellite listed index-th, once decoded: F14.3, or 14
    // blanks, then its two flags.
    void putObservation(TextBuffer& out, std::size_t index, std::size_t type) const;
    std::size_t types(std::size_t index) const {
        return current_.starts[index + 1] - current_.starts[index];
    }
    // The epoch decoded becomes the one the next is decoded against.
    void finishEpoch() { std::swap(previous_, current_); }

  private:
    struct Epoch {
        std::vector<std::uint32_t> keys;
        std::vector<std::size_t> starts{0};  // each satellite's first arc, then the end
        std::vector<Arc> arcs;               // sized to the largest epoch so far
        std::string flags;                   // two for each arc
        void clear() {
            keys.clear();
            starts.resize(1);
        }
        // Where the epoch lists key, looked for at hint first; keys.size() when absent.
        std::size_t find(std::uint32_t key, std::size_t hint) const;
    };

    BlankFieldFlags blankFlags_;
    Epoch previous_;
    Epoch current_;
    std::vector<std::size_t> fieldStart_;  // token bounds in the data line being decoded
    std::vector<std::size_t> fieldEnd_;
};

}  // namespace chronoflip
