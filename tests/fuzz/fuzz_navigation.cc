#include <cstdlib>

#include "core/text_fields.h"
#include "rewrite_harness.h"

namespace {

constexpr std::size_t kBlockLines = 5;
constexpr int kOrbitLines = 7;

// The lines a finished rewrite leaves out: after END OF HEADER, a line whose columns 1-2
// hold a satellite number starts a record that takes the next seven lines as they come;
// any other line where a record would start is dropped.
std::size_t droppedLines(const std::string& text) {
    bool inHeader = true;
    int recordLinesLeft = 0;
    std::size_t dropped = 0;
    chronoflip::fuzzing::forEachLine(text, [&](std::string_view line) {
        if (inHeader) {
            inHeader = chronoflip::headerLabel(line) != "END OF HEADER";
        } else if (recordLinesLeft > 0) {
            --recordLinesLeft;
        } else if (chronoflip::parseField(line, {1, 2}) != 0) {
            recordLinesLeft = kOrbitLines;
        } else {
            ++dropped;
        }
    });
    return dropped;
}

}  // namespace

// A finished navigation rewrite writes every line of its source once, leaves out only the
// lines that start no record, and adds its five-line comment block: the work file has
// exactly that many lines, no more (nothing made up) and no fewer (nothing lost).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = chronoflip::fuzzing::fuzzRewrite("abcd0480.16n", data, size);
    if (!result.finished || chronoflip::fuzzing::convertedOnTheWay(data, size)) return 0;
    const std::size_t dropped = droppedLines(chronoflip::fuzzing::sourceText(data, size));
    if (result.workLines != result.sourceLines + kBlockLines - dropped) std::abort();
    return 0;
}
