#include "core/chunk_survey.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/wide_vectors.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chronoflip {

namespace {

constexpr char kCtrlZ = 26;

#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
// As surveyNarrow() below, 64 bytes at a time, a bit per byte.
CHRONOFLIP_AVX2_TARGET std::size_t surveyWide(const char* text, std::size_t size,
                                              ChunkSurvey& survey) {
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i ctrlZ = _mm256_set1_epi8(kCtrlZ);
    std::uint64_t loneCrs = 0;
    std::uint64_t bareLfs = 0;
    std::uint64_t crBefore = 0;  // the byte before the window is CR
    std::size_t i = 0;
    for (; i + 65 <= size; i += 64) {
        if (equalBitsWide(text + i, ctrlZ) != 0 || text[i + 64] == kCtrlZ) break;
        const std::uint64_t crs = equalBitsWide(text + i, cr);
        const std::uint64_t lfs = equalBitsWide(text + i, lf);
        const std::uint64_t lfAfter = lfs >> 1 | std::uint64_t{text[i + 64] == '\n'} << 63;
        loneCrs |= crs & ~lfAfter;
        bareLfs |= lfs & ~(crs << 1 | crBefore);
        crBefore = crs >> 63;
        survey.lfs += static_cast<std::size_t>(std::popcount(lfs));
    }
    survey.loneCr = loneCrs != 0;
    survey.bareLf = survey.bareLf || bareLfs != 0;
    return i;
}
#endif

// Surveys the bytes 16 at a time as far as a look at the byte after each still lands inside
// them, and stops before a Ctrl-Z or a CR before one; returns where a byte-by-byte look
// must go on.
std::size_t surveyNarrow(const char* text, std::size_t size, ChunkSurvey& survey) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i ctrlZ = _mm_set1_epi8(kCtrlZ);
    __m128i loneCrs = _mm_setzero_si128();
    __m128i bareLfs = _mm_setzero_si128();
    __m128i lfCounts = _mm_setzero_si128();  // in each byte, fewer than 256 at a time
    int counted = 0;
    std::size_t i = 0;
    for (; i + 17 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + 1));
        if (_mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(bytes, ctrlZ), _mm_cmpeq_epi8(after, ctrlZ))) != 0) {
            break;
        }
        const __m128i crs = _mm_cmpeq_epi8(bytes, cr);
        const __m128i lfsAfter = _mm_cmpeq_epi8(after, lf);
        loneCrs = _mm_or_si128(loneCrs, _mm_andnot_si128(lfsAfter, crs));
        bareLfs = _mm_or_si128(bareLfs, _mm_andnot_si128(crs, lfsAfter));
        lfCounts = _mm_sub_epi8(lfCounts, _mm_cmpeq_epi8(bytes, lf));
        if (++counted == 255) {
            const __m128i sums = _mm_sad_epu8(lfCounts, _mm_setzero_si128());
            survey.lfs += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                          static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
            lfCounts = _mm_setzero_si128();
            counted = 0;
        }
    }
    const __m128i sums = _mm_sad_epu8(lfCounts, _mm_setzero_si128());
    survey.lfs += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                  static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    survey.loneCr = _mm_movemask_epi8(loneCrs) != 0;
    survey.bareLf = survey.bareLf || _mm_movemask_epi8(bareLfs) != 0;
    return i;
#else
    (void)text;
    (void)size;
    (void)survey;
    return 0;
#endif
}

}  // namespace

ChunkSurvey surveyChunk(const char* data, std::size_t read) {
    ChunkSurvey survey{.read = read, .text = read};
    survey.bareLf = read > 0 && data[0] == '\n';
    // The wide look stops short of a Ctrl-Z, so the text it saw is text either way.
#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
    const std::size_t rest =
        haveAvx2() ? surveyWide(data, read, survey) : surveyNarrow(data, read, survey);
#else
    const std::size_t rest = surveyNarrow(data, read, survey);
#endif
    if (const void* stop = std::memchr(data + rest, kCtrlZ, read - rest)) {
        survey.text = static_cast<std::size_t>(static_cast<const char*>(stop) - data);
    }
    for (std::size_t i = rest; i < survey.text; ++i) {
        survey.lfs += data[i] == '\n';
        survey.bareLf = survey.bareLf || (i > 0 && data[i] == '\n' && data[i - 1] != '\r');
    }
    survey.loneCr = survey.loneCr || hasLoneCr(data + rest, survey.text - rest);
    return survey;
}

// Written branch-free so the compiler vectorises it.
bool hasLoneCr(const char* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    unsigned char found = 0;
    for (std::size_t i = 0; i + 1 < size; ++i) {
        found |= static_cast<unsigned char>((bytes[i] == '\r') & (bytes[i + 1] != '\n'));
    }
    return found != 0;
}

ChunkSurvey surveyChunk(const char* data, std::size_t read, const std::optional<LineMark>& mark,
                        MarkedLines& marked) {
    const ChunkSurvey survey = surveyChunk(data, read);
    marked.found = false;
    if (mark && !survey.loneCr && !survey.bareLf)
        findMarkedLines({data, survey.text}, *mark, marked);
    return survey;
}

}  // namespace chronoflip
