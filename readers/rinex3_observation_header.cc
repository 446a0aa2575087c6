#include "readers/rinex3_observation_header.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "readers/rinex3_header_records.h"

namespace chronoflip {

namespace {

// SYS / # / OBS TYPES: A1,2X,I3,13(1X,A3); continuation lines 6X,13(1X,A3).
constexpr Columns kCodeCount{4, 3};
constexpr int kFirstCodeColumn = 8;
constexpr int kCodeStep = 4;
constexpr int kCodesPerLine = 13;
constexpr std::size_t kCodeLength = 3;
// A header this long without END OF HEADER is no header: stop before memory runs out.
constexpr std::size_t kMostHeaderLines = 10000;

constexpr std::size_t kLabelColumn = 60;
constexpr std::size_t kTypesPerLine = 9;

// What the 2.11 header holds, in order: lines copied or rewritten, and the places where
// the parts known only at END OF HEADER go.
enum class Place { kLine, kLeapSeconds, kVersion, kTypes, kComments };

struct Entry {
    Place place = Place::kLine;
    std::string line;
};

class HeaderReader {
  public:
    explicit HeaderReader(NumberedLines& lines) : lines_(lines) {}

    void read();
    const std::vector<Entry>& entries() const { return entries_; }
    const std::vector<DeclaredCodes>& declared() const { return declared_; }

  private:
    void take(std::string_view line);
    void readCodes(std::string_view line);
    void checkRecordComplete() const;
    void add(Place place, std::string_view line = {});

