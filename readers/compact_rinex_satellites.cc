#include "readers/compact_rinex_satellites.h"

#include <algorithm>

#include "readers/compact_rinex_text.h"

namespace chronoflip {

namespace {

constexpr std::size_t kValueWidth = 14;  // F14.3
constexpr int kValueDecimals = 3;

}  // namespace

std::size_t CompactRinexSatellites::Epoch::find(std::uint32_t key, std::size_t hint) const {
    // Satellites mostly keep their place from one epoch to the next.
    if (hint < keys.size() && keys[hint] == key) return hint;
    return static_cast<std::size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin());
}

bool CompactRinexSatellites::add(std::uint32_t key, std::size_t types) {
    if (std::find(current_.keys.begin(), current_.keys.end(), key) != current_.keys.end())
        return false;
    current_.keys.push_back(key);
    const std::size_t end = current_.starts.back() + types;
    current_.starts.push_back(end);
    if (current_.arcs.size() < end) {
        current_.arcs.resize(end);
        current_.flags.resize(2 * end);
    }
    if (fieldStart_.size() < types) {
        fieldStart_.resize(types);
        fieldEnd_.resize(types);
    }
    return true;
}

void CompactRinexSatellites::decode(std::size_t index, std::string_view line,
                                    const NumberedLines& lines) {
    const std::size_t types = this->types(index);
    // Fields are separated by single blanks; after the last one's blank comes the flag
    // string, which may itself hold blanks. A line that ends early leaves the rest blank.
    std::size_t position = 0;
    for (std::size_t j = 0; j < types; ++j) {
        if (position > line.size()) {
            fieldStart_[j] = fieldEnd_[j] = position;
            continue;
        }
        const std::size_t blank = line.find(' ', position);
        fieldStart_[j] = position;
        fieldEnd_[j] = blank == std::string_view::npos ? line.size() : blank;
        position = fieldEnd_[j] + 1;
    }
    const std::string_view flagDifference =
        position < line.size() ? line.substr(position) : std::string_view();
    if (flagDifference.size() > 2 * types)
        lines.fail("flag string longer than two flags per observation type");

    const std::size_t start = current_.starts[index];
    Arc* arcs = current_.arcs.data() + start;
    char* flags = current_.flags.data() + 2 * start;
    const std::size_t old = previous_.find(current_.keys[index], index);
    if (old < previous_.keys.size()) {
        const std::size_t oldStart = previous_.starts[old];
        std::copy_n(previous_.arcs.data() + oldStart, types, arcs);
        std::copy_n(previous_.flags.data() + 2 * oldStart, 2 * types, flags);
    } else {
        std::fill_n(arcs, types, Arc());
        std::fill_n(flags, 2 * types, ' ');
    }
    std::size_t flagCount = 2 * types;
    applyDifference(flags, flagCount, flagDifference);

    for (std::size_t j = 0; j < types; ++j) {
        Arc& arc = arcs[j];
        if (fieldStart_[j] == fieldEnd_[j]) {
            arc.live = false;
            if (blankFlags_ == BlankFieldFlags::kCleared) flags[2 * j] = flags[2 * j + 1] = ' ';
            continue;
        }
        const ArcToken value =
            arcToken(line.substr(fieldStart_[j], fieldEnd_[j] - fieldStart_[j]), lines);
        if (!value.starts && !arc.live)
            lines.fail("observation used before its arc was initialised");
        if (!advanceArc(arc, value) || !kObservationRange.holds(arc.differences[0]))
            lines.fail("observation too long for its F14.3 field");
    }
}

void CompactRinexSatellites::putObservation(TextBuffer& out, std::size_t index,
                                            std::size_t type) const {
    const std::size_t arc = current_.starts[index] + type;
    if (current_.arcs[arc].live)
        putFixed(out, current_.arcs[arc].differences[0], kValueDecimals, kValueWidth);
    else
        out.putBlanks(kValueWidth);
    out.put({current_.flags.data() + 2 * arc, 2});
}

}  // namespace chronoflip
