#include "readers/compact_rinex_input.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/text_fields.h"
#include "readers/compact_rinex_arc.h"
#include "readers/numbered_lines.h"
#include "readers/text_buffer.h"

namespace chronoflip {

namespace {

// The two lines that open the file; the second is not part of the RINEX text.
constexpr std::string_view kVersionLabel = "CRINEX VERS   / TYPE";
constexpr std::string_view kProgramLabel = "CRINEX PROG / DATE";
constexpr Columns kCompactVersion{1, 20};
constexpr Columns kCompactFormat{21, 20};
constexpr Columns kRinexVersion{1, 9};
constexpr Columns kTypeCount{1, 6};  // of the first "# / TYPES OF OBSERV" line
constexpr std::size_t kMaxTypes = 99;
constexpr std::size_t kRecordWidth = 80;  // header lines and special records

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

// Observation lines: five fields of F14.3, LLI and signal strength.
constexpr std::size_t kFieldsPerLine = 5;
constexpr std::size_t kValueWidth = 14;
constexpr std::string_view kBlankField = "                ";
constexpr std::size_t kClockWidth = 12;  // F12.9 in columns 69-80
constexpr int kValueDecimals = 3;
constexpr int kClockDecimals = 9;
// F14.3 and F12.9 as integers of their last decimal.
constexpr std::int64_t kValueMin = -999'999'999'999;
constexpr std::int64_t kValueMax = 9'999'999'999'999;
constexpr std::int64_t kClockMin = -9'999'999'999;
constexpr std::int64_t kClockMax = 99'999'999'999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A count in a fixed field: blanks, then at least one digit up to the field's end.
bool readCount(std::string_view text, std::size_t& count) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    count = 0;
    for (const char c : text.substr(first)) {
        if (!isDigit(c)) return false;
        count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// Applies a text difference in place: a blank keeps the old character, "&" makes a blank,
// anything else replaces it; characters past the old end are appended.
void applyDifference(char* text, std::size_t& size, std::string_view difference) {
    for (std::size_t i = 0; i < difference.size(); ++i) {
        const char c = difference[i];
        if (i >= size)
            text[size++] = c == '&' ? ' ' : c;
        else if (c == '&')
            text[i] = ' ';
        else if (c != ' ')
            text[i] = c;
    }
}

// A satellite's three-character ID as one number, for quick comparison.
std::uint32_t satelliteKey(std::string_view epochText, std::size_t index) {
    std::uint32_t key = 0;
    const std::size_t start = kSatellitesStart + index * kSatelliteWidth;
    for (std::size_t i = start; i < start + kSatelliteWidth; ++i) {
        key = key << 8 | static_cast<unsigned char>(i < epochText.size() ? epochText[i] : ' ');
    }
    return key;
}

}  // namespace

class CompactRinexInput::Decoder {
  public:
    Decoder(InputFile& compact, std::string path)
        : lines_(compact, std::move(path), "Compact RINEX") {}

    bool produce(TextBuffer& out);

  private:
    [[noreturn]] void fail(std::string_view problem) const { lines_.fail(problem); }
    std::string_view nextLine() { return lines_.next("an epoch"); }
    void decodeHeader();
    void decodeEpoch();
    void decodeEvent(std::string_view line);
    std::size_t checkEpochText() const;
    void placeSatellites(std::size_t count);
    void decodeClock(std::string_view line);
    void decodeSatellite(std::size_t index, std::string_view line);
    ArcToken token(std::string_view text) const;
    void resetState();

    void putFixed(std::int64_t value, int decimals, std::size_t width);

    NumberedLines lines_;
    TextBuffer* out_ = nullptr;  // where produce() writes
    bool headerDone_ = false;
    std::size_t types_ = 0;

    std::string epoch_;       // the last epoch text, the reference for the next difference
    bool haveEpoch_ = false;  // false at the start and after an event
    Arc clock_;
    bool haveClock_ = false;

