#include "readers/conversion.h"

#include "core/version.h"

namespace chronoflip {

namespace {

// A header record's content fills columns 1-60; its label starts in column 61.
constexpr std::size_t kContentWidth = 60;

}  // namespace

void writeHeaderLine(TextBuffer& out, std::string_view content, std::string_view label) {
    out.put(content.substr(0, kContentWidth));
    out.padLine(kContentWidth);
    out.put(label);
    out.endLine();
}

void writeConversionComments(TextBuffer& out, const ConversionSource& source,
                             std::string_view leftOut) {
    writeComment(out, "Converted from RINEX " + source.version + " to 2.11 by " +
                          std::string(kProgramCaption));
    writeComment(out, "Source " + source.fileName);
    // Wrap at the last blank that keeps a line within the comment's 60 columns.
    while (leftOut.size() > kContentWidth) {
        std::size_t cut = leftOut.rfind(' ', kContentWidth);
        if (cut == std::string_view::npos || cut == 0) cut = kContentWidth;
        writeComment(out, leftOut.substr(0, cut));
        leftOut.remove_prefix(cut);
        while (!leftOut.empty() && leftOut.front() == ' ') leftOut.remove_prefix(1);
    }
    if (!leftOut.empty()) writeComment(out, leftOut);
}

}  // namespace chronoflip
