#include "readers/compact_rinex1_decoder.h"

#include <algorithm>

#include "core/text_fields.h"
#include "readers/compact_rinex_text.h"

namespace chronoflip {

namespace {

constexpr Columns kRinexVersion{1, 9};
constexpr Columns kTypeCount{1, 6};  // of the first "# / TYPES OF OBSERV" line
constexpr std::size_t kMaxTypes = 99;
constexpr std::size_t kRecordWidth = 80;  // special records

// Epoch text: RINEX epoch columns 1-68 with every satellite from column 33 in one run.
constexpr std::size_t kYearGap = 26;  // columns 27-28 are blank, 29 is the flag
constexpr std::size_t kFlagIndex = 28;
constexpr Columns kSatelliteCount{30, 3};
constexpr std::size_t kSatellitesStart = 32;
constexpr std::size_t kSatelliteWidth = 3;
constexpr std::size_t kFirstLineText = 68;
constexpr std::size_t kSatellitesPerLine = 12;
constexpr std::string_view kContinuationIndent = "                                ";
constexpr Columns kSpecialRecordCount{30, 3};  // of an event line

constexpr std::size_t kFieldsPerLine = 5;  // observations on a RINEX 2 line
constexpr FixedField kClockField{9, 12, -9'999'999'999, 99'999'999'999};  // columns 69-80

}  // namespace

void CompactRinex1Decoder::resetState() {
    haveEpoch_ = false;
    clock_.live = false;
    satellites_.forget(types_);
}

// The number of observation types, from the first line of a "# / TYPES OF OBSERV" record.
void CompactRinex1Decoder::readTypes(std::string_view line) {
    if (headerLabel(line) != "# / TYPES OF OBSERV" || trimmed(field(line, kTypeCount)).empty())
        return;
    if (!readCount(field(line, kTypeCount), types_) || types_ == 0 || types_ > kMaxTypes)
        fail("the number of observation types is not a number from 1 to 99");
}

void CompactRinex1Decoder::decodeHeader(TextBuffer& out) {
    if (lines_.atEnd()) fail("the file ends before END OF HEADER");
    const std::string_view first = nextLine();
    if (headerLabel(first) != "RINEX VERSION / TYPE" ||
        trimmed(field(first, kRinexVersion)).substr(0, 1) != "2") {
        fail("the RINEX header inside is not of version 2");
    }
    copyHeader(lines_, out, first,
               [this](std::string_view line, std::string_view) { readTypes(line); });
    if (types_ == 0) fail("the header gives no # / TYPES OF OBSERV");
    headerDone_ = true;
}

// Checks the epoch text just rebuilt; returns its satellite count.
std::size_t CompactRinex1Decoder::checkEpochText() const {
    std::size_t count = 0;
    if (epoch_.size() < kSatellitesStart || epoch_[0] != ' ' || epoch_[kYearGap] != ' ' ||
        epoch_[kYearGap + 1] != ' ' || (epoch_[kFlagIndex] != '0' && epoch_[kFlagIndex] != '1') ||
        !readCount(field(epoch_, kSatelliteCount), count)) {
        fail("malformed epoch line");
    }
    const std::size_t listed = epoch_.size() - kSatellitesStart;
    if (listed > count * kSatelliteWidth) fail("epoch line longer than its satellite list");
    if (listed + kSatelliteWidth <= count * kSatelliteWidth)
        fail("epoch line lists fewer satellites than its count");
    return count;
}

void CompactRinex1Decoder::listSatellites(std::size_t count) {
    satellites_.startEpoch();
    for (std::size_t i = 0; i < count; ++i) {
        if (!satellites_.add(satelliteKey(epoch_, kSatellitesStart + i * kSatelliteWidth),
                             types_)) {
            fail("a satellite is listed twice in the epoch line");
        }
    }
}

// Five observations to a line; types 6-10, 11-15, ... on continuation lines.
void CompactRinex1Decoder::writeSatellite(TextBuffer& out, std::size_t index) const {
    for (std::size_t first = 0; first < types_; first += kFieldsPerLine) {
        satellites_.putObservations(out, index, first, std::min(kFieldsPerLine, types_ - first));
        out.endLine();
    }
}

void CompactRinex1Decoder::decodeEvent(TextBuffer& out, std::string_view line) {
    out.put(' ');
    out.put(line.substr(1));
    out.endLine();
    std::size_t records = 0;
    if (line.size() > kFlagIndex + 1 && !readCount(field(line, kSpecialRecordCount), records))
        fail("malformed count of special records in an event line");
    for (std::size_t i = 0; i < records; ++i) {
        const std::string_view record = nextLine();
        if (record.size() > kRecordWidth) fail("special record longer than 80 columns");
        readTypes(record);
        out.put(record);
        out.endLine();
    }
    resetState();
}

void CompactRinex1Decoder::decodeEpoch(TextBuffer& out) {
    const std::string_view line = nextLine();
    if (!line.empty() && line[0] == '&') {
        if (line.size() > kFlagIndex && line[kFlagIndex] >= '2' && line[kFlagIndex] <= '6') {
            decodeEvent(out, line);
            return;
        }
        resetState();
        epoch_.assign(line);
        std::replace(epoch_.begin(), epoch_.end(), '&', ' ');
    } else {
        if (!haveEpoch_) fail("epoch line is a difference, but no epoch was initialised before it");
        applyDifference(epoch_, line);
    }
    epoch_.resize(withoutTrailingBlanks(epoch_).size());
    const std::size_t count = checkEpochText();
    haveEpoch_ = true;
    listSatellites(count);
    readClock(nextLine(), clock_, kClockField, lines_);

    out.put(std::string_view(epoch_).substr(0, kFirstLineText));
    if (clock_.live) {
        out.padLine(kFirstLineText);
        putFixed(out, clock_.differences[0], kClockField);
    }
    out.endLine();
    for (std::size_t next = kSatellitesPerLine; next < count; next += kSatellitesPerLine) {
        out.put(kContinuationIndent);
        out.put(std::string_view(epoch_).substr(kSatellitesStart + next * kSatelliteWidth,
                                                kSatellitesPerLine * kSatelliteWidth));
        out.endLine();
    }
    for (std::size_t i = 0; i < count; ++i) {
        satellites_.decode(i, nextLine(), lines_);
        writeSatellite(out, i);
    }
}

bool CompactRinex1Decoder::produce(TextBuffer& out) {
    if (!headerDone_) {
        decodeHeader(out);
        return true;
    }
    if (lines_.atEnd()) return false;
    decodeEpoch(out);
    return true;
}

}  // namespace chronoflip
