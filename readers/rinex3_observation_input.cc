#include "readers/rinex3_observation_input.h"

#include <array>
#include <string>

#include "core/text_fields.h"
#include "readers/numbered_lines.h"
#include "readers/rinex3_epoch.h"
#include "readers/rinex3_header_records.h"
#include "readers/rinex3_observation_header.h"

namespace chronoflip {

namespace {

// RINEX 3/4 observation line: A1,I2.2 satellite, then per code F14.3 value, LLI, SSI.
constexpr Columns kSatelliteNumber{2, 2};
constexpr std::size_t kSatelliteWidth = 3;
constexpr std::size_t kFieldWidth = 16;
constexpr std::size_t kValueWidth = 14;
constexpr std::size_t kValuePoint = 10;  // F14.3: the point is the value's eleventh character
constexpr std::size_t kValueDecimals = 3;
// RINEX 2.11 observation lines: 5(F14.3,I1,I1).
constexpr std::size_t kFieldsPerLine = 5;
constexpr std::string_view kBlankField = "                ";
constexpr std::size_t kSatelliteNumbers = 100;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// A 16-character field's value: all blank, or F14.3 with its point in place.
bool isValue(std::string_view value, bool& blank) {
    blank = value.find_first_not_of(' ') == std::string_view::npos;
    if (blank) return true;
    if (value[kValuePoint] != '.') return false;
    for (std::size_t i = kValuePoint + 1; i < kValueWidth; ++i) {
        if (!isDigit(value[i])) return false;
    }
    std::size_t i = value.find_first_not_of(' ');
    if (value[i] == '-') ++i;
    for (; i < kValuePoint; ++i) {
        if (!isDigit(value[i])) return false;
    }
    return true;
}

bool isFlag(char c) {
    return c == ' ' || isDigit(c);
}

}  // namespace

class Rinex3ObservationInput::Converter {
  public:
    Converter(InputFile& text, ConversionSource source, KeptSystems kept, ConversionReport& report)
        : lines_(text, source.path, "RINEX " + source.version),
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
    const TypeChoice::System* chosen = written_[letter];
    if (chosen == nullptr) return;

    const std::size_t mark = data_.mark();
    bool anyValue = false;
    const std::vector<int>& sources = chosen->sources;
    for (std::size_t j = 0; j < sources.size(); ++j) {
        if (j != 0 && j % kFieldsPerLine == 0) data_.endLine();
        if (sources[j] == kNotFed) {
            data_.put(kBlankField);
            continue;
        }
        const std::size_t start =
            kSatelliteWidth + kFieldWidth * static_cast<std::size_t>(sources[j]);
        char* out = data_.reserve(kFieldWidth);
        for (std::size_t k = 0; k < kFieldWidth; ++k) {
            out[k] = start + k < line.size() ? line[start + k] : ' ';
        }
        bool blank = true;
        if (!isValue({out, kValueWidth}, blank) || !isFlag(out[kValueWidth]) ||
            !isFlag(out[kValueWidth + 1])) {
            lines_.fail("observation field " + std::to_string(sources[j] + 1) +
                        " is not F14.3 with LLI and signal strength digits");
        }
        anyValue |= !blank;
        data_.commit(kFieldWidth);
    }
    data_.endLine();
    // Nothing the 2.11 types hold: the satellite is left out of the epoch.
    if (!anyValue) {
        data_.rollBack(mark);
        return;
    }
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
