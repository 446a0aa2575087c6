#pragma once

// The byte scans of large files look at 32 bytes at a time where the processor can (AVX2,
// nearly every x86-64 processor since 2013) and 16 at a time otherwise; the program is
// built for the baseline, so the wider code is chosen when it runs.
#if defined(__x86_64__) && defined(__GNUC__)
#define CHRONOFLIP_AVX2_TARGET __attribute__((target("avx2,popcnt")))
#define CHRONOFLIP_HAVE_AVX2_CODE 1
#include <immintrin.h>

#include <cstdint>
#endif

namespace chronoflip {

// Whether the 32-byte code may run here; found once.
bool haveAvx2();

#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
// A bit for each of the 64 bytes at text that equals the byte repeated in wanted.
CHRONOFLIP_AVX2_TARGET inline std::uint64_t equalBitsWide(const char* text, __m256i wanted) {
    const auto low = static_cast<std::uint32_t>(_mm256_movemask_epi8(
        _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(text)), wanted)));
    const auto high = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + 32)), wanted)));
    return std::uint64_t{high} << 32 | low;
}
#endif

}  // namespace chronoflip