    NumberedLines& lines_;
    std::vector<Entry> entries_;
    std::vector<DeclaredCodes> declared_;
    std::size_t expectedCodes_ = 0;  // of the SYS / # / OBS TYPES record being read
    std::size_t recordLine_ = 0;     // where that record started
    bool typesPlaced_ = false;
    bool commentsPlaced_ = false;
};

void HeaderReader::add(Place place, std::string_view line) {
    if (entries_.size() == kMostHeaderLines)
        lines_.fail("no END OF HEADER in the first 10000 header records");
    entries_.push_back({place, std::string(line)});
}

// A SYS / # / OBS TYPES record ends where a line other than its continuation comes.
void HeaderReader::checkRecordComplete() const {
    if (!declared_.empty() && declared_.back().codes.size() != expectedCodes_)
        lines_.failAt(recordLine_, "SYS / # / OBS TYPES gives fewer codes than its count");
}

void HeaderReader::readCodes(std::string_view line) {
    if (line[0] != ' ') {
        checkRecordComplete();
        recordLine_ = lines_.number();
        const char system = line[0];
        if (!isSystemLetter(system))
            lines_.fail(std::string("unknown satellite system letter \"") + system + "\"");
        if (std::any_of(declared_.begin(), declared_.end(),
                        [&](const DeclaredCodes& d) { return d.system == system; })) {
            lines_.fail(std::string("SYS / # / OBS TYPES given twice for system ") + system);
        }
        std::uint64_t count = 0;
        if (!readUnsignedField(field(line, kCodeCount), count) || count == 0)
            lines_.fail("SYS / # / OBS TYPES count in columns 4-6 is no number");
        expectedCodes_ = count;
        declared_.push_back({system, {}});
    } else if (declared_.empty() || declared_.back().codes.size() == expectedCodes_) {
        lines_.fail("SYS / # / OBS TYPES continuation line without a record to continue");
    }
    std::vector<std::string>& codes = declared_.back().codes;
    for (int i = 0; i < kCodesPerLine; ++i) {
        const std::string_view code =
            trimmed(field(line, {kFirstCodeColumn + i * kCodeStep, static_cast<int>(kCodeLength)}));
        if (code.empty()) continue;
        if (code.size() != kCodeLength)
            lines_.fail("malformed observation code in SYS / # / OBS TYPES");
        if (codes.size() == expectedCodes_)
            lines_.fail("SYS / # / OBS TYPES gives more codes than its count");
        codes.emplace_back(code);
    }
}

void HeaderReader::take(std::string_view line) {
    const std::string_view label = headerLabel(line);
    const HeaderRecordRule rule = headerRecordRule(label);
    if (rule != HeaderRecordRule::kObsTypes) checkRecordComplete();
    switch (rule) {
        case HeaderRecordRule::kKeep:
            add(Place::kLine, line);
            if (label == "PGM / RUN BY / DATE" && !commentsPlaced_) {
                add(Place::kComments);
                commentsPlaced_ = true;
            }
            return;
        case HeaderRecordRule::kLeapSeconds:
            add(Place::kLeapSeconds, line);
            return;
        case HeaderRecordRule::kObsTypes:
            readCodes(line);
            if (!typesPlaced_) add(Place::kTypes);
            typesPlaced_ = true;
            return;
        case HeaderRecordRule::kScaleFactor:
            if (!scaleFactorIsOne(line))
                lines_.fail("SYS / SCALE FACTOR other than 1: the values would change");
            return;
        case HeaderRecordRule::kLeaveOut:
            return;
    }
}

void HeaderReader::read() {
    lines_.next("the header");  // RINEX VERSION / TYPE, already read for its version
    add(Place::kVersion);
    for (;;) {
        if (lines_.atEnd()) lines_.fail("the header has no END OF HEADER");
        const std::string_view line = lines_.next("the header");
        if (headerLabel(line) == "END OF HEADER") {
            checkRecordComplete();
            if (!commentsPlaced_) add(Place::kComments);
            add(Place::kLine, line);
            return;
        }
        take(line);
    }
}

void writeLabelled(TextBuffer& out, std::string_view text, std::string_view label) {
    out.put(text);
    out.padLine(kLabelColumn);
    out.put(label);
    out.endLine();
}

void writeTypes(TextBuffer& out, const TypeChoice& choice) {
    writeLabelled(out, "     1     1", "WAVELENGTH FACT L1/2");
    IntText count;
    out.put(count.format(static_cast<std::int64_t>(choice.types.size()), 6));
    for (std::size_t i = 0; i < choice.types.size(); ++i) {
        if (i != 0 && i % kTypesPerLine == 0) {
            writeLabelled(out, "", "# / TYPES OF OBSERV");
            out.putBlanks(6);
        }
        out.putBlanks(4);
        out.put(choice.types[i]);
    }
    writeLabelled(out, "", "# / TYPES OF OBSERV");
}

std::string leftOutText(const TypeChoice& choice) {
    if (choice.leftOut.empty()) return "none";
    std::string text;
    for (const char letter : choice.leftOut) {
        if (!text.empty()) text += ", ";
        text += std::string(systemName(letter)) + " (" + letter + ")";
    }
    return text;
}

}  // namespace

TypeChoice convertObservationHeader(NumberedLines& lines, TextBuffer& out,
                                    const ConversionSource& source, KeptSystems kept,
                                    ConversionReport& report) {
    HeaderReader header(lines);
    header.read();
    TypeChoice choice = chooseTypes(header.declared(), kept);
    if (choice.systems.empty()) {
        lines.fail("no observation of the systems kept (" + std::string(systemLetters(kept)) +
                   ") that RINEX 2.11 can hold: nothing to convert");
    }
    const std::string leftOut = leftOutText(choice);
    for (const Entry& entry : header.entries()) {
        switch (entry.place) {
            case Place::kLine:
                out.put(entry.line);
                out.endLine();
                break;
            case Place::kLeapSeconds:
                writeLeapSeconds(out, entry.line);
                break;
            case Place::kVersion:
                writeLabelled(out,
                              std::string("     2.11           OBSERVATION DATA    ") +
                                  (choice.systems.size() == 1 ? choice.systems[0].letter : 'M'),
                              "RINEX VERSION / TYPE");
                break;
            case Place::kTypes:
                writeTypes(out, choice);
                break;
            case Place::kComments:
                writeConversionComments(out, source, "Systems left out: " + leftOut);
                break;
        }
    }
    report.note = "RINEX " + source.version + " converted to 2.11; systems left out: " + leftOut;
    return choice;
}

}  // namespace chronoflip