    // Satellites of the previous and the current epoch: IDs, then for each satellite its
    // arcs (types_ each) and flags (LLI and signal strength per type).
    struct Satellites {
        std::vector<std::uint32_t> keys;
        std::vector<Arc> arcs;
        std::string flags;
    };
    Satellites previous_;
    Satellites current_;
    std::vector<std::size_t> fieldStart_;  // token bounds in the data line being decoded
    std::vector<std::size_t> fieldEnd_;
};

// Fixed notation without a leading zero: 0 gives ".000", -5 "-.005", 1000 "1.000".
void CompactRinexInput::Decoder::putFixed(std::int64_t value, int decimals, std::size_t width) {
    char digits[24];
    char* p = digits + sizeof digits;
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    *--p = '.';
    for (; magnitude != 0; magnitude /= 10) *--p = static_cast<char>('0' + magnitude % 10);
    if (value < 0) *--p = '-';
    const auto length = static_cast<std::size_t>(digits + sizeof digits - p);
    if (width > length) out_->putBlanks(width - length);
    out_->put({p, length});
}

void CompactRinexInput::Decoder::resetState() {
    haveEpoch_ = false;
    haveClock_ = false;
    previous_.keys.clear();
}

void CompactRinexInput::Decoder::decodeHeader() {
    if (lines_.atEnd()) fail("the file is empty");
    std::string_view line = nextLine();
    if (headerLabel(line) != kVersionLabel || trimmed(field(line, kCompactVersion)) != "1.0" ||
        trimmed(field(line, kCompactFormat)) != "COMPACT RINEX FORMAT") {
        fail("not Compact RINEX 1.0: no \"1.0 COMPACT RINEX FORMAT\" CRINEX VERS / TYPE line");
    }
    if (lines_.atEnd() || headerLabel(nextLine()) != kProgramLabel)
        fail("no CRINEX PROG / DATE line");
    if (lines_.atEnd()) fail("the file ends before END OF HEADER");
    line = nextLine();
    if (headerLabel(line) != "RINEX VERSION / TYPE" ||
        trimmed(field(line, kRinexVersion)).substr(0, 1) != "2") {
        fail("the RINEX header inside is not of version 2");
    }
    for (;;) {
        if (line.size() > kRecordWidth) fail("header line longer than 80 columns");
        const std::string_view label = headerLabel(line);
        if (label == "# / TYPES OF OBSERV" && !trimmed(field(line, kTypeCount)).empty()) {
            if (!readCount(field(line, kTypeCount), types_) || types_ == 0 || types_ > kMaxTypes) {
                fail("the number of observation types is not a number from 1 to 99");
            }
        }
        out_->put(withoutTrailingBlanks(line));
        out_->endLine();
        if (label == "END OF HEADER") break;
        if (lines_.atEnd()) fail("the file ends before END OF HEADER");
        line = nextLine();
    }
    if (types_ == 0) fail("the header gives no # / TYPES OF OBSERV");
    headerDone_ = true;
}

ArcToken CompactRinexInput::Decoder::token(std::string_view text) const {
    ArcToken result;
    if (!readArcToken(text, result)) fail("malformed number \"" + std::string(text) + "\"");
    return result;
}

// Checks the epoch text just rebuilt; returns its satellite count.
std::size_t CompactRinexInput::Decoder::checkEpochText() const {
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

// Finds each satellite of the new epoch among the previous one's; a satellite absent
// there starts afresh.
void CompactRinexInput::Decoder::placeSatellites(std::size_t count) {
    current_.keys.resize(count);
    current_.arcs.resize(count * types_);
    current_.flags.resize(count * 2 * types_);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t key = satelliteKey(epoch_, i);
        if (std::find(current_.keys.begin(), current_.keys.begin() + static_cast<std::ptrdiff_t>(i),
                      key) != current_.keys.begin() + static_cast<std::ptrdiff_t>(i)) {
            fail("a satellite is listed twice in the epoch line");
        }
        current_.keys[i] = key;
    }
}

void CompactRinexInput::Decoder::decodeClock(std::string_view line) {
    if (line.empty()) {
        haveClock_ = false;
        return;
    }
    const ArcToken clock = token(line);
    if (!clock.starts && !haveClock_) fail("clock offset used before its arc was initialised");
    if (!advanceArc(clock_, clock) || clock_.differences[0] < kClockMin ||
        clock_.differences[0] > kClockMax) {
        fail("clock offset too long for its field");
    }
    haveClock_ = true;
}

void CompactRinexInput::Decoder::decodeSatellite(std::size_t index, std::string_view line) {
    // Fields are separated by single blanks; after the last one's blank comes the flag
    // string, which may itself hold blanks. A line that ends early leaves the rest blank.
    std::size_t position = 0;
    for (std::size_t j = 0; j < types_; ++j) {
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
    if (flagDifference.size() > 2 * types_)
        fail("flag string longer than two flags per observation type");

    const std::uint32_t key = current_.keys[index];
    const auto found = std::find(previous_.keys.begin(), previous_.keys.end(), key);
    const bool known = found != previous_.keys.end();
    const std::size_t old = static_cast<std::size_t>(found - previous_.keys.begin());
    Arc* arcs = current_.arcs.data() + index * types_;
    char* flags = current_.flags.data() + index * 2 * types_;
    if (known) {
        std::copy_n(previous_.arcs.data() + old * types_, types_, arcs);
        std::copy_n(previous_.flags.data() + old * 2 * types_, 2 * types_, flags);
    } else {
        std::fill_n(arcs, types_, Arc());
        std::fill_n(flags, 2 * types_, ' ');
    }
    std::size_t flagCount = 2 * types_;
    applyDifference(flags, flagCount, flagDifference);

    for (std::size_t j = 0; j < types_; ++j) {
        if (j != 0 && j % kFieldsPerLine == 0) out_->endLine();
        Arc& arc = arcs[j];
        if (fieldStart_[j] == fieldEnd_[j]) {
            arc.live = false;
            flags[2 * j] = flags[2 * j + 1] = ' ';
            out_->put(kBlankField);
            continue;
        }
        const ArcToken value = token(line.substr(fieldStart_[j], fieldEnd_[j] - fieldStart_[j]));
        if (!value.starts && !arc.live) fail("observation used before its arc was initialised");
        if (!advanceArc(arc, value) || arc.differences[0] < kValueMin ||
            arc.differences[0] > kValueMax) {
            fail("observation too long for its F14.3 field");
        }
        putFixed(arc.differences[0], kValueDecimals, kValueWidth);
        out_->put({flags + 2 * j, 2});
    }
    out_->endLine();
}

void CompactRinexInput::Decoder::decodeEvent(std::string_view line) {
    out_->put(" ");
    out_->put(withoutTrailingBlanks(line.substr(1)));
    out_->endLine();
    std::size_t records = 0;
    if (line.size() > kFlagIndex + 1 && !readCount(field(line, kSpecialRecordCount), records)) {
        fail("malformed count of special records in an event line");
    }
    for (std::size_t i = 0; i < records; ++i) {
        const std::string_view record = nextLine();
        if (record.size() > kRecordWidth) fail("special record longer than 80 columns");
        if (headerLabel(record) == "# / TYPES OF OBSERV" &&
            !trimmed(field(record, kTypeCount)).empty() &&
            (!readCount(field(record, kTypeCount), types_) || types_ == 0 || types_ > kMaxTypes)) {
            fail("the number of observation types is not a number from 1 to 99");
        }
        out_->put(withoutTrailingBlanks(record));
        out_->endLine();
    }
    resetState();
}

void CompactRinexInput::Decoder::decodeEpoch() {
    const std::string_view line = nextLine();
    if (!line.empty() && line[0] == '&') {
        if (line.size() > kFlagIndex && line[kFlagIndex] >= '2' && line[kFlagIndex] <= '6') {
            decodeEvent(line);
            return;
        }
        resetState();
        epoch_.assign(line);
        std::replace(epoch_.begin(), epoch_.end(), '&', ' ');
    } else {
        if (!haveEpoch_) fail("epoch line is a difference, but no epoch was initialised before it");
        std::size_t size = epoch_.size();
        epoch_.resize(std::max(size, line.size()));
        applyDifference(epoch_.data(), size, line);
    }
    epoch_.resize(withoutTrailingBlanks(epoch_).size());
    const std::size_t count = checkEpochText();
    haveEpoch_ = true;
    placeSatellites(count);
    decodeClock(nextLine());

    out_->put(std::string_view(epoch_).substr(0, kFirstLineText));
    if (haveClock_) {
        out_->padLine(kFirstLineText);
        putFixed(clock_.differences[0], kClockDecimals, kClockWidth);
    }
    out_->endLine();
    for (std::size_t next = kSatellitesPerLine; next < count; next += kSatellitesPerLine) {
        out_->put(kContinuationIndent);
        out_->put(std::string_view(epoch_).substr(kSatellitesStart + next * kSatelliteWidth,
                                                  kSatellitesPerLine * kSatelliteWidth));
        out_->endLine();
    }
    fieldStart_.resize(types_);
    fieldEnd_.resize(types_);
    for (std::size_t i = 0; i < count; ++i) decodeSatellite(i, nextLine());
    std::swap(previous_, current_);
}

bool CompactRinexInput::Decoder::produce(TextBuffer& out) {
    out_ = &out;
    if (!headerDone_) {
        decodeHeader();
        return true;
    }
    if (lines_.atEnd()) return false;
    decodeEpoch();
    return true;
}

CompactRinexInput::CompactRinexInput(std::unique_ptr<InputFile> compact, std::string path)
    : ProducedText(std::move(compact)),
      decoder_(std::make_unique<Decoder>(source(), std::move(path))) {}

CompactRinexInput::~CompactRinexInput() = default;

bool CompactRinexInput::produce(TextBuffer& out) {
    return decoder_->produce(out);
}

}  // namespace chronoflip
