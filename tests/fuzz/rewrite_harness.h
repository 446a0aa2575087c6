#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace chronoflip::fuzzing {

// What one fuzzed run produced.
struct RewriteResult {
    bool finished = false;
    std::size_t sourceLines = 0;
    std::size_t workLines = 0;
};

// Runs the processing run over data as a source named name (its last letter picks the
// rewriter) in the output mode chosen by the first byte, in memory. Aborts when the run
// throws anything but one of the program's own messages, loses or changes the source,
// or writes a line end other than CR LF.
RewriteResult fuzzRewrite(const std::string& name, const std::uint8_t* data, std::size_t size);

// The source text fuzzRewrite makes of data: every byte after the first.
std::string sourceText(const std::uint8_t* data, std::size_t size);

// Whether the source text's first line says RINEX 3 or 4, so that it reaches the rewriter
// converted to RINEX 2.11, with lines left out and added: the converters' own targets hold
// that text, and the rewriters' line counts do not apply to it.
bool convertedOnTheWay(const std::uint8_t* data, std::size_t size);

// Calls onLine with each line of bytes as the program reads it.
void forEachLine(const std::string& bytes, const std::function<void(std::string_view)>& onLine);

}  // namespace chronoflip::fuzzing
