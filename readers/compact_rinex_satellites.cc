#include "readers/compact_rinex_satellites.h"

#include <algorithm>
#include <cstring>

#include "readers/compact_rinex_text.h"

namespace chronoflip {

namespace {

constexpr std::size_t kFlagsWidth = 2;

}  // namespace

void CompactRinexSatellites::forget(std::size_t maxTypes) {
    stride_ = maxTypes;
    arcs_.clear();
    flags_.clear();
    freeSlots_.clear();
    previous_.clear();
    current_.clear();
    if (fields_.size() < maxTypes) fields_.resize(maxTypes);
}

void CompactRinexSatellites::startEpoch() {
    if (!placed_) place();  // an epoch without satellites frees the slots all the same
    std::swap(previous_, current_);
    current_.clear();
    placed_ = false;
}

bool CompactRinexSatellites::add(std::uint32_t key, std::size_t types) {
    const auto same = [key](const Listed& listed) { return listed.key == key; };
    if (std::any_of(current_.begin(), current_.end(), same)) return false;
    // Satellites mostly keep their place from one epoch to the next.
    const std::size_t hint = current_.size();
    auto found = hint < previous_.size() && previous_[hint].key == key
                     ? previous_.begin() + static_cast<std::ptrdiff_t>(hint)
                     : std::find_if(previous_.begin(), previous_.end(), same);
    std::size_t slot = kNoSlot;
    if (found != previous_.end()) std::swap(slot, found->slot);
    current_.push_back({key, types, slot});
    return true;
}

std::size_t CompactRinexSatellites::newSlot() {
    if (!freeSlots_.empty()) {
        const std::size_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    const std::size_t slot = arcs_.size() / stride_;
    arcs_.resize(arcs_.size() + stride_);
    flags_.resize(flags_.size() + kFlagsWidth * stride_);
    return slot;
}

// Slots of satellites gone since the epoch before are freed, then new satellites take one,
// their arcs and flags reset.
void CompactRinexSatellites::place() {
    for (const Listed& gone : previous_) {
        if (gone.slot != kNoSlot) freeSlots_.push_back(gone.slot);
    }
    previous_.clear();
    for (Listed& listed : current_) {
        if (listed.slot != kNoSlot) continue;
        listed.slot = newSlot();
        std::fill_n(arcs_.begin() + static_cast<std::ptrdiff_t>(listed.slot * stride_),
                    listed.types, Arc());
        std::fill_n(
            flags_.begin() + static_cast<std::ptrdiff_t>(kFlagsWidth * listed.slot * stride_),
            kFlagsWidth * listed.types, ' ');
    }
    placed_ = true;
}

void CompactRinexSatellites::decode(std::size_t index, std::string_view line,
                                    const NumberedLines& lines) {
    if (!placed_) place();
    const std::size_t types = current_[index].types;
    // Fields are separated by single blanks; after the last one's blank comes the flag
    // string, which may itself hold blanks. A line that ends early leaves the rest blank.
    // Each token is read as it is found; faults are told in the order of the fields, after
    // the flag string's length.
    const char* const text = line.data();
    const std::size_t size = line.size();
    std::size_t position = 0;
    for (std::size_t j = 0; j < types; ++j) {
        Field& field = fields_[j];
        field.start = std::min(position, size);
        field.end = static_cast<std::size_t>(
            scanArcToken(text + field.start, text + size, field.token, field.wellFormed) - text);
        position = field.end + 1;
    }
    const std::string_view flagDifference =
        position < size ? line.substr(position) : std::string_view();
    if (flagDifference.size() > kFlagsWidth * types)
        lines.fail("flag string longer than two flags per observation type");

    const std::size_t slot = current_[index].slot;
    Arc* arcs = arcs_.data() + slot * stride_;
    char* flags = flags_.data() + kFlagsWidth * slot * stride_;
    std::size_t flagCount = kFlagsWidth * types;
    applyDifference(flags, flagCount, flagDifference);

    for (std::size_t j = 0; j < types; ++j) {
        const Field& field = fields_[j];
        Arc& arc = arcs[j];
        if (field.start == field.end) {
            arc.live = false;
            if (blankFlags_ == BlankFieldFlags::kCleared) flags[2 * j] = flags[2 * j + 1] = ' ';
            continue;
        }
        if (!field.wellFormed)
            failMalformed(line.substr(field.start, field.end - field.start), lines);
        if (!field.token.starts && !arc.live)
            lines.fail("observation used before its arc was initialised");
        if (!advanceArc(arc, field.token) || !kObservationField.holds(arc.differences[0]))
            lines.fail("observation too long for its F14.3 field");
    }
}

void CompactRinexSatellites::putObservations(TextBuffer& out, std::size_t index, std::size_t first,
                                             std::size_t count) const {
    constexpr std::size_t kWidth = kObservationField.width + kFlagsWidth;
    const std::size_t arc = current_[index].slot * stride_ + first;
    char* text = out.reserve(count * kWidth);
    for (std::size_t j = arc; j < arc + count; ++j, text += kWidth) {
        if (arcs_[j].live)
            writeFixed(text, arcs_[j].differences[0], kObservationField);
        else
            std::memset(text, ' ', kObservationField.width);
        text[kObservationField.width] = flags_[kFlagsWidth * j];
        text[kObservationField.width + 1] = flags_[kFlagsWidth * j + 1];
    }
    out.commit(count * kWidth);
}

}  // namespace chronoflip
