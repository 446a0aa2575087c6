#include "readers/rinex3_observation_input.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/text_fields.h"
#include "readers/numbered_lines.h"
#include "readers/observation_field.h"
#include "readers/rinex3_epoch.h"
#include "readers/rinex3_header_records.h"
#include "readers/rinex3_observation_header.h"

namespace chronoflip {

namespace {

// RINEX 3/4 observation line: A1,I2.2 satellite, then per code F14.3 value, LLI, SSI.
constexpr Columns kSatelliteNumber{2, 2};
constexpr std::size_t kSatelliteWidth = 3;
// RINEX 2.11 observation lines: 5(F14.3,I1,I1).
constexpr std::size_t kFieldsPerLine = 5;
constexpr std::size_t kSatelliteNumbers = 100;

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// Copies a field of the source line, blanks where the line ends before it.
void copyField(std::string_view line, std::size_t start, char* out) {
    if (start + kFieldWidth <= line.size()) {
        std::memcpy(out, line.data() + start, kFieldWidth);
        return;
    }
    std::memcpy(out, kBlankField, kFieldWidth);
    if (start < line.size()) std::copy(line.data() + start, line.data() + line.size(), out);
}

}  // namespace

class Rinex3ObservationInput::Converter {
  public:
    Converter(InputFile& text, ConversionSource source, KeptSystems kept, ConversionReport& report)
        // Faults are named "RINEX 3 line N" or "RINEX 4 line N", as the navigation
        // converter names them.
        : lines_(text, source.path, "RINEX " + source.version.substr(0, 1)),
          source_(std::move(source)),
          kept_(kept),
          report_(report) {
        written_.fill(nullptr);
        declaredCodes_.fill(kUndeclared);
    }

    bool produce(TextBuffer& out);

  private:
    static constexpr std::size_t kUndeclared = static_cast<std::size_t>(-1);

    void startData();
    void convertEpoch(TextBuffer& out);
    void convertEvent(TextBuffer& out);
    void convertSatellite(std::string_view line);

    NumberedLines lines_;
    ConversionSource source_;
    KeptSystems kept_;
    ConversionReport& report_;
    bool headerDone_ = false;
    TypeChoice choice_;
    // By system letter: the codes its satellites' lines hold, and its sources when written.
    std::array<std::size_t, 128> declaredCodes_;
    std::array<const TypeChoice::System*, 128> written_;

