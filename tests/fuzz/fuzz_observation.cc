#include <cstdlib>

#include "rewrite_harness.h"

// An observation file gains only its comment block: six lines, or seven with TIME OF
// LAST OBS; every other line is rewritten in place, never dropped or added.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = chronoflip::fuzzing::fuzzRewrite("abcd0480.16o", data, size);
    if (result.finished && !chronoflip::fuzzing::convertedOnTheWay(data, size)) {
        const std::size_t added = result.workLines - result.sourceLines;
        if (result.workLines < result.sourceLines || (added != 0 && added != 6 && added != 7)) {
            std::abort();
        }
    }
    return 0;
}
