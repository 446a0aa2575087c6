#include "readers/navigation_records.h"

#include <algorithm>

#include "core/text_fields.h"
#include "readers/gnss_systems.h"

namespace chronoflip {

namespace {

// RINEX 4 marker line, A1,1X,A3,1X,A3,1X,A4: ">", the record kind (EPH STO EOP ION), the
// satellite, whose number STO, EOP and ION may leave blank, and the message type, after
// which RINEX 4.02 may write a subtype.
constexpr Columns kMarkerKind{3, 3};
constexpr Columns kMarkerSystem{7, 1};
constexpr Columns kMarkerNumber{8, 2};
constexpr Columns kMarkerMessage{11, 4};
constexpr std::array<Columns, 3> kMarkerBlanks{{{2, 1}, {6, 1}, {10, 1}}};

bool isEmpty(std::string_view line) {
    return trimmed(line).empty();
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigitOrBlank(char c) {
    return c == ' ' || (c >= '0' && c <= '9');
}

}  // namespace

NavigationFormat navigationFormat(std::string_view version) {
    return !version.empty() && version.front() == '4' ? NavigationFormat::kRinex4
                                                      : NavigationFormat::kRinex3;
}

std::string formatName(NavigationFormat format) {
    return format == NavigationFormat::kRinex4 ? "RINEX 4" : "RINEX 3";
}

NavigationRecords::NavigationRecords(NumberedLines& lines, NavigationFormat format)
    : lines_(lines), format_(format) {}

// Reads the next line into pending_; false at the end of the text, which may be a run of
// empty lines.
bool NavigationRecords::fetch() {
    if (lines_.atEnd()) return false;
    pending_ = lines_.next("a record");
    if (!isEmpty(pending_)) return true;
    const std::size_t empty = lines_.number();
    while (!lines_.atEnd()) {
        if (!isEmpty(lines_.next("a record")))
            lines_.failAt(empty, "an empty line among the records: only the end may have them");
    }
    return false;
}

bool NavigationRecords::startsRecord(std::string_view line) const {
    return format_ == NavigationFormat::kRinex4 ? line.front() == '>' : line.front() != ' ';
}

std::optional<std::string_view> NavigationRecords::line() {
    if (giveStart_) {
        giveStart_ = false;
    } else {
        if (!havePending_ && !(havePending_ = fetch())) return std::nullopt;
        if (startsRecord(pending_)) return std::nullopt;
    }
    havePending_ = false;
    ++linesRead_;
    return pending_;
}

bool NavigationRecords::next() {
    while (line()) {
        if (!started_) lines_.fail("a line where the first record should start");
    }
    if (format_ == NavigationFormat::kRinex4 && started_ && linesRead_ == 0) {
        lines_.failAt(startLine_,
                      havePending_ ? "a marker line with no record lines after it"
                                   : "the file ends after a marker line: its record is cut short");
    }
    if (!havePending_) return false;
    started_ = true;
    startLine_ = lines_.number();
    linesRead_ = 0;
    const std::string_view text = trimmed(pending_);
    startLength_ = std::min(text.size(), start_.size());
    std::copy_n(text.begin(), startLength_, start_.begin());
    if (format_ == NavigationFormat::kRinex4) {
        readMarker(pending_);
        havePending_ = false;
    } else {
        readStart(pending_);
        giveStart_ = true;
    }
    if (!isSystemLetter(system_)) {
        lines_.fail("a record of a system " + formatName(format_) + " does not know: \"" +
                    std::string(1, system_) + "\"");
    }
    return true;
}

void NavigationRecords::readStart(std::string_view line) {
    system_ = line.front();
    kind_ = system_ == 'G' ? RecordKind::kGpsNavigation : RecordKind::kOtherSystem;
    gpsLnav_ = system_ == 'G';
}

void NavigationRecords::readMarker(std::string_view line) {
    const std::string_view kind = field(line, kMarkerKind);
    const std::string_view number = field(line, kMarkerNumber);
    const std::string_view message = trimmed(field(line, kMarkerMessage));
    const bool laidOut = std::all_of(kMarkerBlanks.begin(), kMarkerBlanks.end(),
                                     [line](Columns blank) { return field(line, blank) == " "; }) &&
                         kind.size() == 3 && std::all_of(kind.begin(), kind.end(), isUpper) &&
                         number.size() == 2 &&
                         std::all_of(number.begin(), number.end(), isDigitOrBlank) &&
                         !message.empty() && field(line, kMarkerMessage).front() != ' ';
    if (!laidOut) lines_.fail("a marker line not laid out as \"> EPH G01 LNAV\"");
    system_ = field(line, kMarkerSystem).front();
    gpsLnav_ = system_ == 'G' && message == "LNAV";
    if (kind == "EPH") {
        if (system_ != 'G') {
            kind_ = RecordKind::kOtherSystem;
        } else {
            kind_ = gpsLnav_ ? RecordKind::kGpsNavigation : RecordKind::kGpsOtherMessage;
        }
    } else if (kind == "ION") {
        kind_ = RecordKind::kIonosphere;
    } else if (kind == "STO") {
        kind_ = RecordKind::kTimeOffset;
    } else if (kind == "EOP") {
        kind_ = RecordKind::kEarthOrientation;
    } else {
        lines_.fail("a record of a kind RINEX 4 does not know: \"" + std::string(kind) + "\"");
    }
}

std::string_view NavigationRecords::requireLine(std::string_view name, std::size_t due) {
    if (const std::optional<std::string_view> next = line()) return *next;
    failLineCount(name, due);
}

void NavigationRecords::requireEnd(std::string_view name, std::size_t due) {
    if (!line()) return;
    while (line()) {
    }
    failLineCount(name, due);
}

void NavigationRecords::failLineCount(std::string_view name, std::size_t due) {
    if (!havePending_ && linesRead_ < due)
        lines_.fail("the file ends inside " + std::string(name) + ": it is cut short");
    lines_.failAt(startLine_, std::string(name) + " has " + std::to_string(linesRead_) +
                                  " lines where " + std::to_string(due) + " are due");
}

}  // namespace chronoflip
