#include <cstdlib>

#include "rewrite_harness.h"

// An SP3 file keeps every line and gains the five-line block only before an epoch.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = chronoflip::fuzzing::fuzzRewrite("igs18844.sp3", data, size);
    if (result.finished && result.workLines != result.sourceLines &&
        result.workLines != result.sourceLines + 5) {
        std::abort();
    }
    return 0;
}
