#pragma once

#include <cstddef>
#include <cstdint>

namespace chronoflip::fuzzing {

enum class Decoder {
    kGzip,
    kUnixCompress,
    kCompactRinex,
    kRinex3Observation,
    kRinex3Navigation,  // RINEX 4 when the first line's version starts with 4
};

// Decodes the bytes after the first twice, from a source handing them out in pieces of
// (first byte + 1) bytes and then all at once, read in small and large requests. Aborts
// when a decoder throws anything but its own message naming the file, or when the two
// readings differ in text or message: buffer boundaries must never show.
void fuzzDecode(Decoder decoder, const std::uint8_t* data, std::size_t size);

}  // namespace chronoflip::fuzzing
