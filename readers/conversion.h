#pragma once

#include <string>
#include <string_view>

#include "readers/text_buffer.h"

namespace chronoflip {

// The RINEX 3 or 4 file a conversion reads, as its messages and comments name it.
struct ConversionSource {
    std::string path;      // for messages: the file as the user chose it
    std::string fileName;  // for the header's comment: the name without its folder
    std::string version;   // the version as its first line writes it, trimmed: "3.04"
};

// What a conversion did, for the run's log: empty until a file was converted.
struct ConversionReport {
    std::string note;  // "RINEX 3.04 converted to 2.11; left out: BeiDou (C)"
};

// The COMMENT lines a converted header carries right after PGM / RUN BY / DATE: the
// program, the source file and its version, then leftOut ("Systems left out: ...") wrapped
// at word breaks into as many lines as it needs.
void writeConversionComments(TextBuffer& out, const ConversionSource& source,
                             std::string_view leftOut);

// One header record: content (cut at 60 characters), blanks to column 60, the label.
void writeHeaderLine(TextBuffer& out, std::string_view content, std::string_view label);

// One COMMENT record.
inline void writeComment(TextBuffer& out, std::string_view text) {
    writeHeaderLine(out, text, "COMMENT");
}

}  // namespace chronoflip
