#include "readers/navigation_header.h"

#include <array>

#include "core/text_fields.h"
#include "readers/header_values.h"
#include "readers/rinex3_header_records.h"

namespace chronoflip {

namespace {

constexpr std::string_view kVersionLabel = "RINEX VERSION / TYPE";
constexpr std::string_view kVersionContent = "     2.11           N: GPS NAV DATA";
constexpr std::string_view kProgramLabel = "PGM / RUN BY / DATE";
constexpr std::string_view kCommentLabel = "COMMENT";
constexpr std::string_view kIonosphereLabel = "IONOSPHERIC CORR";
constexpr std::string_view kTimeCorrectionLabel = "TIME SYSTEM CORR";
constexpr std::string_view kLeapSecondsLabel = "LEAP SECONDS";
constexpr std::string_view kEndLabel = "END OF HEADER";
constexpr std::string_view kAlphaLabel = "ION ALPHA";
constexpr std::string_view kBetaLabel = "ION BETA";
constexpr std::string_view kUtcLabel = "DELTA-UTC: A0,A1,T,W";

// IONOSPHERIC CORR, A4,1X,4D12.4,...: the code (GPSA, GPSB, GAL, ...), then the values,
// which RINEX 2.11 takes unchanged after 2 blanks.
constexpr Columns kCode{1, 4};
constexpr std::array<Columns, 4> kIonosphereValues{{{6, 12}, {18, 12}, {30, 12}, {42, 12}}};
constexpr Columns kIonosphereText{6, 48};
// TIME SYSTEM CORR, A4,1X,D17.10,D16.9,1X,I6,1X,I4,...: the code, A0, A1, the reference
// time T and week W.
constexpr Columns kA0{6, 17};
constexpr Columns kA1{23, 16};
constexpr Columns kReferenceTime{40, 6};
constexpr Columns kReferenceWeek{47, 4};
// LEAP SECONDS, 4I6,A3: RINEX 2.11 has the first field only, which must be a number.
constexpr Columns kLeapSeconds{1, 6};

// Writes the header line by line, adding the converter's lines where they go.
class HeaderWriter {
  public:
    HeaderWriter(NumberedLines& lines, const HeaderAdditions& additions, TextBuffer& out)
        : lines_(lines), additions_(additions), out_(out) {}

    HeaderFacts convert();

  private:
    void copy(std::string_view line) {
        out_.put(line);
        out_.endLine();
    }
    void writeComments();
    void writeParameters();
    void convertIonosphere(std::string_view line);
    void convertTimeCorrection(std::string_view line);

    NumberedLines& lines_;
    const HeaderAdditions& additions_;
    TextBuffer& out_;
    HeaderFacts facts_;
    bool commented_ = false;
    bool parametersWritten_ = false;
    bool alphaWritten_ = false;
    bool betaWritten_ = false;
};

HeaderFacts HeaderWriter::convert() {
    if (headerLabel(lines_.next("the header")) != kVersionLabel)
        lines_.fail("the first line is no RINEX VERSION / TYPE record");
    writeHeaderLine(out_, kVersionContent, kVersionLabel);
    for (;;) {
        if (lines_.atEnd()) lines_.fail("the file ends inside the header: END OF HEADER missing");
        const std::string_view line = lines_.next("the header");
        const std::string_view label = headerLabel(line);
        if (label == kEndLabel) {
            writeComments();
            writeParameters();
            copy(line);
            return facts_;
        }
        if (label == kProgramLabel) {
            copy(line);
            writeComments();
        } else if (label == kCommentLabel) {
            copy(line);
        } else if (label == kIonosphereLabel) {
            convertIonosphere(line);
        } else if (label == kTimeCorrectionLabel) {
            convertTimeCorrection(line);
        } else if (label == kLeapSecondsLabel) {
            requireUnsigned(lines_, line, kLeapSeconds, kLeapSecondsLabel);
            writeParameters();
            writeLeapSeconds(out_, line);
        }
    }
}

void HeaderWriter::writeComments() {
    if (commented_) return;
    commented_ = true;
    writeConversionComments(out_, additions_.source, additions_.leftOut);
    const HeaderParameters& parameters = additions_.fromRecords;
    if (!parameters.ionSource.empty())
        writeComment(out_, "ION ALPHA and ION BETA from " + parameters.ionSource);
    if (!parameters.utcSource.empty())
        writeComment(out_, "DELTA-UTC: A0,A1,T,W from " + parameters.utcSource);
}

void HeaderWriter::writeParameters() {
    if (parametersWritten_) return;
    parametersWritten_ = true;
    const HeaderParameters& parameters = additions_.fromRecords;
    if (!parameters.ionAlpha.empty()) {
        writeHeaderLine(out_, parameters.ionAlpha, kAlphaLabel);
        writeHeaderLine(out_, parameters.ionBeta, kBetaLabel);
    }
    if (!parameters.deltaUtc.empty()) writeHeaderLine(out_, parameters.deltaUtc, kUtcLabel);
}

// GPSA and GPSB; the other systems' parameters have no place in RINEX 2.11.
void HeaderWriter::convertIonosphere(std::string_view line) {
    const std::string_view code = field(line, kCode);
    const bool alpha = code == "GPSA";
    if (!alpha && code != "GPSB") return;
    const std::string what = std::string(kIonosphereLabel) + " " + std::string(code);
    for (const Columns columns : kIonosphereValues) requireNumberText(lines_, line, columns, what);
    facts_.ionosphere = true;
    bool& written = alpha ? alphaWritten_ : betaWritten_;
    if (written) return;
    written = true;
    writeHeaderLine(out_,
                    std::string(kIonosphereIndent) + std::string(field(line, kIonosphereText)),
                    alpha ? kAlphaLabel : kBetaLabel);
}

// GPUT, GPS to UTC; the other time systems have no place in RINEX 2.11.
void HeaderWriter::convertTimeCorrection(std::string_view line) {
    if (field(line, kCode) != kGpsToUtcCode) return;
    const std::string what = std::string(kTimeCorrectionLabel) + " " + std::string(kGpsToUtcCode);
    std::string text(kUtcIndent);
    text += requireZeroPointForm(lines_, line, kA0, what);
    text += requireZeroPointForm(lines_, line, kA1, what);
    IntText integer;
    for (const Columns columns : {kReferenceTime, kReferenceWeek}) {
        text +=
            integer.format(static_cast<std::int64_t>(requireUnsigned(lines_, line, columns, what)),
                           kUtcIntegerWidth);
    }
    if (facts_.utc) return;
    facts_.utc = true;
    writeHeaderLine(out_, text, kUtcLabel);
}

}  // namespace

HeaderFacts convertNavigationHeader(NumberedLines& lines, const HeaderAdditions& additions,
                                    TextBuffer& out) {
    return HeaderWriter(lines, additions, out).convert();
}

}  // namespace chronoflip
