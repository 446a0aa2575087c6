#include "readers/compact_rinex3_decoder.h"

#include <algorithm>

#include "core/text_fields.h"
#include "readers/compact_rinex_text.h"

namespace chronoflip {

namespace {

constexpr Columns kRinexVersion{1, 9};
constexpr std::string_view kSystemTypesLabel = "SYS / # / OBS TYPES";
constexpr Columns kSystemTypeCount{4, 3};
constexpr std::size_t kMaxTypes = 999;  // what I3 holds

// Epoch text: columns 1-41 of the RINEX 3 epoch line, blank-padded, without the clock, then
// every satellite from column 42 in one run.
constexpr char kEpochMark = '>';
constexpr char kEscapeMark = '&';
constexpr std::size_t kGapIndex = 29;  // columns 30-31 are blank, 32 is the flag
constexpr std::size_t kFlagIndex = 31;
constexpr Columns kCount{33, 3};  // satellites, or an event's records
constexpr std::size_t kSatellitesStart = 41;
constexpr std::size_t kSatelliteWidth = 3;
constexpr FixedField kClockField{12, 15, -9'999'999'999'999, 99'999'999'999'999};  // columns 42-56

// Escape lines carry no RINEX text, wherever the data section holds one.
bool isEscape(std::string_view line) {
    return !line.empty() && line[0] == kEscapeMark;
}

// An event (flags 2-5) or a flag-6 epoch: the RINEX 3 line itself, never differenced.
bool isEvent(std::string_view line) {
    return line.size() > kFlagIndex && line[0] == kEpochMark && line[kFlagIndex] >= '2' &&
           line[kFlagIndex] <= '6';
}

}  // namespace

void CompactRinex3Decoder::resetState() {
    haveEpoch_ = false;
    clock_.live = false;
    satellites_.forget(*std::max_element(types_.begin(), types_.end()));
}

bool CompactRinex3Decoder::nextEpochLine(std::string_view& line) {
    do {
        if (lines_.atEnd()) return false;
        line = lines_.next("an epoch");
    } while (isEscape(line));
    return true;
}

std::string_view CompactRinex3Decoder::nextDataLine() {
    std::string_view line;
    do line = lines_.next("an epoch");
    while (isEscape(line));
    return line;
}

// A system's number of observation types, from the first line of its SYS / # / OBS TYPES
// record; continuation lines leave column 1 blank.
void CompactRinex3Decoder::readSystemTypes(std::string_view line) {
    if (line.empty() || line[0] == ' ') return;
    std::size_t count = 0;
    if (!readCount(field(line, kSystemTypeCount), count) || count == 0 || count > kMaxTypes)
        fail("the number of observation types of a system is not a number from 1 to 999");
    types_[static_cast<unsigned char>(line[0])] = static_cast<std::uint16_t>(count);
}

void CompactRinex3Decoder::decodeHeader(TextBuffer& out) {
    if (lines_.atEnd()) fail("the file ends before END OF HEADER");
    const std::string_view first = lines_.next("the header");
    const std::string_view version = trimmed(field(first, kRinexVersion));
    if (headerLabel(first) != "RINEX VERSION / TYPE" || version.empty() ||
        (version[0] != '3' && version[0] != '4')) {
        fail("the RINEX header inside is not of version 3 or 4");
    }
    copyHeader(lines_, out, first, [this](std::string_view line, std::string_view label) {
        if (label == kSystemTypesLabel) readSystemTypes(line);
    });
    if (std::all_of(types_.begin(), types_.end(), [](std::uint16_t n) { return n == 0; }))
        fail("the header gives no SYS / # / OBS TYPES");
    headerDone_ = true;
}

// Checks the epoch text just rebuilt; returns its satellite count.
std::size_t CompactRinex3Decoder::checkEpochText() const {
    std::size_t count = 0;
    if (epoch_[0] != kEpochMark || epoch_[kGapIndex] != ' ' || epoch_[kGapIndex + 1] != ' ' ||
        (epoch_[kFlagIndex] != '0' && epoch_[kFlagIndex] != '1') ||
        !readCount(field(epoch_, kCount), count)) {
        fail("malformed epoch line");
    }
    const std::size_t listed = epoch_.size() - kSatellitesStart;
    if (listed > count * kSatelliteWidth) fail("epoch line longer than its satellite list");
    if (listed < count * kSatelliteWidth) fail("epoch line lists fewer satellites than its count");
    return count;
}

void CompactRinex3Decoder::listSatellites(std::size_t count) {
    satellites_.startEpoch();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t start = kSatellitesStart + i * kSatelliteWidth;
        const std::size_t types = types_[static_cast<unsigned char>(epoch_[start])];
        if (types == 0) {
            fail("satellite " + epoch_.substr(start, kSatelliteWidth) +
                 " is of a system the header gives no SYS / # / OBS TYPES for");
        }
        if (!satellites_.add(satelliteKey(epoch_, start), types))
            fail("a satellite is listed twice in the epoch line");
    }
}

void CompactRinex3Decoder::decodeEvent(TextBuffer& out, std::string_view line) {
    out.put(line);
    out.endLine();
    std::size_t records = 0;
    if (line.size() > kFlagIndex + 1 && !readCount(field(line, kCount), records))
        fail("malformed count of special records in an event line");
    for (std::size_t i = 0; i < records; ++i) {
        const std::string_view record = lines_.next("an epoch");
        if (headerLabel(record) == kSystemTypesLabel) readSystemTypes(record);
        out.put(record);
        out.endLine();
    }
    resetState();
}

void CompactRinex3Decoder::decodeEpoch(TextBuffer& out, std::string_view line) {
    if (!line.empty() && line[0] == kEpochMark) {
        resetState();
        epoch_.assign(line);
    } else {
        if (!haveEpoch_) fail("epoch line is a difference, but no epoch was initialised before it");
        applyDifference(epoch_, line);
    }
    epoch_.resize(withoutTrailingBlanks(epoch_).size());
    if (epoch_.size() < kSatellitesStart) epoch_.resize(kSatellitesStart, ' ');
    const std::size_t count = checkEpochText();
    haveEpoch_ = true;
    listSatellites(count);
    readClock(nextDataLine(), clock_, kClockField, lines_);

    out.put(std::string_view(epoch_).substr(0, kSatellitesStart));
    if (clock_.live) putFixed(out, clock_.differences[0], kClockField);
    out.endLine();
    for (std::size_t i = 0; i < count; ++i) {
        satellites_.decode(i, nextDataLine(), lines_);
        out.put(std::string_view(epoch_).substr(kSatellitesStart + i * kSatelliteWidth,
                                                kSatelliteWidth));
        satellites_.putObservations(out, i, 0, satellites_.types(i));
        out.endLine();
    }
}

bool CompactRinex3Decoder::produce(TextBuffer& out) {
    if (!headerDone_) {
        decodeHeader(out);
        return true;
    }
    std::string_view line;
    if (!nextEpochLine(line)) return false;
    if (isEvent(line))
        decodeEvent(out, line);
    else
        decodeEpoch(out, line);
    return true;
}

}  // namespace chronoflip
