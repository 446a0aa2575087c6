#include "readers/conversion.h"

#include "core/version.h"

namespace chronoflip {

namespace {

constexpr std::size_t kCommentWidth = 60;
constexpr std::string_view kCommentLabel = "COMMENT";

}  // namespace

void writeComment(TextBuffer& out, std::string_view text) {
    out.put(text.substr(0, kCommentWidth));
    out.padLine(kCommentWidth);
    out.put(kCommentLabel);
    out.endLine();
}

void writeConversionComments(TextBuffer& out, const ConversionSource& source,
                             std::string_view leftOut) {
    writeComment(out, "Converted from RINEX " + source.version + " to 2.11 by " +
                          std::string(kProgramCaption));
    writeComment(out, "Source " + source.fileName);
    // Wrap at the last blank that keeps a line within the comment's 60 columns.
    while (leftOut.size() > kCommentWidth) {
        std::size_t cut = leftOut.rfind(' ', kCommentWidth);
        if (cut == std::string_view::npos || cut == 0) cut = kCommentWidth;
        writeComment(out, leftOut.substr(0, cut));
        leftOut.remove_prefix(cut);
        while (!leftOut.empty() && leftOut.front() == ' ') leftOut.remove_prefix(1);
    }
    if (!leftOut.empty()) writeComment(out, leftOut);
}

}  // namespace chronoflip
