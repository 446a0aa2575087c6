#include "readers/rinex3_navigation_input.h"

#include "readers/gps_navigation_record.h"
#include "readers/navigation_header.h"
#include "readers/navigation_records.h"
#include "readers/navigation_survey.h"
#include "readers/numbered_lines.h"

namespace chronoflip {

class Rinex3NavigationInput::Converter {
  public:
    // The format and the line source are set from source before it is kept.
    Converter(InputFile& text, ConversionSource source, ReopenText reopen, ConversionReport& report)
        : format_(navigationFormat(source.version)),
          lines_(text, source.path, formatName(format_)),
          records_(lines_, format_),
          source_(std::move(source)),
          reopen_(std::move(reopen)),
          report_(report) {}

    bool produce(TextBuffer& out);

  private:
    void writeHeader(TextBuffer& out);

    NavigationFormat format_;
    NumberedLines lines_;
    NavigationRecords records_;
    ConversionSource source_;
    ReopenText reopen_;
    ConversionReport& report_;
    bool headerWritten_ = false;
};

bool Rinex3NavigationInput::Converter::produce(TextBuffer& out) {
    if (!headerWritten_) {
        writeHeader(out);
        return true;
    }
    if (!records_.next()) return false;
    if (records_.kind() != RecordKind::kGpsNavigation) return true;
    // Never half a record: what a failing record wrote is taken back.
    const std::size_t mark = out.mark();
    try {
        convertGpsRecord(records_, out);
    } catch (...) {
        out.rollBack(mark);
        throw;
    }
    return true;
}

// The header needs what only the whole text tells: a first reading finds it.
void Rinex3NavigationInput::Converter::writeHeader(TextBuffer& out) {
    const std::unique_ptr<InputFile> again = reopen_();
    const NavigationSurvey survey = surveyNavigation(*again, source_.path, format_);
    again->close();
    const std::string leftOut = leftOutText(survey);
    if (survey.gpsRecords == 0) {
        lines_.failAt(0, leftOut.empty()
                             ? "no GPS record to convert; the file holds no record"
                             : "no GPS record to convert; records in the file: " + leftOut);
    }
    const std::string comment = leftOut.empty() ? "" : "Records left out: " + leftOut;
    convertNavigationHeader(lines_, {source_, comment, survey.fromRecords}, out);
    report_.note = "RINEX " + source_.version +
                   " converted to 2.11; GPS records kept: " + std::to_string(survey.gpsRecords) +
                   (leftOut.empty() ? "" : "; records left out: " + leftOut);
    headerWritten_ = true;
}

Rinex3NavigationInput::Rinex3NavigationInput(std::unique_ptr<InputFile> text,
                                             ConversionSource origin, ReopenText reopen,
                                             ConversionReport& report)
    : ProducedText(std::move(text)),
      converter_(
          std::make_unique<Converter>(source(), std::move(origin), std::move(reopen), report)) {}

Rinex3NavigationInput::~Rinex3NavigationInput() = default;

bool Rinex3NavigationInput::produce(TextBuffer& out) {
    return converter_->produce(out);
}

}  // namespace chronoflip
