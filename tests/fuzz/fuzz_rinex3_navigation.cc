#include "decode_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    chronoflip::fuzzing::fuzzDecode(chronoflip::fuzzing::Decoder::kRinex3Navigation, data, size);
    return 0;
}
