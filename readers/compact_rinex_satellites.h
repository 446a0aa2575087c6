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

// The observations of the satellites of the epoch being decoded: each satellite's arcs and
// flags, found again by its ID in the next epoch. A satellite absent from the epoch before,
// and every satellite after forget(), starts afresh. Each satellite's state stays in one
// slot while it is in view, so nothing is copied from epoch to epoch; the storage grows to
// the largest epoch and is then reused.
class CompactRinexSatellites {
  public:
    explicit CompactRinexSatellites(BlankFieldFlags blankFlags) : blankFlags_(blankFlags) {}

    // Every satellite of the next epoch starts afresh, with at most maxTypes observation
    // types.
    void forget(std::size_t maxTypes);
    // Starts listing the satellites of the next epoch; the epoch listed last becomes the
    // one it is decoded against.
    void startEpoch();
    // Lists the epoch's next satellite, key as satelliteKey() makes it, with its number of
    // observation types (at most forget()'s maxTypes); false when the epoch lists it
    // already.
    bool add(std::uint32_t key, std::size_t types);
    // Decodes the data line of the satellite listed index-th: the observations separated by
    // single blanks (an empty one is blank, missing ones at the end too), then after one
    // more blank the flag string, a difference against the satellite's flags. Fails on
    // lines for a malformed or out-of-range number, a value whose arc has not started, and
    // a flag string longer than two flags per type.
    void decode(std::size_t index, std::string_view line, const NumberedLines& lines);
    // Writes count observation types from first of the satellite listed index-th, once
    // decoded: each F14.3, or 14 blanks, then its two flags.
    void putObservations(TextBuffer& out, std::size_t index, std::size_t first,
                         std::size_t count) const;
    std::size_t types(std::size_t index) const { return current_[index].types; }

  private:
    static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

    struct Listed {
        std::uint32_t key;
        std::size_t types;
        std::size_t slot;  // kNoSlot until placed; in previous_, once its satellite is back
    };

    void place();
    std::size_t newSlot();

    BlankFieldFlags blankFlags_;
    std::size_t stride_ = 0;  // arcs a slot holds
    std::vector<Arc> arcs_;   // slot s holds [s * stride_, (s + 1) * stride_)
    std::string flags_;       // two for each arc
    std::vector<std::size_t> freeSlots_;
    std::vector<Listed> previous_;
    std::vector<Listed> current_;
    bool placed_ = false;  // whether current_'s new satellites have slots

    // The fields of the data line being decoded.
    struct Field {
        std::size_t start;
        std::size_t end;  // start for a blank field
        ArcToken token;
        bool wellFormed;
    };
    std::vector<Field> fields_;
};

}  // namespace chronoflip
