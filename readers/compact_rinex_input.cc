#include "readers/compact_rinex_input.h"

#include <string_view>

#include "core/text_fields.h"
#include "readers/compact_rinex1_decoder.h"
#include "readers/compact_rinex3_decoder.h"

namespace chronoflip {

namespace {

// The two lines that open the file; the second is not part of the RINEX text.
constexpr std::string_view kVersionLabel = "CRINEX VERS   / TYPE";
constexpr std::string_view kProgramLabel = "CRINEX PROG / DATE";
constexpr Columns kCompactVersion{1, 20};
constexpr Columns kCompactFormat{21, 20};

}  // namespace

CompactRinexInput::CompactRinexInput(std::unique_ptr<InputFile> compact, std::string path)
    : ProducedText(std::move(compact)), lines_(source(), std::move(path), "Compact RINEX") {}

CompactRinexInput::~CompactRinexInput() = default;

std::unique_ptr<CompactRinexDecoder> CompactRinexInput::chooseDecoder() {
    if (lines_.atEnd()) lines_.fail("the file is empty");
    const std::string_view line = lines_.next("the header");
    if (headerLabel(line) != kVersionLabel ||
        trimmed(field(line, kCompactFormat)) != "COMPACT RINEX FORMAT") {
        lines_.fail("not Compact RINEX: no \"COMPACT RINEX FORMAT\" CRINEX VERS / TYPE line");
    }
    // 3.1 (RINEX 4.02 with picosecond epochs) and any later version lay epochs out anew.
    const std::string_view version = trimmed(field(line, kCompactVersion));
    const bool version3 = version == "3.0";
    if (!version3 && version != "1.0") {
        lines_.fail("version \"" + std::string(version) +
                    "\" is not read (only Compact RINEX 1.0 and 3.0 are)");
    }
    if (lines_.atEnd() || headerLabel(lines_.next("the header")) != kProgramLabel)
        lines_.fail("no CRINEX PROG / DATE line");
    if (version3) return std::make_unique<CompactRinex3Decoder>(lines_);
    return std::make_unique<CompactRinex1Decoder>(lines_);
}

bool CompactRinexInput::produce(TextBuffer& out) {
    if (!decoder_) decoder_ = chooseDecoder();
    return decoder_->produce(out);
}

}  // namespace chronoflip
