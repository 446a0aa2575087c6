#include <cstdlib>

#include "rewrite_harness.h"

// A navigation file may lose blank lines between records and gains at most its
// five-line comment block.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = chronoflip::fuzzing::fuzzRewrite("abcd0480.16n", data, size);
    if (result.finished && result.workLines > result.sourceLines + 5) std::abort();
    return 0;
}
