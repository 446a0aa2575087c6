#include "decode_harness.h"

// The input's first line picks the decoder, so the seeds hold both versions: Compact RINEX
// 1.0 (basic) and 3.0 (crinex3: systems of different type counts, a clock, a blank field
// keeping its flags, an event changing a system's types, an escape line, a flag-6 epoch).
// Each input is decoded whole and in pieces.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    chronoflip::fuzzing::fuzzDecode(chronoflip::fuzzing::Decoder::kCompactRinex, data, size);
    return 0;
}