    std::string epochLine_;  // the epoch line in hand, kept while its satellites are read
    Rinex3Epoch epoch_;
    std::size_t blankLine_ = 0;  // the first of a run of empty lines, allowed at the end only
    // Satellites met in the epoch in hand, marked with its number, to find one listed twice.
    std::array<std::uint32_t, 128 * kSatelliteNumbers> seen_{};
    std::uint32_t epochNumber_ = 0;
    std::string satellites_;  // the satellites written, 3 characters each
    TextBuffer data_;         // their lines, written after the epoch line
};

// Tables by system letter, so that each satellite line is placed without a search.
void Rinex3ObservationInput::Converter::startData() {
    for (const auto& [letter, codes] : choice_.declared) {
        declaredCodes_[static_cast<unsigned char>(letter)] = codes;
    }
    for (const TypeChoice::System& system : choice_.systems) {
        written_[static_cast<unsigned char>(system.letter)] = &system;
    }
}

bool Rinex3ObservationInput::Converter::produce(TextBuffer& out) {
    if (!headerDone_) {
        choice_ = convertObservationHeader(lines_, out, source_, kept_, report_);
        startData();
        headerDone_ = true;
        return true;
    }
    for (;;) {
        if (lines_.atEnd()) return false;
        const std::string_view line = lines_.next("the data");
        if (withoutTrailingBlanks(line).empty()) {
            if (blankLine_ == 0) blankLine_ = lines_.number();
            continue;
        }
        if (blankLine_ != 0) lines_.failAt(blankLine_, "empty line inside the data");
        if (line[0] != '>') lines_.fail("expected an epoch line starting with \">\"");
        epochLine_.assign(line);
        break;
    }
    const std::string_view problem = readRinex3Epoch(epochLine_, epoch_);
    if (!problem.empty()) lines_.fail(problem);
    if (epoch_.isEvent()) {
        convertEvent(out);
    } else {
        convertEpoch(out);
    }
    return true;
}

void Rinex3ObservationInput::Converter::convertEvent(TextBuffer& out) {
    std::size_t written = 0;
    for (std::size_t i = 0; i < epoch_.count; ++i) {
        const std::string_view record = lines_.next("an event");
        switch (headerRecordRule(headerLabel(record))) {
            case HeaderRecordRule::kKeep:
                data_.put(record);
                data_.endLine();
                ++written;
                break;
            case HeaderRecordRule::kLeapSeconds:
                writeLeapSeconds(data_, record);
                ++written;
                break;
            case HeaderRecordRule::kObsTypes:
                lines_.fail(
                    "SYS / # / OBS TYPES inside the data: types changing within the file "
                    "cannot be converted");
            case HeaderRecordRule::kScaleFactor:
                if (!scaleFactorIsOne(record))
                    lines_.fail("SYS / SCALE FACTOR other than 1: the values would change");
                break;
            case HeaderRecordRule::kLeaveOut:
                break;
        }
    }
    writeRinex2Epoch(out, epoch_, written, {});
    out.appendLines(data_);
}

void Rinex3ObservationInput::Converter::convertEpoch(TextBuffer& out) {
    ++epochNumber_;
    satellites_.clear();
    for (std::size_t i = 0; i < epoch_.count; ++i) convertSatellite(lines_.next("an epoch"));
    const std::size_t written = satellites_.size() / kSatelliteWidth;
    // An epoch with nothing left to say is left out whole.
    if (written == 0) return;
    writeRinex2Epoch(out, epoch_, written, satellites_);
    out.appendLines(data_);
}

void Rinex3ObservationInput::Converter::convertSatellite(std::string_view line) {
    line = withoutTrailingBlanks(line);
    const char system = line.empty() ? ' ' : line[0];
    const auto letter = static_cast<unsigned char>(system);
    if (!isSystemLetter(system)) {
        lines_.fail(std::string("unknown satellite system letter \"") + system + "\"");
    }
    const std::size_t codes = declaredCodes_[letter];
    if (codes == kUndeclared) {
        lines_.fail(std::string("satellite of system ") + system +
                    ", for which the header gives no SYS / # / OBS TYPES");
    }
    std::uint64_t number = 0;
    if (!readUnsignedField(field(line, kSatelliteNumber), number))
        lines_.fail("satellite number in columns 2-3 is no number");
    std::uint32_t& seen = seen_[letter * kSatelliteNumbers + number];
    if (seen == epochNumber_) lines_.fail("satellite listed twice in one epoch");
    seen = epochNumber_;
    if (line.size() > kSatelliteWidth + kFieldWidth * codes)
        lines_.fail("observation line with more fields than its system's SYS / # / OBS TYPES");
    if (!holdsNumbersOnly(line.substr(kSatelliteWidth)))
        lines_.fail("observation line with characters no number or flag is written with");
    const TypeChoice::System* chosen = written_[letter];
    if (chosen == nullptr) return;

    // The satellite's lines are written straight into the buffer, then kept or forgotten.
    const std::vector<int>& sources = chosen->sources;
    char* const first = data_.reserve(sources.size() * (kFieldWidth + 1) + 1);
    char* out = first;
    char* lineStart = first;
    bool anyValue = false;
    for (std::size_t j = 0; j < sources.size(); ++j) {
        if (sources[j] == kNotFed) {
            std::memcpy(out, kBlankField, kFieldWidth);
        } else {
            copyField(line, kSatelliteWidth + kFieldWidth * static_cast<std::size_t>(sources[j]),
                      out);
            const FieldCheck check = checkField(out);
            if (!check.valid) {
                lines_.fail("observation field " + std::to_string(sources[j] + 1) +
                            " is not F14.3 with LLI and signal strength digits");
            }
            anyValue |= !check.blank;
        }
        out += kFieldWidth;
        if ((j + 1) % kFieldsPerLine == 0 || j + 1 == sources.size()) {
            while (out != lineStart && out[-1] == ' ') --out;
            *out++ = '\n';
            lineStart = out;
        }
    }
    // Nothing the 2.11 types hold: the satellite is left out of the epoch.
    if (!anyValue) return;
    data_.commitLines(static_cast<std::size_t>(out - first));
    satellites_ += system;
    satellites_ += static_cast<char>('0' + number / 10);
    satellites_ += static_cast<char>('0' + number % 10);
}

Rinex3ObservationInput::Rinex3ObservationInput(std::unique_ptr<InputFile> text,
                                               ConversionSource from, KeptSystems systems,
                                               ConversionReport& report)
    : ProducedText(std::move(text)),
      converter_(std::make_unique<Converter>(source(), std::move(from), systems, report)) {}

Rinex3ObservationInput::~Rinex3ObservationInput() = default;

bool Rinex3ObservationInput::produce(TextBuffer& out) {
    return converter_->produce(out);
}

}  // namespace chronoflip
